#include "improve/ShortestPaths.h"

#include <algorithm>
#include <functional>

namespace skyrig {

ShortestPaths::ShortestPaths(const FixedChargeProblem& problem)
    : problem_(problem),
      label_(static_cast<std::size_t>(problem.nodeCount) + 1, kUnreached),
      via_(static_cast<std::size_t>(problem.nodeCount) + 1, -1),
      settled_(static_cast<std::size_t>(problem.nodeCount) + 1, 0) {}

void ShortestPaths::run(const std::vector<double>& linkWeight,
                        const std::vector<std::pair<std::int32_t, double>>& starts,
                        std::int32_t target) {
  for (const std::int32_t n : touched_) {
    label_[static_cast<std::size_t>(n)] = kUnreached;
    via_[static_cast<std::size_t>(n)] = -1;
    settled_[static_cast<std::size_t>(n)] = 0;
  }
  touched_.clear();
  heap_.clear();
  const auto later = std::greater<std::pair<double, std::int32_t>>();
  for (const auto& [node, start] : starts) {
    const auto n = static_cast<std::size_t>(node);
    if (start >= label_[n]) continue;
    if (label_[n] == kUnreached) touched_.push_back(node);
    label_[n] = start;
    heap_.emplace_back(start, node);
  }
  std::make_heap(heap_.begin(), heap_.end(), later);
  while (!heap_.empty()) {
    std::pop_heap(heap_.begin(), heap_.end(), later);
    const auto [distance, node] = heap_.back();
    heap_.pop_back();
    const auto n = static_cast<std::size_t>(node);
    if (settled_[n] || distance > label_[n]) continue;
    settled_[n] = 1;
    if (node == target) return;
    for (std::int32_t k = problem_.firstOut[n]; k < problem_.firstOut[n + 1]; ++k) {
      const std::int32_t link = problem_.outLinks[static_cast<std::size_t>(k)];
      const auto l = static_cast<std::size_t>(link);
      const auto to = static_cast<std::size_t>(problem_.links[l].to);
      const double candidate = distance + linkWeight[l];
      if (settled_[to] || candidate >= label_[to]) continue;
      if (label_[to] == kUnreached) touched_.push_back(problem_.links[l].to);
      label_[to] = candidate;
      via_[to] = link;
      heap_.emplace_back(candidate, problem_.links[l].to);
      std::push_heap(heap_.begin(), heap_.end(), later);
    }
  }
}

std::vector<std::int32_t> ShortestPaths::pathTo(std::int32_t node) const {
  std::vector<std::int32_t> path;
  if (label_[static_cast<std::size_t>(node)] == kUnreached) return path;
  for (std::int32_t at = node; via_[static_cast<std::size_t>(at)] >= 0;) {
    const std::int32_t link = via_[static_cast<std::size_t>(at)];
    path.push_back(link);
    at = problem_.links[static_cast<std::size_t>(link)].from;
    if (path.size() > problem_.links.size()) break;  // cannot happen with weights >= 0
  }
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace skyrig
