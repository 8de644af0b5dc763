#include "params/ContourIntervalForm.h"

#include <utility>

#include "params/FieldText.h"
#include "document/SingleValueTable.h"

namespace skyrig {

namespace {
constexpr const char* kHighest = "Highest Elevation";
constexpr const char* kLowest = "Lowest Elevation";
}  // namespace

ContourIntervalForm::ContourIntervalForm(std::int32_t maxElevation, std::int32_t minElevation,
                                         std::int32_t contourInterval)
    : IntegerValueForm(integerFieldSpec(kContourInterval), contourInterval),
      highest_(formatInteger(maxElevation)),
      lowest_(formatInteger(minElevation)) {}

std::vector<FormField> ContourIntervalForm::fields() const {
  std::vector<FormField> out = {
      {kHighest, "m", "DTM info.", FieldKind::ReadOnly, {}},
      {kLowest, "m", "DTM info.", FieldKind::ReadOnly, {}},
  };
  for (FormField& f : IntegerValueForm::fields()) out.push_back(std::move(f));
  return out;
}

std::string ContourIntervalForm::fieldText(const std::string& label) const {
  if (sameLabel(label, kHighest)) return highest_;
  if (sameLabel(label, kLowest)) return lowest_;
  return IntegerValueForm::fieldText(label);
}

}  // namespace skyrig
