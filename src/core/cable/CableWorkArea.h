// Working arrays of the cable road analyses (profile points, span lists, condition flags),
// owned by the map view.
#pragma once

namespace skyrig {

struct CableWorkArea {};

}  // namespace skyrig
