// The choker length form (titled "Dialog"): the choker length in metres, 0 to 100, used when
// low-volume timber cells are clumped.
#pragma once

#include "params/IntegerValueForm.h"

namespace skyrig {

class ChokerLengthForm : public IntegerValueForm {
 public:
  explicit ChokerLengthForm(std::uint16_t chokerLength);
  std::uint16_t chokerLength() const { return static_cast<std::uint16_t>(value()); }  // m
};

}  // namespace skyrig
