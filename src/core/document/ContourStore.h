// Traced contour segments, kept so that a redraw needs no tracing: up to 10 segment slots and
// a count per cell. The store (4,900,000 segments) is allocated when contours are first traced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/Grid.h"

namespace skyrig {

inline constexpr int kContourSlotsPerCell = 10;
// The count stops growing here, so later segments of a cell overwrite its last slot.
inline constexpr int kMaxCountedContourSegments = 9;

// One traced segment in the view's drawing coordinates, with its level (m, truncated).
struct ContourSegment {
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  std::int32_t x2 = 0;
  std::int32_t y2 = 0;
  std::int32_t level = 0;
  friend bool operator==(const ContourSegment&, const ContourSegment&) = default;
};

struct ContourStore {
  // -1 after the view's initial update (nothing traced), 0 once tracing has completed.
  std::int32_t tracedMarker = 0;
  std::vector<ContourSegment> segments;  // kGridSlots^2 cells x kContourSlotsPerCell, or empty
  std::vector<std::int16_t> counts;      // per cell, or empty

  bool allocated() const { return !counts.empty(); }
  void allocate() {
    if (allocated()) return;
    const std::size_t cells = static_cast<std::size_t>(kGridSlots) * kGridSlots;
    segments.resize(cells * kContourSlotsPerCell);
    counts.resize(cells);
  }
  static std::size_t cellIndex(int c, int r) {
    return static_cast<std::size_t>(c) * kGridSlots + static_cast<std::size_t>(r);
  }
  std::int16_t& count(int c, int r) { return counts[cellIndex(c, r)]; }
  std::int16_t count(int c, int r) const { return counts[cellIndex(c, r)]; }
  ContourSegment& slot(int c, int r, int k) {
    return segments[cellIndex(c, r) * kContourSlotsPerCell + static_cast<std::size_t>(k)];
  }
  const ContourSegment& slot(int c, int r, int k) const {
    return segments[cellIndex(c, r) * kContourSlotsPerCell + static_cast<std::size_t>(k)];
  }
};

inline void markContoursEmpty(ContourStore& store) { store.tracedMarker = -1; }

}  // namespace skyrig
