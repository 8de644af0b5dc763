#include "params/FishStreamBufferForm.h"

namespace skyrig {

FishStreamBufferForm::FishStreamBufferForm()
    : IntegerValueForm({"Fish Stream Buffer", "Fish Stream Buffer", "m",
                        "Fish Stream Buffer Width = Odd number * DTM grid cell size", 0, 10000},
                       0) {}

}  // namespace skyrig
