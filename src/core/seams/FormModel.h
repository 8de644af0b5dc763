// FormModel: the state of one modal form (its copies, events, validation and OK/Cancel
// effects), independent of any widget toolkit. The GUI binds widgets to it; the headless
// runner and the tests set its fields by label.
#pragma once

#include <string>
#include <vector>

namespace skyrig {

class Ui;

enum class FieldKind { Text, CheckBox, Selector, ReadOnly };

struct FormField {
  std::string label;   // as the form shows it; the runner names fields by this
  std::string unit;    // shown beside the field ("m", "kg"), may be empty
  std::string group;   // group box title, may be empty
  FieldKind kind = FieldKind::Text;
  std::vector<std::string> choices;  // selector entries
};

class FormModel {
 public:
  virtual ~FormModel() = default;

  virtual std::string title() const = 0;
  virtual std::vector<FormField> fields() const = 0;
  // Explanatory text the form shows beside its fields; may be empty.
  virtual std::string note() const { return {}; }
  virtual std::string fieldText(const std::string& label) const = 0;

  // The edit event of one field: the user typed, ticked or chose `text`. Validation messages
  // go through `ui`. Returns false when the label is unknown or the value was refused.
  virtual bool editField(const std::string& label, const std::string& text, Ui& ui) = 0;

  // A button of the form other than OK and Cancel ("Input more operation data", ...).
  virtual std::vector<std::string> buttons() const { return {}; }
  virtual bool pressButton(const std::string& /*button*/, Ui& /*ui*/) { return false; }

  // OK pressed: validates; false keeps the form open. The owner applies the effects after.
  virtual bool validateOnOk(Ui& /*ui*/) { return true; }
};

}  // namespace skyrig
