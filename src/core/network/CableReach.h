// Whether a cable road can yard a timber cell, and from where: the foot point of the cell on
// the road line, the lateral distance, the corridor test, the profile point, the nearer road
// end outside the corridor, the distance factor and the stream-buffer line test. Computed in
// double from the integer coordinates and the widened float line.
#pragma once

#include "document/NearestCell.h"

namespace skyrig {

struct CableReach {
  float factor = -1.0f;  // 1 inside the corridor, beyond-zone multiplier outside, -1 unusable
  double distance = 0;   // lateral distance to the yarding point, m
  int point = 0;         // profile point whose payload and cycle time apply
  double footX = 0;      // yarding point on the road (or the road end taken instead)
  double footY = 0;
  bool insideCorridor = false;
};

// Road `road` of landing `landing` (whose system supplies the parameters) and the cell
// (col, row). The road must have more than 5 and at most 100 profile points.
CableReach cableReach(const CSkyrigDoc& doc, const NearestCellSearch& finder, int landing,
                      int road, int col, int row, bool streamBufferTest);

}  // namespace skyrig
