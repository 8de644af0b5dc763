// Tracing and clumping state of the terrain layer derivations, owned by the map view.
#pragma once

#include <cstdint>
#include <vector>

#include "document/Grid.h"

namespace skyrig {

inline constexpr int kClumpCandidateSlots = 490001;  // entries 1..490000

struct ClumpCandidate {
  std::int32_t col = 0;
  std::int32_t row = 0;
  float key = 0.0f;  // volume as loaded, m3
};

// Lowest and highest corner elevation (m) of a contour cell.
struct CornerRange {
  std::int32_t low = 0;
  std::int32_t high = 0;
};

struct LayersWorkArea {
  // Contour tracing: per-level cell flags and the pen point (drawing coordinates).
  Grid<std::uint8_t> contourVisited;
  Grid<std::uint8_t> contourStart;
  std::int32_t penX = -1;  // -1: no line under way
  std::int32_t penY = 0;
  // Corner ranges row by row (index r * kGridSlots + c), filled when tracing starts; a level
  // strictly inside the range crosses the cell. Allocated on first tracing.
  std::vector<CornerRange> contourCornerRanges;

  // Volume clumping.
  float clumpVolumeThreshold = 0.0f;  // m3: one design payload of cable system 1
  Grid<std::uint8_t> clumpCandidateGrid;
  std::vector<ClumpCandidate> clumpCandidates = std::vector<ClumpCandidate>(kClumpCandidateSlots);
  std::int32_t clumpCandidateCount = 0;
};

}  // namespace skyrig
