#include "document/CableWorkArea.h"

#include "document/CSkyrigDoc.h"

namespace skyrig {

static_assert(kProfilePointSlots == kProfileSlots);
static_assert(kMaxProfileCount == kMaxProfilePoints);

CableWorkArea::CableWorkArea() : suspension(kProfilePointSlots) {}

}  // namespace skyrig
