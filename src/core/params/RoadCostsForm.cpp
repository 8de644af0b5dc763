#include "params/RoadCostsForm.h"

#include "params/FieldText.h"

namespace skyrig {

namespace {

constexpr int kStreamCrossingField = 18;
constexpr float kStreamCrossingLow = 1.0f;
constexpr float kStreamCrossingHigh = 10000000.0f;

constexpr const char* kPrimary = "Primary Road Costs";
constexpr const char* kGrade = "Ground slope in the direction of road";
constexpr const char* kSide = "Side slope";

struct RoadField {
  int number;
  const char* label;
  const char* unit;
  const char* group;
};

// In the form's layout order. The form shows "Limit" under both slope columns; the labels
// name the column so that each field has its own.
constexpr std::array<RoadField, kRoadCostFieldCount> kRoadFields{{
    {0, "Hauling costs", "$/m3-km", kPrimary},
    {8, "Construction costs", "$/km", kPrimary},
    {1, "0% - 5%", "", kGrade},
    {2, "5% - 10%", "", kGrade},
    {3, "10% - 15%", "", kGrade},
    {4, "15% - 20%", "", kGrade},
    {5, "20% - 25%", "", kGrade},
    {6, "25% - 30%", "", kGrade},
    {7, "> 30%", "", kGrade},
    {16, "Ground slope limit", "", kGrade},
    {9, "0% - 15%", "", kSide},
    {10, "15% - 30%", "", kSide},
    {11, "30% - 45%", "", kSide},
    {12, "45% - 60%", "", kSide},
    {13, "60% - 75%", "", kSide},
    {14, "75% - 90%", "", kSide},
    {15, "> 90%", "", kSide},
    {17, "Side slope limit", "", kSide},
    {18, "Multiplier for road cells on stream buffer", "", "Stream Crossing"},
}};

const RoadField* findField(const std::string& label) {
  for (const RoadField& f : kRoadFields)
    if (sameLabel(f.label, label)) return &f;
  return nullptr;
}

}  // namespace

float& roadCostField(RoadCostParams& costs, int number) {
  if (number == 0) return costs.haulingCost;
  if (number <= 7) return costs.gradeMultiplier[number - 1];
  if (number == 8) return costs.constructionCost;
  if (number <= 15) return costs.sideSlopeMultiplier[number - 9];
  if (number == 16) return costs.gradeLimit;
  if (number == 17) return costs.sideSlopeLimit;
  return costs.streamCrossingMultiplier;
}

RoadCostsForm::RoadCostsForm(const RoadCostParams& costs) : costs_(costs) {
  for (int n = 0; n < kRoadCostFieldCount; ++n) texts_[n] = formatNumber(roadCostField(costs_, n));
}

std::vector<FormField> RoadCostsForm::fields() const {
  std::vector<FormField> out;
  for (const RoadField& f : kRoadFields) out.push_back({f.label, f.unit, f.group, FieldKind::Text, {}});
  return out;
}

std::string RoadCostsForm::fieldText(const std::string& label) const {
  const RoadField* f = findField(label);
  return f ? texts_[f->number] : std::string();
}

bool RoadCostsForm::editField(const std::string& label, const std::string& text, Ui&) {
  const RoadField* f = findField(label);
  if (f == nullptr) return false;
  texts_[f->number] = text;
  return true;
}

bool RoadCostsForm::validateOnOk(Ui& ui) {
  RoadCostParams accepted = costs_;
  for (int n = 0; n < kRoadCostFieldCount; ++n) {
    float& value = roadCostField(accepted, n);
    const bool ok = n == kStreamCrossingField
                        ? readNumberInRange(texts_[n], kStreamCrossingLow, kStreamCrossingHigh, value, ui)
                        : readNumber(texts_[n], value, ui);
    if (!ok) return false;
  }
  costs_ = accepted;
  return true;
}

}  // namespace skyrig
