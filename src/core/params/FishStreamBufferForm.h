// The "Fish Stream Buffer" form: the buffer width in metres, 0 to 10000, starting at 0 each
// time it opens. The buffer command stores the accepted value and rebuilds the buffer.
#pragma once

#include "params/IntegerValueForm.h"

namespace skyrig {

class FishStreamBufferForm : public IntegerValueForm {
 public:
  FishStreamBufferForm();
  std::uint16_t width() const { return static_cast<std::uint16_t>(value()); }  // m
};

}  // namespace skyrig
