// A form that asks for one integer within a range, validated on OK: the base of the
// single-value forms (stream buffer width, choker length, contour interval).
#pragma once

#include <cstdint>
#include <string>

#include "seams/FormModel.h"

namespace skyrig {

struct IntegerFieldSpec {
  std::string title;
  std::string label;
  std::string unit;
  std::string note;
  std::int32_t low = 0;
  std::int32_t high = 0;
};

struct SingleValue;
IntegerFieldSpec integerFieldSpec(const SingleValue& value);

class IntegerValueForm : public FormModel {
 public:
  IntegerValueForm(IntegerFieldSpec spec, std::int32_t preset);

  std::string title() const override { return spec_.title; }
  std::vector<FormField> fields() const override;
  std::string note() const override { return spec_.note; }
  std::string fieldText(const std::string& label) const override;
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  // The text must be an integer within the range ("Please enter an integer between %1 and %2.").
  bool validateOnOk(Ui& ui) override;

  // The value accepted by the last successful OK; the preset before that.
  std::int32_t value() const { return value_; }

 private:
  IntegerFieldSpec spec_;
  std::int32_t value_;
  std::string text_;
};

}  // namespace skyrig
