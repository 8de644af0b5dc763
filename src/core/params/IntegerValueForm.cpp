#include "params/IntegerValueForm.h"

#include <utility>

#include "params/FieldText.h"
#include "document/SingleValueTable.h"

namespace skyrig {

IntegerFieldSpec integerFieldSpec(const SingleValue& value) {
  return {value.title, value.label, value.unit, value.note, value.low, value.high};
}

IntegerValueForm::IntegerValueForm(IntegerFieldSpec spec, std::int32_t preset)
    : spec_(std::move(spec)), value_(preset), text_(formatInteger(preset)) {}

std::vector<FormField> IntegerValueForm::fields() const {
  return {{spec_.label, spec_.unit, "", FieldKind::Text, {}}};
}

std::string IntegerValueForm::fieldText(const std::string& label) const {
  return sameLabel(label, spec_.label) ? text_ : std::string();
}

bool IntegerValueForm::editField(const std::string& label, const std::string& text, Ui&) {
  if (!sameLabel(label, spec_.label)) return false;
  text_ = text;
  return true;
}

bool IntegerValueForm::validateOnOk(Ui& ui) {
  return readIntegerInRange(text_, spec_.low, spec_.high, value_, ui);
}

}  // namespace skyrig
