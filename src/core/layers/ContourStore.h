// Traced contour segments, kept so that a redraw needs no tracing.
#pragma once

#include <cstdint>

namespace skyrig {

struct ContourStore {
  // -1 after the view's initial update (nothing traced), 0 once tracing has completed.
  std::int32_t tracedMarker = 0;
};

inline void markContoursEmpty(ContourStore& store) { store.tracedMarker = -1; }

}  // namespace skyrig
