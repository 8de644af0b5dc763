#include "params/CableSystemForm.h"

#include <algorithm>

#include "document/CSkyrigDoc.h"
#include "params/FieldText.h"
#include "params/OperationDataForm.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

constexpr const char* kSelectorLabel = "Cable system";
constexpr const char* kNameLabel = "Name";
constexpr const char* kOperationButton = "Input more operation data";
constexpr int kMaxIntSupportsField = 22;
constexpr std::int32_t kMaxIntSupportsLimit = 20;

struct CableField {
  int number;
  const char* label;
  const char* unit;
  const char* group;
};

// In the form's layout order.
constexpr std::array<CableField, kCableFieldCount> kCableFields{{
    {0, "Max. yarding distance", "m", "General"},
    {1, "Max. lateral yarding dist.", "m", "General"},
    {2, "Tower height", "m", "General"},
    {3, "Int. support height", "m", "General"},
    {4, "Max. spar tree height", "m", "General"},
    {5, "Min. spar tree height", "m", "General"},
    {6, "Max. skyline tension", "kg", "Cable"},
    {7, "Max. mainline tension", "kg", "Cable"},
    {8, "SKL unit weight", "kg/m", "Cable"},
    {9, "MNL unit weight", "kg/m", "Cable"},
    {10, "HBL unit weight", "kg/m", "Cable"},
    {11, "Carriage weight", "kg", "Carriage"},
    {13, "Carriage depth", "m", "Carriage"},
    {12, "Effective choker length", "m", "Log"},
    {14, "Log length", "m", "Log"},
    {15, "Log diameter", "m", "Log"},
    {16, "Log-to-ground angle", "rad.", "Log"},
    {17, "Coeff. of friction on ground", "", "Log"},
    {18, "Clearance from the ground", "m", "Payload Analyses"},
    {19, "Allowable deflection", "", "Payload Analyses"},
    {20, "Slope limit without HBL", "%", "Payload Analyses"},
    {21, "Max. slope change (INT)", "%", "Payload Analyses"},
    {22, "Max. # of INT. support", "", "Payload Analyses"},
}};

struct CheckBox {
  const char* label;
  std::uint8_t CableSystemParams::*flag;
};

constexpr std::array<CheckBox, 3> kCheckBoxes{{
    {"English units", &CableSystemParams::englishUnits},
    {"Haulbackline", &CableSystemParams::haulbackLine},
    {"Downhill available", &CableSystemParams::downhillAvailable},
}};

const CableField* findField(const std::string& label) {
  for (const CableField& f : kCableFields)
    if (sameLabel(f.label, label)) return &f;
  return nullptr;
}

const CheckBox* findCheckBox(const std::string& label) {
  for (const CheckBox& b : kCheckBoxes)
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
  if (number == kMaxIntSupportsField)
    return readIntegerInRange(text, 0, kMaxIntSupportsLimit, params.maxIntSupports, ui);
  return readNumber(text, *cableSystemFloatField(params, number), ui);
}

}  // namespace

CableSystemForm::CableSystemForm(const CableSystemSets& sets, int currentSystem) : sets_(sets) {
  for (int s = 1; s <= kCableSystemCount; ++s) sets_[s].parametersChanged = 0;
  selected_ = (currentSystem < 1 || currentSystem > kCableSystemCount) ? 1 : currentSystem;
  showSelected();
}

void CableSystemForm::showSelected() {
  const CableSystemParams& p = sets_[selected_];
  for (int n = 0; n < kCableFieldCount; ++n)
    texts_[n] = n == kMaxIntSupportsField ? formatInteger(p.maxIntSupports)
                                          : formatNumber(*cableSystemFloatField(p, n));
  nameText_ = p.name;
}

std::vector<FormField> CableSystemForm::fields() const {
  std::vector<FormField> out;
  out.push_back({kSelectorLabel, "", "Cable system", FieldKind::Selector,
                 numberedChoices(1, kCableSystemCount)});
  out.push_back({kNameLabel, "", "Cable system", FieldKind::Text, {}});
  for (const CableField& f : kCableFields) out.push_back({f.label, f.unit, f.group, FieldKind::Text, {}});
  for (const CheckBox& b : kCheckBoxes)
    out.push_back({b.label, "", "Other options", FieldKind::CheckBox, {}});
  return out;
}

std::string CableSystemForm::fieldText(const std::string& label) const {
  if (sameLabel(label, kSelectorLabel)) return formatInteger(selected_);
  if (sameLabel(label, kNameLabel)) return nameText_;
  if (const CableField* f = findField(label)) return texts_[f->number];
  if (const CheckBox* b = findCheckBox(label)) return sets_[selected_].*(b->flag) ? "1" : "0";
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
  if (sameLabel(label, kNameLabel)) {
    nameText_ = text;
    if (!checkMaxChars(text, kMaxCableSystemName, ui)) return false;
    set.name = withoutBlanks(text);
    return true;
  }
  if (const CableField* f = findField(label)) {
    texts_[f->number] = text;
    if (!readCableField(f->number, text, set, ui)) return false;
    set.parametersChanged = 1;
    return true;
  }
  if (const CheckBox* b = findCheckBox(label)) {
    const std::optional<bool> checked = parseCheckText(text);
    if (!checked) return false;
    set.*(b->flag) = *checked ? 1 : 0;
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
