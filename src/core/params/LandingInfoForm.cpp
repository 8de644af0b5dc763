#include "params/LandingInfoForm.h"

#include <algorithm>

#include "params/FieldText.h"
#include "document/SingleValueTable.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

constexpr const char* kSelectorLabel = "Landing ID";
constexpr const char* kSharedLabel = "ID number of tower location sharing this landing";
constexpr std::string_view kNoSuchLanding = "ID number you entered does not exist!";

// The landing whose tower `id` shares, or 0 when it shares none or names no landing slot.
int sharedWith(const PerLanding<std::int32_t>& shared, int id) {
  const int next = shared[id];
  return next >= 1 && next <= kMaxLandings ? next : 0;
}

// The first loop met by following the shared tower ids from landing `start`, as "a -> b -> a";
// empty when the chain ends.
std::string loopFrom(const PerLanding<std::int32_t>& shared, int start) {
  std::array<int, kLandingSlots> visitOrder{};  // 0 = not visited, else 1-based position
  std::array<int, kLandingSlots + 1> chain{};
  int length = 0;
  for (int id = start; id != 0; id = sharedWith(shared, id)) {
    if (visitOrder[id] != 0) {
      std::string text;
      for (int k = visitOrder[id] - 1; k < length; ++k) text += formatInteger(chain[k]) + " -> ";
      return text + formatInteger(id);
    }
    chain[length] = id;
    visitOrder[id] = ++length;
  }
  return {};
}

}  // namespace

LandingInfoForm::LandingInfoForm(const CSkyrigDoc& doc, int selectedLanding)
    : costs_(doc.landingConstructionCost),
      shared_(doc.landingSharedTower),
      landingCount_(std::clamp(doc.landingCount, 0, kMaxLandings)),
      selected_(selectedLanding >= 1 && selectedLanding <= kMaxLandings ? selectedLanding : 1) {
  showSelected();
}

void LandingInfoForm::showSelected() {
  costText_ = formatNumber(costs_[selected_]);
  sharedText_ = formatInteger(shared_[selected_]);
}

std::vector<FormField> LandingInfoForm::fields() const {
  return {
      {kSelectorLabel, "", "Landing ID", FieldKind::Selector, numberedChoices(1, kMaxLandings)},
      {kLandingConstructionCost.label, kLandingConstructionCost.unit, kLandingConstructionCost.label, FieldKind::Text, {}},
      {kSharedLabel, "", "ID number of tower location sharing this landing", FieldKind::Text, {}},
  };
}

std::string LandingInfoForm::fieldText(const std::string& label) const {
  if (sameLabel(label, kSelectorLabel)) return formatInteger(selected_);
  if (sameLabel(label, kLandingConstructionCost.label)) return costText_;
  if (sameLabel(label, kSharedLabel)) return sharedText_;
  return {};
}

bool LandingInfoForm::editField(const std::string& label, const std::string& text, Ui& ui) {
  if (sameLabel(label, kSelectorLabel)) {
    std::int32_t chosen = 0;
    if (!readIntegerInRange(text, 1, kMaxLandings, chosen, ui)) return false;
    selected_ = chosen;
    showSelected();
    return true;
  }
  if (sameLabel(label, kLandingConstructionCost.label)) {
    costText_ = text;
    return readNumberIn(kLandingConstructionCost.range, text, costs_[selected_], ui);
  }
  if (sameLabel(label, kSharedLabel)) {
    sharedText_ = text;
    std::int32_t id = 0;
    if (!readInteger(text, id, ui)) return false;
    // Negative ids name no landing either; they are refused like ids beyond the last one.
    if (id < 0 || id >= landingCount_) {
      ui.message(kNoSuchLanding, MessageIcon::Stop);
      sharedText_ = "0";
      shared_[selected_] = 0;
      return false;
    }
    shared_[selected_] = id;
    return true;
  }
  return false;
}

bool LandingInfoForm::validateOnOk(Ui& ui) {
  float cost = 0.0f;
  std::int32_t id = 0;
  if (!readNumberIn(kLandingConstructionCost.range, costText_, cost, ui)) return false;
  if (!readInteger(sharedText_, id, ui)) return false;
  for (int i = 1; i <= landingCount_; ++i) {
    const std::string loop = loopFrom(shared_, i);
    if (!loop.empty()) {
      ui.message("The ID numbers of tower location sharing form a loop (" + loop +
                     "). Please change one of them.",
                 MessageIcon::Exclamation);
      return false;
    }
  }
  return true;
}

void LandingInfoForm::apply(CSkyrigDoc& doc) const {
  doc.landingConstructionCost = costs_;
  doc.landingSharedTower = shared_;
  for (int i = 1; i <= landingCount_; ++i) {
    const int shared = sharedWith(doc.landingSharedTower, i);
    if (shared > 0) doc.landingConstructionCost[i] = doc.landingConstructionCost[shared];
  }
}

}  // namespace skyrig
