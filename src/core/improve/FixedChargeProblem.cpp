#include "improve/FixedChargeProblem.h"

#include <cmath>
#include <unordered_map>

#include "document/NetworkTables.h"
#include "document/SolverTables.h"

namespace skyrig {

namespace {

std::uint64_t pairKey(std::int32_t from, std::int32_t to) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32) |
         static_cast<std::uint32_t>(to);
}

std::string saleText(const SaleRecord& sale, std::int32_t number) {
  return "sale " + std::to_string(number) + " (" + std::string(sale.entry.view()) + " to " +
         std::string(sale.destination.view()) + ")";
}

}  // namespace

std::int32_t FixedChargeProblem::findLink(std::int32_t from, std::int32_t to) const {
  if (from < 0 || from + 1 >= static_cast<std::int32_t>(firstOut.size())) return -1;
  for (std::int32_t k = firstOut[static_cast<std::size_t>(from)];
       k < firstOut[static_cast<std::size_t>(from) + 1]; ++k) {
    const std::int32_t link = outLinks[static_cast<std::size_t>(k)];
    if (links[static_cast<std::size_t>(link)].to == to) return link;
  }
  return -1;
}

void indexOutgoingLinks(FixedChargeProblem& problem) {
  const auto nodes = static_cast<std::size_t>(problem.nodeCount) + 2;
  problem.firstOut.assign(nodes, 0);
  for (const FixedChargeLink& link : problem.links)
    ++problem.firstOut[static_cast<std::size_t>(link.from) + 1];
  for (std::size_t n = 1; n < nodes; ++n) problem.firstOut[n] += problem.firstOut[n - 1];
  problem.outLinks.assign(problem.links.size(), 0);
  std::vector<std::int32_t> next(problem.firstOut.begin(), problem.firstOut.end() - 1);
  for (std::size_t k = 0; k < problem.links.size(); ++k)
    problem.outLinks[static_cast<std::size_t>(next[static_cast<std::size_t>(problem.links[k].from)]++)] =
        static_cast<std::int32_t>(k);
}

bool buildFixedChargeProblem(const NetworkTables& network, const SolverTables& solver,
                             FixedChargeProblem& problem, std::string& error) {
  problem = {};
  problem.nodeCount = solver.nodeCount;
  const LinkTable& links = network.links;
  std::unordered_map<std::uint64_t, std::int32_t> seen;
  seen.reserve(static_cast<std::size_t>(links.count()) * 2);
  for (std::int32_t k = 1; k <= links.count(); ++k) {
    const LinkRecord& record = links[k];
    if (!(record.variableCost >= 0) || !(record.fixedCost >= 0) ||
        !std::isfinite(record.variableCost) || !std::isfinite(record.fixedCost)) {
      error = "link " + std::string(record.from.view()) + " to " +
              std::string(record.to.view()) +
              " has a negative or undefined cost; the improvement takes costs of 0 or more only";
      return false;
    }
    const std::int32_t from = solver.linkFrom[static_cast<std::size_t>(k)];
    const std::int32_t to = solver.linkTo[static_cast<std::size_t>(k)];
    if (!seen.emplace(pairKey(from, to), static_cast<std::int32_t>(problem.links.size())).second) {
      ++problem.duplicateLinks;
      continue;
    }
    problem.links.push_back({from, to, record.variableCost, record.fixedCost, k});
  }
  const SaleTable& sales = network.sales;
  for (std::int32_t i = 1; i <= sales.count(); ++i) {
    const auto s = static_cast<std::size_t>(i);
    const std::int32_t entry = s < solver.saleEntry.size() ? solver.saleEntry[s] : 0;
    const std::int32_t destination =
        s < solver.saleDestination.size() ? solver.saleDestination[s] : 0;
    if (entry == 0 || destination == 0) {
      error = saleText(sales[i], i) + " names a node that is not in the link table";
      return false;
    }
    if (entry == destination) {
      error = saleText(sales[i], i) + " starts at its destination";
      return false;
    }
    if (!(sales[i].volume > 0) || !std::isfinite(sales[i].volume)) {
      error = saleText(sales[i], i) + " has no volume";
      return false;
    }
    problem.sales.push_back({entry, destination, sales[i].volume});
  }
  if (problem.sales.empty()) {
    error = "there are no sales";
    return false;
  }
  indexOutgoingLinks(problem);
  return true;
}

bool routingFromNodePaths(const FixedChargeProblem& problem,
                          const std::vector<std::vector<std::int32_t>>& nodePaths,
                          LinkRouting& routing, std::string& error) {
  if (nodePaths.size() != problem.sales.size()) {
    error = "the solution has " + std::to_string(nodePaths.size()) + " paths for " +
            std::to_string(problem.sales.size()) + " sales";
    return false;
  }
  routing.assign(problem.sales.size(), {});
  for (std::size_t s = 0; s < nodePaths.size(); ++s) {
    const std::vector<std::int32_t>& nodes = nodePaths[s];
    const FixedChargeSale& sale = problem.sales[s];
    if (nodes.size() < 2 || nodes.front() != sale.entry || nodes.back() != sale.destination) {
      error = "sale " + std::to_string(s + 1) + " has no path from its entry to its destination";
      return false;
    }
    for (std::size_t k = 1; k < nodes.size(); ++k) {
      const std::int32_t link = problem.findLink(nodes[k - 1], nodes[k]);
      if (link < 0) {
        error = "the path of sale " + std::to_string(s + 1) + " steps between two nodes no link joins";
        return false;
      }
      routing[s].push_back(link);
    }
  }
  return true;
}

std::vector<std::vector<std::int32_t>> nodePathsOf(const FixedChargeProblem& problem,
                                                   const LinkRouting& routing) {
  std::vector<std::vector<std::int32_t>> paths(routing.size());
  for (std::size_t s = 0; s < routing.size(); ++s) {
    if (routing[s].empty()) continue;
    paths[s].push_back(problem.links[static_cast<std::size_t>(routing[s].front())].from);
    for (const std::int32_t link : routing[s])
      paths[s].push_back(problem.links[static_cast<std::size_t>(link)].to);
  }
  return paths;
}

std::vector<double> linkFlows(const FixedChargeProblem& problem, const LinkRouting& routing) {
  std::vector<double> flow(problem.links.size(), 0.0);
  for (std::size_t s = 0; s < routing.size(); ++s)
    for (const std::int32_t link : routing[s])
      flow[static_cast<std::size_t>(link)] += problem.sales[s].volume;
  return flow;
}

RoutingCost routingCost(const FixedChargeProblem& problem, const LinkRouting& routing) {
  const std::vector<double> flow = linkFlows(problem, routing);
  RoutingCost cost;
  for (std::size_t k = 0; k < flow.size(); ++k) {
    if (flow[k] <= 0) continue;
    cost.variable += problem.links[k].variableCost * flow[k];
    cost.fixed += problem.links[k].fixedCost;
  }
  return cost;
}

bool isCompleteRouting(const FixedChargeProblem& problem, const LinkRouting& routing) {
  if (routing.size() != problem.sales.size()) return false;
  for (std::size_t s = 0; s < routing.size(); ++s) {
    std::int32_t at = problem.sales[s].entry;
    if (routing[s].empty()) return false;
    for (const std::int32_t link : routing[s]) {
      if (link < 0 || static_cast<std::size_t>(link) >= problem.links.size()) return false;
      const FixedChargeLink& l = problem.links[static_cast<std::size_t>(link)];
      if (l.from != at) return false;
      at = l.to;
    }
    if (at != problem.sales[s].destination) return false;
  }
  return true;
}

}  // namespace skyrig
