// Trial evaluation of a landing position, for the drag placement of a landing: lays out and
// analyses the fan of cable roads of a landing at a candidate cell in the trial landing slot
// (landing 0) and scores the cell by how far its roads reach into the harvest unit.
#pragma once

namespace skyrig {

struct AppContext;

// Score of a landing at cell (col, row) with cable system `system` (1..5): the sum over the 36
// roads of the squared horizontal distance (m2) from the landing to the farthest point of the
// road that lies inside the harvest unit (unitCellFlags = 1), counting roads that reach the
// unit beyond their second point. Each road is analysed at the system's minimum tail spar
// height and shortened from the tail while infeasible, and drawn (width 10) grey when it
// stays infeasible, light blue otherwise.
//
// Uses and overwrites landing slot 0 (its landing record, cable road table and result rows),
// doc.cablewayScratch and the view's cable work area; changes nothing else of the document.
// Returns 0 when the cell lies outside the grid or the system is not 1..5 (nothing changed).
float evaluateLandingPosition(AppContext& app, int col, int row, int system);

}  // namespace skyrig
