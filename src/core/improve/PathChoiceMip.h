// Exact routing by branch and bound (COIN-OR CBC) when each sale has few possible paths, as in
// the cable networks (timber cell -> cable road -> setup -> landing -> sink, one path per cable
// road that reaches the cell). One column per (sale, path) and one binary per link with a
// fixed cost; the sale takes one path, and for every link with a fixed cost, the paths of a
// sale through it are at most the link's binary. With the links' binaries whole, each sale's
// columns describe a choice among its open paths, whose best is a whole path, so only the
// links are branched on. On the cable networks this is the strong facility-location form: its
// linear relaxation is nearly tight and CBC closes it quickly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "improve/FixedChargeProblem.h"
#include "improve/MipModel.h"

namespace skyrig {

using SalePaths = std::vector<std::vector<std::vector<std::int32_t>>>;  // per sale its paths

// Every simple path of every sale, or nothing when some sale has more than `maxPathsPerSale`
// paths, all sales together more than `maxPaths`, or the enumeration would visit more than
// `maxSteps` nodes (a grid network, say).
std::optional<SalePaths> enumerateSalePaths(const FixedChargeProblem& problem,
                                            int maxPathsPerSale = 200, long maxPaths = 600000,
                                            long maxSteps = 20000000);

// The model, with where its columns are, so that callers can add to it.
struct PathChoiceModel {
  MipModel mip;
  std::vector<std::int32_t> firstPathColumn;              // per sale, and one past the last
  std::unordered_map<std::int32_t, std::int32_t> linkColumn;  // fixed-cost link -> column
};

// `alwaysColumns`: links that get a column (and their rows) even without a fixed cost, so
// callers can tie them to columns of their own.
PathChoiceModel buildPathChoiceModel(const FixedChargeProblem& problem, const SalePaths& paths,
                                     const std::vector<std::int32_t>& alwaysColumns = {});
// Column values of a routing (empty when one of its paths is not among `paths`).
std::vector<double> pathChoiceValues(const PathChoiceModel& model, const SalePaths& paths,
                                     const LinkRouting& routing);
// The routing a solution chooses (nothing when a sale has no path chosen).
std::optional<LinkRouting> routingOfValues(const PathChoiceModel& model, const SalePaths& paths,
                                       const std::vector<double>& values);

struct PathChoiceResult {
  std::optional<LinkRouting> routing;  // CBC's best routing (at least as good as the start)
  std::optional<double> bound;     // CBC's proven lower bound, when it gave one
  bool provenOptimal = false;
  std::string note;                // what happened, for the user
};

// Solves the path-choice model from the start routing (used as CBC's first solution; its
// paths must be among `paths`) within `seconds`.
PathChoiceResult solvePathChoice(const FixedChargeProblem& problem, const SalePaths& paths,
                                 const LinkRouting& start, double seconds);

}  // namespace skyrig
