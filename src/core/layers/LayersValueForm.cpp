#include "layers/LayersValueForm.h"

#include <charconv>

#include "app/Ui.h"

namespace skyrig {

namespace {

bool parseInteger(const std::string& text, int& value) {
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return false;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  const auto [ptr, error] = std::from_chars(begin, end, value);
  return error == std::errc() && ptr == end;
}

}  // namespace

LayersValueForm::LayersValueForm(std::string title, std::string label, int value, int minimum,
                                 int maximum, std::string note, std::string shownGroup,
                                 std::vector<Shown> shown)
    : title_(std::move(title)),
      label_(std::move(label)),
      text_(std::to_string(value)),
      value_(value),
      minimum_(minimum),
      maximum_(maximum),
      note_(std::move(note)),
      shownGroup_(std::move(shownGroup)),
      shown_(std::move(shown)) {}

std::vector<FormField> LayersValueForm::fields() const {
  std::vector<FormField> out;
  for (const Shown& s : shown_) out.push_back({s.label, "m", shownGroup_, FieldKind::ReadOnly, {}});
  out.push_back({label_, "m", "", FieldKind::Text, {}});
  out.push_back({note_, "", "", FieldKind::ReadOnly, {}});
  return out;
}

std::string LayersValueForm::fieldText(const std::string& label) const {
  if (label == label_) return text_;
  for (const Shown& s : shown_)
    if (s.label == label) return s.text;
  return {};
}

bool LayersValueForm::editField(const std::string& label, const std::string& text, Ui&) {
  if (label != label_) return false;
  text_ = text;
  return true;
}

bool LayersValueForm::validateOnOk(Ui& ui) {
  int value = 0;
  if (!parseInteger(text_, value)) {
    ui.message("Please enter an integer.", MessageIcon::Exclamation);
    return false;
  }
  if (value < minimum_ || value > maximum_) {
    ui.message("Please enter an integer between " + std::to_string(minimum_) + " and " +
                   std::to_string(maximum_) + ".",
               MessageIcon::Exclamation);
    return false;
  }
  value_ = value;
  return true;
}

LayersValueForm fishStreamBufferForm() {
  return {"Fish Stream Buffer", "Fish Stream Buffer", 0, 0, 10000,
          "Fish Stream Buffer Width = Odd number * DTM grid cell size"};
}

LayersValueForm chokerLengthForm(int chokerLength) {
  return {"Dialog", "Choker length", chokerLength, 0, 100,
          "This number will be used in clumping volume cells which have less timber volume "
          "than a design payload."};
}

LayersValueForm contourIntervalForm(int interval, int highestElevation, int lowestElevation) {
  // An interval below 1 m would leave the number of levels undefined.
  return {"Generating Contour Lines",
          "Contour interval",
          interval,
          1,
          1000,
          "Generating contour lines from your DTM may take a few minitues.",
          "DTM info.",
          {{"Highest Elevation", std::to_string(highestElevation)},
           {"Lowest Elevation", std::to_string(lowestElevation)}}};
}

}  // namespace skyrig
