#include "params/ChokerLengthForm.h"

#include "document/SingleValueTable.h"

namespace skyrig {

ChokerLengthForm::ChokerLengthForm(std::uint16_t chokerLength)
    : IntegerValueForm(integerFieldSpec(kChokerLength), chokerLength) {}

}  // namespace skyrig
