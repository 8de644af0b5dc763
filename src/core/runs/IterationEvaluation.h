// The evaluation of a separate run's pair of solutions at true cost: both networks are rebuilt
// with the landings' own costs (no road costs fed back), the link flows are rebuilt from the
// path files, and the cable and road costs of the used links are summed and written out.
#pragma once

#include <optional>

namespace skyrig {

struct AppContext;
struct Solution;

// Evaluates "e:\thesis\output\cablepath.txt" and "E:\thesis\output\roadpath.txt", draws both
// solutions and writes "E:\thesis\output\T&ResultsSep%d.txt". Returns TotalV + TotalF, or
// nothing when a network could not be built or a file could not be read or written (message
// shown). The coupling arrays' road costs are left as they were.
std::optional<float> evaluateIteration(AppContext& app, int iteration, bool cancelled,
                                       const Solution& cable, const Solution& road);

// The same on the best iteration's path copies, with the cable and road reports, writing
// "E:\thesis\output\T&ResultsSepFinal.txt".
std::optional<float> evaluateBestIteration(AppContext& app, int bestIteration, bool cancelled,
                                           const Solution& cable, const Solution& road);

}  // namespace skyrig
