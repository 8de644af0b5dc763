#include "improve/SimpleLowerBound.h"

#include <algorithm>
#include <numeric>

#include "improve/ShortestPaths.h"

namespace skyrig {

std::optional<double> simpleLowerBound(const FixedChargeProblem& problem,
                                       const std::function<bool()>& keepGoing) {
  ShortestPaths search(problem);
  std::vector<double> variable(problem.links.size());
  for (std::size_t e = 0; e < variable.size(); ++e) variable[e] = problem.links[e].variableCost;
  // Least variable distance per sale; sales from one entry node share a search.
  std::vector<double> distance(problem.sales.size(), kUnreached);
  std::vector<std::size_t> order(problem.sales.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return problem.sales[a].entry < problem.sales[b].entry;
  });
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::size_t s = order[i];
    if (i == 0 || problem.sales[s].entry != problem.sales[order[i - 1]].entry) {
      if (keepGoing && !keepGoing()) return std::nullopt;
      search.run(variable, problem.sales[s].entry);
    }
    distance[s] = search.label(problem.sales[s].destination);
    if (!(distance[s] < kUnreached)) return std::nullopt;
  }
  double sum = 0;
  for (std::size_t s = 0; s < distance.size(); ++s) sum += problem.sales[s].volume * distance[s];

  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return problem.sales[a].volume > problem.sales[b].volume;
  });
  double best = sum;
  std::vector<double> weight(problem.links.size());
  for (std::size_t i = 0; i < order.size() && i < 20; ++i) {
    if (keepGoing && !keepGoing()) break;
    const FixedChargeSale& sale = problem.sales[order[i]];
    for (std::size_t e = 0; e < weight.size(); ++e)
      weight[e] = sale.volume * problem.links[e].variableCost + problem.links[e].fixedCost;
    search.run(weight, sale.entry, sale.destination);
    best = std::max(best, sum - sale.volume * distance[order[i]] + search.label(sale.destination));
  }
  return best;
}

}  // namespace skyrig
