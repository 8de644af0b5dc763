// The routing problem the plan improvement solves: route every sale over one path from its
// entry node to its destination node; each link costs its variable cost per unit of volume it
// carries plus its fixed cost once when it carries any volume. Built from the solver's tables
// after Prepare, with the solver's node numbers, so that a routing can be written as a path
// file any reader of the network understands. Of duplicate links (same from- and to-node) only
// the first in table order is kept: a path file names nodes, and its readers cost each node
// pair on that first copy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skyrig {

struct NetworkTables;
struct SolverTables;

struct FixedChargeLink {
  std::int32_t from = 0;   // solver node numbers 1..nodeCount
  std::int32_t to = 0;
  double variableCost = 0;  // $ per unit of volume
  double fixedCost = 0;     // $ once when used
  std::int32_t tableLink = 0;  // the link's number in the link table
};

struct FixedChargeSale {
  std::int32_t entry = 0;
  std::int32_t destination = 0;
  double volume = 0;
};

struct FixedChargeProblem {
  std::int32_t nodeCount = 0;
  std::vector<FixedChargeLink> links;     // distinct (from, to) pairs
  std::vector<FixedChargeSale> sales;     // sale s is the solver's sale s + 1
  std::vector<std::int32_t> firstOut;     // per node 0..nodeCount+1: outgoing links are
  std::vector<std::int32_t> outLinks;     // outLinks[firstOut[n] .. firstOut[n + 1])
  std::int32_t duplicateLinks = 0;        // copies dropped

  // The link from `from` to `to`, or -1.
  std::int32_t findLink(std::int32_t from, std::int32_t to) const;
};

// Per sale the links of its path, entry first; an empty path means the sale is not routed.
using LinkRouting = std::vector<std::vector<std::int32_t>>;

// Fills `problem` from links, sales and node numbers of the last Prepare. False with `error`
// (a sentence for the user) for input the improvement cannot take: a negative cost, a sale
// whose volume is not above 0, a sale whose entry or destination is not a node, or a sale
// whose entry is its destination.
bool buildFixedChargeProblem(const NetworkTables& network, const SolverTables& solver,
                             FixedChargeProblem& problem, std::string& error);

// Sets up the outgoing-link index from `links` (for problems built by hand).
void indexOutgoingLinks(FixedChargeProblem& problem);

// Turns node paths (entry node first, as a path file holds them) into link paths. False with
// `error` when a path is empty, does not run from its sale's entry to its destination, or
// steps between two nodes no link joins.
bool routingFromNodePaths(const FixedChargeProblem& problem,
                          const std::vector<std::vector<std::int32_t>>& nodePaths,
                          LinkRouting& routing, std::string& error);

// Node paths (entry node first) of a routing.
std::vector<std::vector<std::int32_t>> nodePathsOf(const FixedChargeProblem& problem,
                                                   const LinkRouting& routing);

struct RoutingCost {
  double variable = 0;
  double fixed = 0;
  double total() const { return variable + fixed; }
};

// Variable cost times flow plus the fixed cost of every link that carries volume, in double.
RoutingCost routingCost(const FixedChargeProblem& problem, const LinkRouting& routing);

// Per link the volume a routing puts on it.
std::vector<double> linkFlows(const FixedChargeProblem& problem, const LinkRouting& routing);

// True when every sale has a path from its entry to its destination over consecutive links.
bool isCompleteRouting(const FixedChargeProblem& problem, const LinkRouting& routing);

}  // namespace skyrig
