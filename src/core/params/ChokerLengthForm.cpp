#include "params/ChokerLengthForm.h"

namespace skyrig {

ChokerLengthForm::ChokerLengthForm(std::uint16_t chokerLength)
    : IntegerValueForm({"Dialog", "Choker length", "m",
                        "This number will be used in clumping volume cells which have less "
                        "timber volume than a design payload.",
                        0, 100},
                       chokerLength) {}

}  // namespace skyrig
