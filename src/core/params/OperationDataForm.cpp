#include "params/OperationDataForm.h"

#include "document/CableSystemTable.h"
#include "params/FieldText.h"

namespace skyrig {

namespace {

const CableParameter* findShown(const std::string& label) {
  for (const CableParameter& f : cableParameters())
    if (f.form == CableForm::OperationData && sameLabel(f.label, label)) return &f;
  return nullptr;
}

}  // namespace

OperationDataForm::OperationDataForm(const CableSystemParams& params) : params_(params) {
  for (int n = kFirstOperatingField; n <= kLastOperatingField; ++n)
    texts_[n - kFirstOperatingField] = formatNumber(*cableSystemFloatField(params_, n));
}

std::vector<FormField> OperationDataForm::fields() const {
  std::vector<FormField> out;
  for (const CableParameter& f : cableParameters())
    if (f.form == CableForm::OperationData)
      out.push_back({f.label, f.unit, f.group, FieldKind::Text, {}});
  return out;
}

std::string OperationDataForm::fieldText(const std::string& label) const {
  const CableParameter* f = findShown(label);
  return f ? texts_[f->number - kFirstOperatingField] : std::string();
}

bool OperationDataForm::editField(const std::string& label, const std::string& text, Ui&) {
  const CableParameter* f = findShown(label);
  if (f == nullptr) return false;
  texts_[f->number - kFirstOperatingField] = text;
  return true;
}

bool OperationDataForm::validateOnOk(Ui& ui) {
  CableSystemParams accepted = params_;
  for (int n = kFirstOperatingField; n <= kLastOperatingField; ++n) {
    const std::string& text = texts_[n - kFirstOperatingField];
    if (!readNumberIn(cableParameter(n)->range, text, *cableSystemFloatField(accepted, n), ui))
      return false;
  }
  params_ = accepted;
  return true;
}

void copyOperatingFigures(const CableSystemParams& from, CableSystemParams& to) {
  for (int n = kFirstOperatingField; n <= kLastOperatingField; ++n)
    *cableSystemFloatField(to, n) = *cableSystemFloatField(from, n);
}

}  // namespace skyrig
