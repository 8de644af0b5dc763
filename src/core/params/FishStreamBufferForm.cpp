#include "params/FishStreamBufferForm.h"

#include "params/SingleValueTable.h"

namespace skyrig {

FishStreamBufferForm::FishStreamBufferForm()
    : IntegerValueForm(integerFieldSpec(kStreamBufferWidth), kStreamBufferWidth.defaultValue) {}

}  // namespace skyrig
