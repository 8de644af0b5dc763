// What a plan is, for its GIS files: which cable road yards each timber cell, the road paths
// from the landings to the exits, and the volume each landing receives. Taken from the result
// lists of the separate run, read from the all-at-once run's path file, or from a plan's
// reports held in memory.
#pragma once

#include <vector>

#include "document/RunWorkArea.h"

namespace skyrig {

struct AppContext;
struct PlanPaths;

struct YardedCell {
  CellPoint cell;
  CableAssignment road;
};

struct PlanSolution {
  std::vector<YardedCell> yarded;
  // Roads of the solution whose cells are not known (a results file read back holds none);
  // the cells served are then those with a yarding point.
  std::vector<CableAssignment> roadsWithoutCells;
  std::vector<std::vector<CellPoint>> roadPaths;  // landing cell first, neighbouring cells
  PerLanding<float> landingVolume{};              // m3 yarded to each landing
  bool empty() const { return yarded.empty() && roadsWithoutCells.empty(); }
};

// The plan the separate run (or Results > File Manager > Open File) left in the view.
PlanSolution separateRunSolution(const AppContext& app);

// The plan of the all-at-once run, read from its path file with the node table of that run's
// network; call it right after the run. Empty when the file cannot be read (message shown).
PlanSolution allAtOnceSolution(AppContext& app);

// A plan as its reports state it (the improved plan held in memory).
PlanSolution planSolutionOf(const CSkyrigDoc& doc, const PlanPaths& paths);

}  // namespace skyrig
