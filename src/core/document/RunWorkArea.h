// The planning runs' state held by the map view: the coupling arrays of the separate run and
// the result lists and yarding points that the result drawing fills, the Show commands draw and
// the results file stores.
#pragma once

#include <array>
#include <cstdint>

#include "document/CSkyrigDoc.h"
#include "document/Solution.h"

namespace skyrig {

// Which cable road yards a timber cell of the cable solution.
struct CableAssignment {
  std::int32_t landing = 0;
  std::int32_t system = 0;
  std::int32_t cableway = 0;  // 0..35
  friend bool operator==(const CableAssignment&, const CableAssignment&) = default;
};

// A cell of a road path and the solver's node number it was read as.
struct RoadCell {
  std::int32_t col = 0;
  std::int32_t row = 0;
  std::int32_t node = 0;
  friend bool operator==(const RoadCell&, const RoadCell&) = default;
};

// Ground point (m) where a timber cell's volume reaches its cable road; (0, 0) = none.
struct YardingPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const YardingPoint&, const YardingPoint&) = default;
};

// A 1-based list with a fixed number of slots (entries 1..Slots-1). Appends past the capacity
// are not stored; `dropped` counts them so the caller can say so.
template <typename Entry, int Slots>
struct ResultList {
  static constexpr std::int32_t kCapacity = Slots - 1;

  std::int32_t count = 0;
  std::int32_t dropped = 0;
  std::array<Entry, Slots> entries{};

  void clear() {
    count = 0;
    dropped = 0;
    entries.fill(Entry{});
  }
  bool append(const Entry& entry) {
    if (count >= kCapacity) {
      ++dropped;
      return false;
    }
    entries[static_cast<std::size_t>(++count)] = entry;
    return true;
  }
  const Entry& operator[](int i) const { return entries[static_cast<std::size_t>(i)]; }
  friend bool operator==(const ResultList&, const ResultList&) = default;
};

using CableAssignmentList = ResultList<CableAssignment, 20202>;  // one per timber-cell path
using RoadPathCellList = ResultList<RoadCell, 1000>;             // every node of every road path
using RoadStartCellList = ResultList<RoadCell, 91>;              // first node of every road path
using TimberCellList = ResultList<CellPoint, 20202>;             // (col, row) of a timber cell

struct RunWorkArea {
  // Coupling arrays of the separate run, landings 1..90.
  PerLanding<float> landingVolume{};            // m3 the cable solution brings to the landing
  PerLanding<float> landingRoadVariableCost{};  // $/m3 along the landing's road path
  PerLanding<float> landingRoadFixedShare{};    // $ of road construction charged to the landing

  CableAssignmentList cableAssignments;
  // The timber cell of each cableAssignments entry, at the same index (for the plan's GIS
  // export); empty after a results file was read, as the file does not hold them.
  TimberCellList cableAssignmentCells;
  RoadPathCellList roadPathCells;
  RoadStartCellList roadStartCells;
  Grid<YardingPoint> yardingPoints;

  // The separate run's best cable and road solutions, as its files bestcablepath.txt and
  // bestroadpath.txt hold them: what Network > Improve Plan starts from. Empty before a
  // separate run has finished.
  Solution bestCable;
  Solution bestRoad;
};

}  // namespace skyrig
