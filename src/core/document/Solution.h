// The solver's answer for one network, as `solve` hands it back: the best routing found (one
// path per sale, in sale-table order, entry node first), the flows of that routing on the
// links of the solved network, and its totals. Node numbers are positions in the node table of
// the solve's Prepare; link numbers index the solved link table.
//
// The path file the solver writes holds the same routing, and a path file read back gives the
// same paths and volumes: each volume is kept as that file stores it (six decimals), so that a
// result computed from the solution in memory equals one computed from the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skyrig {

struct Solution {
  // Per sale 1..saleCount (index 0 unused).
  std::vector<float> volume;           // routed volume, as the path file stores it
  std::vector<std::size_t> pathStart;  // first node of the sale's path in `nodes`
  std::vector<std::int32_t> pathLength;  // nodes on the path; 0 when the sale found no path
  std::vector<std::int32_t> nodes;     // every path's nodes, entry node first

  // Per link 1..linkCount (index 0 unused): volume routed over the link.
  std::vector<float> linkFlow;

  float variableTotal = 0;  // sum of variable cost times flow over the used links, $
  float fixedTotal = 0;     // sum of the fixed costs of the used links, $
  float total = 0;
  std::int16_t bestIteration = 0;  // the solver iteration that found the routing

  std::int32_t saleCount() const {
    return volume.empty() ? 0 : static_cast<std::int32_t>(volume.size()) - 1;
  }
  // The nodes of sale s's path, entry node first.
  std::span<const std::int32_t> path(std::int32_t sale) const {
    const auto s = static_cast<std::size_t>(sale);
    return {nodes.data() + pathStart[s], static_cast<std::size_t>(pathLength[s])};
  }
};

}  // namespace skyrig
