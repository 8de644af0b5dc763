#include "improve/TerminalTrees.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "improve/ShortestPaths.h"

namespace skyrig {

namespace {

constexpr std::int32_t kStartChoice = -1;  // the node is the start node of a one-node subset

std::vector<std::int32_t> distinctEntries(const FixedChargeProblem& problem) {
  std::vector<std::int32_t> entries;
  for (const FixedChargeSale& sale : problem.sales)
    if (std::find(entries.begin(), entries.end(), sale.entry) == entries.end())
      entries.push_back(sale.entry);
  return entries;
}

bool singleDestination(const FixedChargeProblem& problem) {
  for (const FixedChargeSale& sale : problem.sales)
    if (sale.destination != problem.sales.front().destination) return false;
  return true;
}

// Removes the loops of a walk, which only lowers its cost with costs of 0 or more.
std::vector<std::int32_t> withoutLoops(const FixedChargeProblem& problem,
                                       const std::vector<std::int32_t>& walk) {
  std::vector<std::int32_t> path;
  std::unordered_map<std::int32_t, std::size_t> position;  // node -> links before it
  if (walk.empty()) return path;
  position[problem.links[static_cast<std::size_t>(walk.front())].from] = 0;
  for (const std::int32_t link : walk) {
    const std::int32_t to = problem.links[static_cast<std::size_t>(link)].to;
    path.push_back(link);
    const auto found = position.find(to);
    if (found != position.end()) {
      for (std::size_t k = found->second; k < path.size(); ++k)
        position.erase(problem.links[static_cast<std::size_t>(path[k])].to);
      path.resize(found->second);
    }
    position[to] = path.size();
  }
  return path;
}

}  // namespace

bool terminalTreesApply(const FixedChargeProblem& problem, int maxStarts, double maxLabels) {
  if (problem.sales.empty() || !singleDestination(problem)) return false;
  const auto starts = static_cast<int>(distinctEntries(problem).size());
  if (starts > maxStarts) return false;
  return static_cast<double>(1u << starts) * (problem.nodeCount + 1) <= maxLabels;
}

namespace {

struct TreeLabels {
  std::vector<std::int32_t> entries;
  std::size_t nodes = 0;
  std::vector<double> label;        // label[S * nodes + u]
  std::vector<std::int32_t> choice;  // how it was reached
};

// g(S, u) for every subset S and node u; the last subset's search stops at the destination.
std::optional<TreeLabels> treeLabels(const FixedChargeProblem& problem,
                                     const std::function<bool()>& keepGoing) {
  if (!terminalTreesApply(problem)) return std::nullopt;
  TreeLabels t;
  t.entries = distinctEntries(problem);
  const std::vector<std::int32_t>& entries = t.entries;
  const int k = static_cast<int>(entries.size());
  const std::uint32_t full = (1u << k) - 1;
  const auto nodes = static_cast<std::size_t>(problem.nodeCount) + 1;
  t.nodes = nodes;
  const std::int32_t destination = problem.sales.front().destination;
  std::vector<double> startVolume(static_cast<std::size_t>(k), 0.0);
  for (const FixedChargeSale& sale : problem.sales)
    startVolume[static_cast<std::size_t>(
        std::find(entries.begin(), entries.end(), sale.entry) - entries.begin())] += sale.volume;

  // label[S * nodes + u] and how it was reached: a link (>= 0), the start, or a join with the
  // part -(choice + 2).
  t.label.assign((static_cast<std::size_t>(full) + 1) * nodes, kUnreached);
  t.choice.assign((static_cast<std::size_t>(full) + 1) * nodes, kStartChoice);
  std::vector<double>& label = t.label;
  std::vector<std::int32_t>& choice = t.choice;
  ShortestPaths search(problem);
  std::vector<double> weight(problem.links.size());
  std::vector<std::pair<std::int32_t, double>> starts;

  for (std::uint32_t set = 1; set <= full; ++set) {
    if (keepGoing && !keepGoing()) return std::nullopt;
    double* g = label.data() + static_cast<std::size_t>(set) * nodes;
    std::int32_t* how = choice.data() + static_cast<std::size_t>(set) * nodes;
    double volume = 0;
    for (int i = 0; i < k; ++i)
      if (set & (1u << i)) volume += startVolume[static_cast<std::size_t>(i)];
    starts.clear();
    if ((set & (set - 1)) == 0) {
      const int i = __builtin_ctz(set);
      const std::int32_t node = entries[static_cast<std::size_t>(i)];
      g[node] = 0;
      how[node] = kStartChoice;
      starts.emplace_back(node, 0.0);
    } else {
      // Joins: parts containing the lowest member of the set, each split counted once.
      const std::uint32_t lowest = set & (~set + 1);
      const std::uint32_t rest = set ^ lowest;
      for (std::uint32_t sub = rest;; sub = (sub - 1) & rest) {
        const std::uint32_t part = sub | lowest;
        if (part != set) {
          const double* a = label.data() + static_cast<std::size_t>(part) * nodes;
          const double* b = label.data() + static_cast<std::size_t>(set ^ part) * nodes;
          for (std::size_t u = 1; u < nodes; ++u) {
            const double joined = a[u] + b[u];
            if (joined < g[u]) {
              g[u] = joined;
              how[u] = -static_cast<std::int32_t>(part) - 2;
            }
          }
        }
        if (sub == 0) break;
      }
      for (std::size_t u = 1; u < nodes; ++u)
        if (g[u] < kUnreached) starts.emplace_back(static_cast<std::int32_t>(u), g[u]);
    }
    for (std::size_t e = 0; e < weight.size(); ++e)
      weight[e] = problem.links[e].fixedCost + volume * problem.links[e].variableCost;
    search.run(weight, starts, set == full ? destination : 0);
    for (std::size_t u = 1; u < nodes; ++u) {
      const double reached = search.label(static_cast<std::int32_t>(u));
      if (reached < g[u]) {
        g[u] = reached;
        how[u] = search.reachedBy(static_cast<std::int32_t>(u));
      }
    }
  }

  return t;
}

}  // namespace

std::optional<SubsetCosts> subsetCostsToDestination(const FixedChargeProblem& problem,
                                                    const std::function<bool()>& keepGoing) {
  // Every subset must be searched to the end, not only the full one.
  auto t = treeLabels(problem, keepGoing);
  if (!t) return std::nullopt;
  SubsetCosts result;
  result.entries = t->entries;
  const std::size_t subsets = std::size_t{1} << t->entries.size();
  const auto destination = static_cast<std::size_t>(problem.sales.front().destination);
  result.costs.assign(subsets, kUnreached);
  for (std::size_t set = 1; set < subsets; ++set)
    result.costs[set] = t->label[set * t->nodes + destination];
  result.costs[0] = 0;
  return result;
}

std::optional<TerminalTreeResult> cheapestTreeRouting(const FixedChargeProblem& problem,
                                                      const std::function<bool()>& keepGoing) {
  auto t = treeLabels(problem, keepGoing);
  if (!t) return std::nullopt;
  const std::vector<std::int32_t>& entries = t->entries;
  const int k = static_cast<int>(entries.size());
  const std::uint32_t full = (1u << k) - 1;
  const std::size_t nodes = t->nodes;
  const std::int32_t destination = problem.sales.front().destination;
  const std::vector<double>& label = t->label;
  const std::vector<std::int32_t>& choice = t->choice;
  const double best = label[static_cast<std::size_t>(full) * nodes +
                            static_cast<std::size_t>(destination)];
  if (!(best < kUnreached)) return std::nullopt;

  // Unwind the tree: each start node's walk, as links from the start towards the destination.
  std::vector<std::vector<std::int32_t>> walkOf(static_cast<std::size_t>(k));
  struct Item {
    std::uint32_t set;
    std::int32_t node;
    std::vector<std::int32_t> after;  // links from the node on to the destination
  };
  std::vector<Item> stack{{full, destination, {}}};
  while (!stack.empty()) {
    Item item = std::move(stack.back());
    stack.pop_back();
    const std::int32_t how =
        choice[static_cast<std::size_t>(item.set) * nodes + static_cast<std::size_t>(item.node)];
    if (how == kStartChoice) {
      const int i = __builtin_ctz(item.set);
      std::reverse(item.after.begin(), item.after.end());
      walkOf[static_cast<std::size_t>(i)] = std::move(item.after);
    } else if (how >= 0) {
      item.after.push_back(how);
      item.node = problem.links[static_cast<std::size_t>(how)].from;
      stack.push_back(std::move(item));
    } else {
      const auto part = static_cast<std::uint32_t>(-(how + 2));
      stack.push_back({part, item.node, item.after});
      stack.push_back({item.set ^ part, item.node, std::move(item.after)});
    }
  }
  TerminalTreeResult result;
  result.cost = best;
  result.routing.resize(problem.sales.size());
  for (std::size_t s = 0; s < problem.sales.size(); ++s) {
    const auto i = static_cast<std::size_t>(
        std::find(entries.begin(), entries.end(), problem.sales[s].entry) - entries.begin());
    result.routing[s] = withoutLoops(problem, walkOf[i]);
  }
  return result;
}

}  // namespace skyrig
