#include "params/DeleteLandingsForm.h"

#include "document/CSkyrigDoc.h"
#include "params/FieldText.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {
constexpr const char* kSelectorLabel = "Landing ID";
constexpr std::string_view kNotAvailable =
    "The landing ID number that you just input is not available!";
}  // namespace

DeleteLandingsForm::DeleteLandingsForm(std::int32_t landingCount) : landingCount_(landingCount) {}

std::vector<FormField> DeleteLandingsForm::fields() const {
  return {{kSelectorLabel, "", "", FieldKind::Selector, numberedChoices(1, kMaxLandings)}};
}

std::string DeleteLandingsForm::fieldText(const std::string& label) const {
  return sameLabel(label, kSelectorLabel) ? formatInteger(selected_) : std::string();
}

bool DeleteLandingsForm::editField(const std::string& label, const std::string& text, Ui& ui) {
  if (!sameLabel(label, kSelectorLabel)) return false;
  std::int32_t chosen = 0;
  if (!readInteger(text, chosen, ui)) return false;
  if (chosen > landingCount_ || chosen < 1) {
    ui.message(kNotAvailable, MessageIcon::Exclamation);
    return false;
  }
  selected_ = chosen;
  return true;
}

bool DeleteLandingsForm::validateOnOk(Ui& ui) {
  if (selected_ >= 1 && selected_ <= landingCount_) return true;
  ui.message(kNotAvailable, MessageIcon::Exclamation);
  return false;
}

}  // namespace skyrig
