// Solve: Prepare, the sale checks, the cost adjustment and the slope-scaling heuristic that
// routes every sale over one path per pass, up to 200 passes, keeping the cheapest solution.
// Deterministic: the same tables and generator state always give the same paths, flows,
// totals and files.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
struct NetworkTables;
struct SolverTables;
class Paths;
class Random;
class Ui;

// True when the heuristic ran; false when Solve returned early (no sales, or a sale whose
// entry or destination is not a node), which writes no path file and no iteration log.
// Afterwards the path file holds the best solution, solver.bestTotal and bestIteration
// describe it and the link flows are its flows.
bool solve(NetworkTables& network, SolverTables& solver, Ui& ui, const Paths& paths,
           Random& random);
bool solve(CSkyrigDoc& doc, Ui& ui, const Paths& paths, Random& random);

}  // namespace skyrig
