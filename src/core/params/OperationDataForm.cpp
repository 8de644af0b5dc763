#include "params/OperationDataForm.h"

#include <array>

#include "params/FieldText.h"

namespace skyrig {

namespace {

struct OperatingField {
  int number;
  const char* label;
  const char* unit;
  const char* group;
};

// In the form's layout order. Load factor (38) is carried and validated but not shown.
constexpr std::array<OperatingField, 23> kShown{{
    {27, "Hook time", "sec/m3", "Operation time"},
    {29, "Unhook time", "sec/m3", "Operation time"},
    {28, "Rigging costs", "$/tree", "Operation time"},
    {30, "Hourly costs for yarding system", "$/hr", "Cost"},
    {31, "Delay time as a percentage of total time", "%", "Cost"},
    {33, "Yarder move-in costs", "$/move", "Cost"},
    {34, "Initial yarder setup", "hours", "Cost"},
    {35, "Cable road change ", "hours", "Cost"},
    {32, "Felling costs", "$/m3", "Cost"},
    {37, "Min. payload per turn", "kg", "Payload"},
    {36, "Max. payload per turn", "kg", "Payload"},
    {24, "Density", "kg/m3", "Payload"},
    {39, "Max. speed with partial suspension", "m/sec", "Inhaul speed"},
    {40, "Max. speed with full suspension", "m/sec", "Inhaul speed"},
    {41, "Avg. outhaul speed", "m/sec", "Outhaul speed"},
    {42, "Lateral yarding speed", "m/sec", "Lateral yarding speed"},
    {26, "Engine power", "hp", "Engine"},
    {25, "Power efficiency", "", "Engine"},
    {44, "0 - 1/3 of LYD", "times", "Lateral yarding cost factors"},
    {45, "1/3 - 2/3 of LYD", "times", "Lateral yarding cost factors"},
    {46, "2/3 - 1 of LYD", "times", "Lateral yarding cost factors"},
    {43, "Multiplier for beyond lateral yarding zone", "times", "Lateral yarding cost factors"},
    {47, "Give up timber parcel if it is farther than ", "m", "Lateral yarding cost factors"},
}};

struct Range {
  int number;
  float low;
  float high;
};

constexpr std::array<Range, 3> kRanges{{
    {31, 0.0f, 100.0f},       // delay, % of total time
    {43, 1.0f, 1000000.0f},   // beyond lateral zone multiplier
    {47, 0.0f, 1000000.0f},   // give-up distance, m
}};

const Range* rangeOf(int number) {
  for (const Range& r : kRanges)
    if (r.number == number) return &r;
  return nullptr;
}

const OperatingField* findShown(const std::string& label) {
  for (const OperatingField& f : kShown)
    if (sameLabel(f.label, label)) return &f;
  return nullptr;
}

}  // namespace

OperationDataForm::OperationDataForm(const CableSystemParams& params) : params_(params) {
  for (int n = kFirstOperatingField; n <= kLastOperatingField; ++n)
    texts_[n - kFirstOperatingField] = formatNumber(*cableSystemFloatField(params_, n));
}

std::vector<FormField> OperationDataForm::fields() const {
  std::vector<FormField> out;
  for (const OperatingField& f : kShown) out.push_back({f.label, f.unit, f.group, FieldKind::Text, {}});
  return out;
}

std::string OperationDataForm::fieldText(const std::string& label) const {
  const OperatingField* f = findShown(label);
  return f ? texts_[f->number - kFirstOperatingField] : std::string();
}

bool OperationDataForm::editField(const std::string& label, const std::string& text, Ui&) {
  const OperatingField* f = findShown(label);
  if (f == nullptr) return false;
  texts_[f->number - kFirstOperatingField] = text;
  return true;
}

bool OperationDataForm::validateOnOk(Ui& ui) {
  CableSystemParams accepted = params_;
  for (int n = kFirstOperatingField; n <= kLastOperatingField; ++n) {
    const std::string& text = texts_[n - kFirstOperatingField];
    float& value = *cableSystemFloatField(accepted, n);
    const Range* range = rangeOf(n);
    const bool ok = range ? readNumberInRange(text, range->low, range->high, value, ui)
                          : readNumber(text, value, ui);
    if (!ok) return false;
  }
  params_ = accepted;
  return true;
}

void copyOperatingFigures(const CableSystemParams& from, CableSystemParams& to) {
  for (int n = kFirstOperatingField; n <= kLastOperatingField; ++n)
    *cableSystemFloatField(to, n) = *cableSystemFloatField(from, n);
}

}  // namespace skyrig
