#include "params/FishStreamBufferForm.h"

#include "document/SingleValueTable.h"

namespace skyrig {

FishStreamBufferForm::FishStreamBufferForm()
    : IntegerValueForm(integerFieldSpec(kStreamBufferWidth), kStreamBufferWidth.defaultValue) {}

}  // namespace skyrig
