// What the map knows about one cell, for the identify panel: where it is, its elevation and
// volume, its layers and, once a plan is shown, the landing and cable road that yard it and at
// what cost.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "document/RunWorkArea.h"

namespace skyrig {
struct AppContext;
}

namespace skyrig::gui {

// Which cable road of the shown plan yards each cell. The run leaves the cell of every
// assignment; a plan read from a results file has only the yarding points, and a cell then
// goes to the plan's road whose line passes nearest its yarding point.
class PlanCellIndex {
 public:
  void rebuild(const AppContext& app);
  // nullptr when the plan yards no timber from the cell.
  const CableAssignment* at(int c, int r) const;

 private:
  int ncols_ = 0;
  int nrows_ = 0;
  std::vector<CableAssignment> roads_;  // by cell, row by row; landing 0 = none
};

// (label, value) lines; empty off the grid.
std::vector<std::pair<std::string, std::string>> identifyCell(const AppContext& app,
                                                              const PlanCellIndex& plan, int c,
                                                              int r);

}  // namespace skyrig::gui
