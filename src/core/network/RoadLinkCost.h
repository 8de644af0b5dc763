// Cost of a candidate road between two neighbouring cells: hauling over the slope length and
// construction priced by the ground-slope and side-slope classes and the stream crossing.
#pragma once

#include <optional>

#include "document/NetworkTables.h"
#include "document/RoadCostParams.h"

namespace skyrig {

struct RoadLinkCost {
  float variableCost = 0;  // $ per m3 hauled over the link
  float fixedCost = 0;     // $ to build the link
  LinkAttributes attributes;
};

// Elevations (m) of the visited cell, the neighbour and the two cells beside the neighbour
// across the link. No link when the ground slope or the side slope reaches its limit.
std::optional<RoadLinkCost> roadLinkCost(const RoadCostParams& costs, int cellSize, bool diagonal,
                                         int visitedZ, int neighbourZ, int side1Z, int side2Z,
                                         bool neighbourInStreamBuffer);

}  // namespace skyrig
