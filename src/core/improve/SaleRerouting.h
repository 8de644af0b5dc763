// Local improvement of a routing: each sale in turn (largest volume first) is taken off its
// path and put on the cheapest path given the others, where a link costs its variable cost
// times the sale's volume plus its fixed cost unless another sale already pays it. Repeats
// until a round changes nothing or time runs out. The cost never rises.
#pragma once

#include <functional>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

// Improves `routing` (complete) in place; returns the number of sales moved.
int rerouteSales(const FixedChargeProblem& problem, LinkRouting& routing,
                 const std::function<bool()>& keepGoing);

// Routes every sale on its cheapest path over the links allowed (all when `allowed` is empty),
// pricing each link at its variable cost times the sale's volume plus its fixed cost if no
// earlier sale opened it. False when a sale cannot reach its destination that way.
bool routeOverLinks(const FixedChargeProblem& problem, const std::vector<std::uint8_t>& allowed,
                    LinkRouting& routing);

}  // namespace skyrig
