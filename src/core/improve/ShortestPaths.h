// Dijkstra's search over a fixed-charge problem's links with caller-given link weights (all 0
// or more), from several start nodes with start labels. O((n + m) log n); the workspace is
// reset only where a search touched it, so repeated searches cost what they visit.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "improve/FixedChargeProblem.h"

namespace skyrig {

inline constexpr double kUnreached = std::numeric_limits<double>::infinity();

class ShortestPaths {
 public:
  explicit ShortestPaths(const FixedChargeProblem& problem);

  // Labels every node reachable from the starts (node, label) with its least label plus link
  // weights; stops early once `target` (if not 0) is settled.
  void run(const std::vector<double>& linkWeight,
           const std::vector<std::pair<std::int32_t, double>>& starts, std::int32_t target = 0);
  // The same from one node with label 0.
  void run(const std::vector<double>& linkWeight, std::int32_t from, std::int32_t target = 0) {
    run(linkWeight, {{from, 0.0}}, target);
  }

  double label(std::int32_t node) const { return label_[static_cast<std::size_t>(node)]; }
  // The link that reached the node, or -1 for a start node or an unreached one.
  std::int32_t reachedBy(std::int32_t node) const { return via_[static_cast<std::size_t>(node)]; }
  // Links from a start node to `node`, in path order (empty when unreached or a start).
  std::vector<std::int32_t> pathTo(std::int32_t node) const;

 private:
  const FixedChargeProblem& problem_;
  std::vector<double> label_;
  std::vector<std::int32_t> via_;
  std::vector<std::uint8_t> settled_;
  std::vector<std::int32_t> touched_;
  std::vector<std::pair<double, std::int32_t>> heap_;
};

}  // namespace skyrig
