// One solve of a planning run: names the solver's files, clears the stale path file, solves,
// and leaves the cancel note in the iteration log of a solve cut short.
#pragma once

#include <string_view>

namespace skyrig {

struct AppContext;
class RunProgress;

// False when Solve returned without solving or could not write the path file (the solver's
// messages were shown): the run must not read a path file then. The path file is removed before the solve so that a path file that cannot
// be written is never replaced by an earlier run's.
bool solveNetwork(AppContext& app, RunProgress& progress, std::string_view pathFile,
                  std::string_view iterationLog);

// Redraws the terrain map under a drawn solution.
void redrawMap(AppContext& app);

}  // namespace skyrig
