// The point where a timber cell's volume reaches its cable road: the foot of the perpendicular
// from the cell centre to the road's line when it lies on the road and within the maximum
// lateral yarding distance, otherwise the nearer road end (or the foot when it is nearer still).
#pragma once

#include "document/RunWorkArea.h"

namespace skyrig {

enum class FootProjection {
  WithAxisCases,  // a nearly flat line (|slope| < 0.0001) or a vertical one (slope > 100000)
                  // is projected straight across
  General,        // always the perpendicular foot
};

// True when the landing, cable system and road numbers name a road of the tables.
bool isCablewayInTables(int landing, int system, int cableway);

// Cell (col, row) on road `cableway` of `landing`, with the maximum lateral yarding distance
// of `system`; computed in double from the cells' ground coordinates, truncated to whole m.
// The arguments must name a cell of the grid and a road of the tables.
YardingPoint computeYardingPoint(const CSkyrigDoc& doc, int col, int row, int landing,
                                 int system, int cableway, FootProjection projection);

}  // namespace skyrig
