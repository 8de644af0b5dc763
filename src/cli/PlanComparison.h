// The specified plan (the separate run's) and the improved plan side by side, with the lower
// bound on every plan, each plan's gap to it and the time each took.
#pragma once

#include <string>

#include "runs/PlanImprovement.h"

namespace skyrig::cli {

std::string formatPlanComparison(const PlanImprovement& plan, double specifiedSeconds);

}  // namespace skyrig::cli
