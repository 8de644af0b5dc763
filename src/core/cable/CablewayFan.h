// The fan of 36 candidate cable roads of one landing: one road every 10 degrees from the
// landing cell to the cell nearest the circle of the maximum yarding distance.
#pragma once

namespace skyrig {

struct CSkyrigDoc;

// Slope and intercept that mark a road parallel to the map's Y axis.
inline constexpr float kVerticalRoadMark = 999999.875f;

// Fills genEndCol, genEndRow, slope and intercept of roads 0..35 of doc.cablewayScratch for a
// landing at cell (col, row) with cable system `system`; the other fields stay as they were.
// The cell must lie inside the grid and the system be 1..5.
void layOutFan(CSkyrigDoc& doc, int col, int row, int system);

}  // namespace skyrig
