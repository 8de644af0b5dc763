// A lower bound on the total cost of every plan of cable yarding and road transport together.
// Any plan's road network joins the landings it uses (a set A) to the exits, so its road
// construction costs at least F(A), the least fixed cost of a road tree from A to the exits,
// and each cubic metre leaving landing l pays at least d(l), the least hauling cost from l to
// an exit. So every plan costs at least its cable cost with d(l) per cubic metre leaving each
// landing, plus F(A). The bound minimises that over all cable routings and landing sets at
// once: the cable path-choice model with one binary per landing set, which must contain every
// landing used. CBC's proven bound of this model is the plan bound.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

struct PlanBoundInput {
  // The cable network, its links out of landings to the sink costed d(l) per unit and the
  // landing's construction cost fixed.
  FixedChargeProblem cable;
  std::vector<std::int32_t> landingLinks;      // cable links out of the landings with roads
  std::vector<double> landingSetFixedCost;     // F per set of them (bit i: landingLinks[i])
  std::vector<std::int32_t> closedLandingLinks;  // landings no road reaches: never used
  LinkRouting start;                               // a plan's cable routing, to start from
};

struct PlanBoundResult {
  std::optional<double> bound;
  std::string note;
};

PlanBoundResult planLowerBound(const PlanBoundInput& input, double seconds);

}  // namespace skyrig
