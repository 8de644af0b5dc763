#include "params/CableSystemForm.h"

#include <algorithm>

#include "document/CSkyrigDoc.h"
#include "params/FieldText.h"
#include "params/OperationDataForm.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

constexpr const char* kSelectorLabel = "Cable system";
constexpr const char* kOperationButton = "Input more operation data";

const CableParameter* findField(const std::string& label) {
  for (const CableParameter& f : cableParameters())
    if (f.form == CableForm::CableSystem && sameLabel(f.label, label)) return &f;
  return nullptr;
}

const CableFlag* findCheckBox(const std::string& label) {
  for (const CableFlag& b : cableFlags())
    if (sameLabel(b.label, label)) return &b;
  return nullptr;
}

std::string withoutBlanks(const std::string& text) {
  std::string out;
  for (char ch : text)
    if (ch != ' ') out += ch;
  return out;
}

// Reads one of fields 0..22 from its text into `params`.
bool readCableField(int number, const std::string& text, CableSystemParams& params, Ui& ui) {
  const CableParameter& f = *cableParameter(number);
  if (f.kind == ParameterKind::Integer)
    return readIntegerInRange(text, static_cast<std::int32_t>(f.range.low),
                              static_cast<std::int32_t>(f.range.high), params.maxIntSupports, ui);
  return readNumberIn(f.range, text, params.*f.member, ui);
}

}  // namespace

CableSystemForm::CableSystemForm(const CableSystemSets& sets, int currentSystem) : sets_(sets) {
  for (int s = 1; s <= kCableSystemCount; ++s) sets_[s].parametersChanged = 0;
  selected_ = (currentSystem < 1 || currentSystem > kCableSystemCount) ? 1 : currentSystem;
  showSelected();
}

void CableSystemForm::showSelected() {
  const CableSystemParams& p = sets_[selected_];
  for (int n = 0; n < kCableFieldCount; ++n) {
    const float* value = cableSystemFloatField(p, n);
    texts_[n] = value ? formatNumber(*value) : formatInteger(p.maxIntSupports);
  }
  nameText_ = p.name;
}

std::vector<FormField> CableSystemForm::fields() const {
  std::vector<FormField> out;
  out.push_back({kSelectorLabel, "", "Cable system", FieldKind::Selector,
                 numberedChoices(1, kCableSystemCount)});
  out.push_back({kCableSystemNameLabel, "", "Cable system", FieldKind::Text, {}});
  for (const CableParameter& f : cableParameters())
    if (f.form == CableForm::CableSystem)
      out.push_back({f.label, f.unit, f.group, FieldKind::Text, {}});
  for (const CableFlag& b : cableFlags())
    out.push_back({b.label, "", kCableFlagsGroup, FieldKind::CheckBox, {}});
  return out;
}

std::string CableSystemForm::fieldText(const std::string& label) const {
  if (sameLabel(label, kSelectorLabel)) return formatInteger(selected_);
  if (sameLabel(label, kCableSystemNameLabel)) return nameText_;
  if (const CableParameter* f = findField(label)) return texts_[f->number];
  if (const CableFlag* b = findCheckBox(label)) return sets_[selected_].*(b->member) ? "1" : "0";
  return {};
}

bool CableSystemForm::readForm(Ui& ui) const {
  CableSystemParams scratch = sets_[selected_];
  for (int n = 0; n < kCableFieldCount; ++n)
    if (!readCableField(n, texts_[n], scratch, ui)) return false;
  return checkMaxChars(nameText_, kMaxCableSystemName, ui);
}

bool CableSystemForm::editField(const std::string& label, const std::string& text, Ui& ui) {
  if (sameLabel(label, kSelectorLabel)) {
    std::int32_t chosen = 0;
    if (!readIntegerInRange(text, 1, kCableSystemCount, chosen, ui)) return false;
    if (chosen == selected_) return true;
    if (!readForm(ui)) return false;
    selected_ = chosen;
    showSelected();
    return true;
  }
  CableSystemParams& set = sets_[selected_];
  if (sameLabel(label, kCableSystemNameLabel)) {
    nameText_ = text;
    if (!checkMaxChars(text, kMaxCableSystemName, ui)) return false;
    set.name = withoutBlanks(text);
    return true;
  }
  if (const CableParameter* f = findField(label)) {
    texts_[f->number] = text;
    if (!readCableField(f->number, text, set, ui)) return false;
    set.parametersChanged = 1;
    return true;
  }
  if (const CableFlag* b = findCheckBox(label)) {
    const std::optional<bool> checked = parseCheckText(text);
    if (!checked) return false;
    set.*(b->member) = *checked ? 1 : 0;
    set.parametersChanged = 1;
    return true;
  }
  return false;
}

std::vector<std::string> CableSystemForm::buttons() const { return {kOperationButton}; }

bool CableSystemForm::pressButton(const std::string& button, Ui& ui) {
  if (!sameLabel(button, kOperationButton)) return false;
  OperationDataForm form(sets_[selected_]);
  if (ui.runForm(form) == FormResult::Ok) {
    copyOperatingFigures(form.params(), sets_[selected_]);
    sets_[selected_].parametersChanged = 1;
  }
  return true;
}

bool CableSystemForm::validateOnOk(Ui& ui) { return readForm(ui); }

void CableSystemForm::apply(CSkyrigDoc& doc) const {
  for (int s = 1; s <= kCableSystemCount; ++s) doc.cableSystems[s] = sets_[s];
  doc.currentCableSystem = selected_;
  const int count = std::clamp(doc.landingCount, 0, kMaxLandings);
  for (int i = 1; i <= count; ++i) {
    const int s = doc.landings[i].system;
    if (s >= 1 && s <= kCableSystemCount && sets_[s].parametersChanged == 1)
      doc.landingAnalysed[i] = 0;
  }
}

}  // namespace skyrig
