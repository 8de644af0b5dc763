// A lower bound on every routing's cost that needs only shortest paths: each sale pays at least
// its volume times its least variable-cost distance, and some sale pays in addition the fixed
// costs along its own path; so for any sale k, the sum over the other sales of volume times
// variable distance plus k's least (volume times variable plus fixed) distance is a bound. The
// best k among the largest sales is taken. Valid for costs of 0 or more.
#pragma once

#include <functional>
#include <optional>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

// Nothing when a sale cannot reach its destination or `keepGoing` returned false.
std::optional<double> simpleLowerBound(const FixedChargeProblem& problem,
                                       const std::function<bool()>& keepGoing);

}  // namespace skyrig
