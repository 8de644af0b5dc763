#include "params/ChokerLengthForm.h"

#include "params/SingleValueTable.h"

namespace skyrig {

ChokerLengthForm::ChokerLengthForm(std::uint16_t chokerLength)
    : IntegerValueForm(integerFieldSpec(kChokerLength), chokerLength) {}

}  // namespace skyrig
