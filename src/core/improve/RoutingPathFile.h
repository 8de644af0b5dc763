// Writes a routing in the solver's path file layout (0, the sale count, per sale its number,
// volume, node count and node numbers entry first, then the variable, fixed and total cost), so
// every reader of the network's path files reads it as it reads the heuristic's.
#pragma once

#include <string_view>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

class Paths;
class SaleTable;
class Ui;

// False (after one message naming the file) when the file cannot be created.
bool writeRoutingPathFile(const Paths& paths, Ui& ui, std::string_view systemPath,
                          const SaleTable& sales, const FixedChargeProblem& problem,
                          const LinkRouting& routing);

}  // namespace skyrig
