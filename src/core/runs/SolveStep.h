// One solve of a planning run: names the solver's files, solves, and leaves the cancel note in
// the iteration log of a solve cut short.
#pragma once

#include <optional>
#include <string_view>

#include "document/Solution.h"

namespace skyrig {

struct AppContext;
class RunProgress;

// The solver's solution; nothing when Solve returned without solving or could not write the
// path file (the solver's messages were shown): the run stops then, as the file is one of its
// outputs. A path file is replaced only once the solver has written it whole.
std::optional<Solution> solveNetwork(AppContext& app, RunProgress& progress,
                                     std::string_view pathFile, std::string_view iterationLog);

// Redraws the terrain map under a drawn solution.
void redrawMap(AppContext& app);

}  // namespace skyrig
