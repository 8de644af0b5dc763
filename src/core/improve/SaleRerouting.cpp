#include "improve/SaleRerouting.h"

#include <algorithm>
#include <numeric>

#include "improve/ShortestPaths.h"

namespace skyrig {

namespace {

std::vector<std::size_t> byVolumeDescending(const FixedChargeProblem& problem) {
  std::vector<std::size_t> order(problem.sales.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return problem.sales[a].volume > problem.sales[b].volume;
  });
  return order;
}

}  // namespace

int rerouteSales(const FixedChargeProblem& problem, LinkRouting& routing,
                 const std::function<bool()>& keepGoing) {
  std::vector<int> users(problem.links.size(), 0);
  for (const auto& path : routing)
    for (const std::int32_t link : path) ++users[static_cast<std::size_t>(link)];
  ShortestPaths search(problem);
  std::vector<double> weight(problem.links.size());
  const std::vector<std::size_t> order = byVolumeDescending(problem);
  int moved = 0;
  for (bool changed = true; changed;) {
    changed = false;
    for (const std::size_t s : order) {
      if (keepGoing && !keepGoing()) return moved;
      const FixedChargeSale& sale = problem.sales[s];
      for (const std::int32_t link : routing[s]) --users[static_cast<std::size_t>(link)];
      double current = 0;
      for (const std::int32_t link : routing[s]) {
        const FixedChargeLink& l = problem.links[static_cast<std::size_t>(link)];
        current += sale.volume * l.variableCost + (users[static_cast<std::size_t>(link)] == 0 ? l.fixedCost : 0.0);
      }
      for (std::size_t e = 0; e < weight.size(); ++e)
        weight[e] = sale.volume * problem.links[e].variableCost +
                    (users[e] == 0 ? problem.links[e].fixedCost : 0.0);
      search.run(weight, sale.entry, sale.destination);
      const double offered = search.label(sale.destination);
      // A move must save more than rounding noise, so the rounds end.
      if (offered < current - 1e-9 * (1.0 + current)) {
        routing[s] = search.pathTo(sale.destination);
        ++moved;
        changed = true;
      }
      for (const std::int32_t link : routing[s]) ++users[static_cast<std::size_t>(link)];
    }
  }
  return moved;
}

bool routeOverLinks(const FixedChargeProblem& problem, const std::vector<std::uint8_t>& allowed,
                    LinkRouting& routing) {
  routing.assign(problem.sales.size(), {});
  std::vector<std::uint8_t> open(problem.links.size(), 0);
  ShortestPaths search(problem);
  std::vector<double> weight(problem.links.size());
  for (const std::size_t s : byVolumeDescending(problem)) {
    const FixedChargeSale& sale = problem.sales[s];
    for (std::size_t e = 0; e < weight.size(); ++e)
      weight[e] = !allowed.empty() && !allowed[e]
                      ? kUnreached
                      : sale.volume * problem.links[e].variableCost +
                            (open[e] ? 0.0 : problem.links[e].fixedCost);
    search.run(weight, sale.entry, sale.destination);
    if (!(search.label(sale.destination) < kUnreached)) return false;
    routing[s] = search.pathTo(sale.destination);
    for (const std::int32_t link : routing[s]) open[static_cast<std::size_t>(link)] = 1;
  }
  return true;
}

}  // namespace skyrig
