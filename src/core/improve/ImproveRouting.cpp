#include "improve/ImproveRouting.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "improve/PathChoiceMip.h"
#include "improve/ProcessorClock.h"
#include "improve/SaleRerouting.h"
#include "improve/SimpleLowerBound.h"
#include "improve/TerminalTrees.h"

namespace skyrig {

namespace {

using Clock = ProcessorClock;

// Relative allowance for the solvers' floating-point tolerances: a bound is lowered by this
// fraction before it is reported, so rounding can never lift it above the optimum.
constexpr double kBoundTolerance = 1e-7;

}  // namespace

std::optional<double> ImproveOutcome::gapPercent() const {
  if (!bound) return std::nullopt;
  if (improvedCost <= 0) return 0.0;
  return std::max(0.0, 100.0 * (improvedCost - *bound) / improvedCost);
}

ImproveOutcome improveRouting(const FixedChargeProblem& problem, const LinkRouting& start,
                              const ImproveOptions& options) {
  const Clock::time_point deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(std::max(0.0, options.seconds)));
  const auto keepGoing = [&] {
    return Clock::now() < deadline && (!options.keepGoing || options.keepGoing());
  };
  const auto secondsLeft = [&] {
    return std::chrono::duration<double>(deadline - Clock::now()).count();
  };
  const auto say = [&](std::string_view what) {
    if (options.progress) options.progress(what);
  };

  ImproveOutcome outcome;
  outcome.routing = start;
  if (!isCompleteRouting(problem, outcome.routing)) {
    if (!routeOverLinks(problem, {}, outcome.routing)) {
      outcome.notes.push_back("a sale cannot reach its destination: nothing to improve");
      outcome.method = "none";
      return outcome;
    }
    outcome.notes.push_back("the start routing was incomplete; cheapest paths were taken");
  }
  outcome.startCost = routingCost(problem, outcome.routing).total();
  outcome.improvedCost = outcome.startCost;
  const auto offer = [&](LinkRouting&& routing) {
    if (!isCompleteRouting(problem, routing)) return;
    const double cost = routingCost(problem, routing).total();
    if (cost < outcome.improvedCost) {
      outcome.improvedCost = cost;
      outcome.routing = std::move(routing);
    }
  };

  if (terminalTreesApply(problem)) {
    say("exact tree search over the entry nodes");
    if (auto tree = cheapestTreeRouting(problem, keepGoing)) {
      offer(std::move(tree->routing));
      outcome.bound = tree->cost;
      outcome.provenOptimal = true;
      outcome.method = "exact tree search over the entry nodes";
    } else {
      outcome.notes.push_back("the tree search did not finish in time");
    }
  }
  if (!outcome.provenOptimal && keepGoing()) {
    say("enumerating the sales' paths");
    if (const auto paths = enumerateSalePaths(problem)) {
      say("branch and bound over the sales' paths");
      PathChoiceResult mip = solvePathChoice(problem, *paths, outcome.routing, secondsLeft());
      if (mip.routing) offer(std::move(*mip.routing));
      if (mip.bound) outcome.bound = std::max(outcome.bound.value_or(mip.bound.value()), *mip.bound);
      outcome.provenOptimal = mip.provenOptimal;
      outcome.method = "path choice by branch and bound (" + mip.note + ")";
    }
  }
  if (!outcome.provenOptimal && keepGoing()) {
    say("rerouting sales one at a time");
    LinkRouting routing = outcome.routing;
    rerouteSales(problem, routing, keepGoing);
    offer(std::move(routing));
    if (outcome.method.empty()) outcome.method = "local improvement";
    else outcome.method += ", then local improvement";
  }
  if (!outcome.provenOptimal && (Clock::now() < deadline || !outcome.bound)) {
    say("shortest-path bound");
    if (const auto simple = simpleLowerBound(problem, options.keepGoing))
      outcome.bound = std::max(outcome.bound.value_or(*simple), *simple);
  }
  if (outcome.bound) {
    const double lowered = *outcome.bound - kBoundTolerance * std::fabs(*outcome.bound);
    outcome.bound = std::min(lowered, outcome.improvedCost);
  }
  if (!outcome.bound) outcome.notes.push_back("no lower bound was proven in the time given");
  return outcome;
}

}  // namespace skyrig
