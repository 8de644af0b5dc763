// Solve: Prepare, the sale checks, the cost adjustment and the slope-scaling heuristic that
// routes every sale over one path per pass, up to 200 passes, keeping the cheapest solution.
// Deterministic: the same tables and generator state always give the same paths, flows,
// totals and files.
#pragma once

#include <optional>

#include "document/Solution.h"

namespace skyrig {

struct CSkyrigDoc;
struct NetworkTables;
struct SolverTables;
class Paths;
class Random;
class Ui;

// The best solution when the heuristic ran; nothing when Solve returned early (no sales, or a
// sale whose entry or destination is not a node), which writes no path file and no iteration
// log. Afterwards the path file holds the same solution, solver.bestTotal and bestIteration
// describe it and solver.linkFlow holds its flows.
std::optional<Solution> solve(NetworkTables& network, SolverTables& solver, Ui& ui,
                              const Paths& paths, Random& random);
std::optional<Solution> solve(CSkyrigDoc& doc, Ui& ui, const Paths& paths, Random& random);

}  // namespace skyrig
