#include "params/RoadCostsForm.h"

#include "params/FieldText.h"

namespace skyrig {

namespace {

const RoadCostParameter* findField(const std::string& label) {
  for (const RoadCostParameter& f : roadCostParameters())
    if (sameLabel(f.label, label)) return &f;
  return nullptr;
}

}  // namespace

RoadCostsForm::RoadCostsForm(const RoadCostParams& costs) : costs_(costs) {
  for (int n = 0; n < kRoadCostFieldCount; ++n) texts_[n] = formatNumber(roadCostField(costs_, n));
}

std::vector<FormField> RoadCostsForm::fields() const {
  std::vector<FormField> out;
  for (const RoadCostParameter& f : roadCostParameters())
    out.push_back({f.label, f.unit, f.group, FieldKind::Text, {}});
  return out;
}

std::string RoadCostsForm::fieldText(const std::string& label) const {
  const RoadCostParameter* f = findField(label);
  return f ? texts_[f->number] : std::string();
}

bool RoadCostsForm::editField(const std::string& label, const std::string& text, Ui&) {
  const RoadCostParameter* f = findField(label);
  if (f == nullptr) return false;
  texts_[f->number] = text;
  return true;
}

bool RoadCostsForm::validateOnOk(Ui& ui) {
  RoadCostParams accepted = costs_;
  for (int n = 0; n < kRoadCostFieldCount; ++n) {
    if (!readNumberIn(roadCostParameter(n).range, texts_[n], roadCostField(accepted, n), ui))
      return false;
  }
  costs_ = accepted;
  return true;
}

}  // namespace skyrig
