// The improvement engine: from a routing of the sales (the heuristic's), a routing that costs
// no more and a lower bound on the cost of every routing, within a time limit. It picks the
// method by the network's shape:
//  - one destination and few distinct entry nodes (road networks): the exact tree search over
//    the entry nodes;
//  - few possible paths per sale (cable networks): the path-choice model solved by CBC;
//  - otherwise: local improvement of the routing and the shortest-path bound.
// A bound is only ever reported when it is proven: the tree search's optimum, CBC's best bound,
// or the shortest-path bound.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

struct ImproveOptions {
  double seconds = 60;  // the whole engine's time limit, processor seconds (ProcessorClock.h)
  std::function<bool()> keepGoing;                      // false asks to stop (keeps the best)
  std::function<void(std::string_view)> progress;       // what the engine is doing
};

struct ImproveOutcome {
  LinkRouting routing;             // the best routing found (the start when nothing beat it)
  double startCost = 0;
  double improvedCost = 0;
  std::optional<double> bound;  // proven lower bound, never above improvedCost
  bool provenOptimal = false;
  std::string method;          // how the routing and the bound were found
  std::vector<std::string> notes;

  // 100 (improved - bound) / improved; nothing without a bound.
  std::optional<double> gapPercent() const;
};

// `start` must be a complete routing of `problem` (see isCompleteRouting); an incomplete one is
// replaced by cheapest paths sale after sale.
ImproveOutcome improveRouting(const FixedChargeProblem& problem, const LinkRouting& start,
                              const ImproveOptions& options);

}  // namespace skyrig
