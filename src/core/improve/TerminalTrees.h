// Exact routing when every sale goes to one destination and the sales start from few distinct
// nodes. With costs of 0 or more, fixed plus linear link costs are concave in the flow, and an
// uncapacitated single-destination flow of least concave cost can always be carried on a tree
// towards the destination; so the cheapest single-path routing is the cheapest such tree. The
// search builds it over subsets S of the start nodes (a Dreyfus-Wagner recursion): g(S, u) is
// the least cost of bringing the volume of S to node u, either by joining two parts of S at u
// or by extending g(S, w) over a link w->u at fixed cost plus volume(S) times variable cost.
// Time O(3^k n + 2^k (m + n) log n), memory 2^k n labels for k start nodes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

// Whether the search applies: one destination, at most `maxStarts` distinct entry nodes and a
// label table within `maxLabels`.
bool terminalTreesApply(const FixedChargeProblem& problem, int maxStarts = 12,
                        double maxLabels = 1.2e7);

struct TerminalTreeResult {
  LinkRouting routing;
  double cost = 0;  // the optimum
};

// The least cost of bringing the sales of every subset S of entry nodes to the destination
// (costs[S], S a bit set over `entries`), from the same search.
struct SubsetCosts {
  std::vector<std::int32_t> entries;  // distinct entry nodes in the order of the sales
  std::vector<double> costs;          // per subset; infinite when it cannot reach
};
std::optional<SubsetCosts> subsetCostsToDestination(const FixedChargeProblem& problem,
                                                    const std::function<bool()>& keepGoing);

// The cheapest routing, or nothing when the search does not apply, a sale cannot reach the
// destination, or `keepGoing` returned false (checked between subsets).
std::optional<TerminalTreeResult> cheapestTreeRouting(const FixedChargeProblem& problem,
                                                      const std::function<bool()>& keepGoing);

}  // namespace skyrig
