#include "cable/ProfileCheckOpening.h"

namespace skyrig {

void openProfileCheck(AppContext& /*app*/, int /*landing*/, int /*system*/, int /*road*/) {}

}  // namespace skyrig
