// Drawing of solutions and of the view's result lists: the cable and road solutions, in memory
// or read from a path file (which also fill the result lists and yarding points), the Show
// commands of the Results menu, the harvest unit frame and clearing, and the all-at-once
// solution.
#pragma once

#include "runs/Routing.h"

namespace skyrig {

struct AppContext;

// Fills cableAssignments and the yarding points from the routing and draws the timber cells,
// their yarding lines and their cable roads; unreachable cells (volume -1.0) in red.
void drawCableResult(AppContext& app, const Routing& routing);
// Fills roadPathCells and roadStartCells from the routing and draws the road cells.
void drawRoadResult(AppContext& app, const Routing& routing);

void showCableways(AppContext& app);
void showLandings(AppContext& app);
void showRoads(AppContext& app);
void showTimberCells(AppContext& app);
// Show Timber Cells, Show Roads, Show Landings, Show Cableways, in this order.
void showAllResults(AppContext& app);
void clearHarvestUnit(AppContext& app);
// The frame through the centres of cells (1, 1), (100, 1), (100, 100) and (1, 100).
void drawHarvestingUnit(AppContext& app);

// Whitens the grid and draws the all-at-once solution (the one in memory, else the path file
// "E:\thesis\output\allpath.txt"):
// road cells in green, and for each timber cell a line to its yarding point and on to the
// landing. The result lists are not touched.
void drawAllAtOnceResult(AppContext& app, const Solution* solution = nullptr);

}  // namespace skyrig
