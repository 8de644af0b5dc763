// A plain binary-heap Dijkstra (lazy deletion, early exit at the destination) over the solver's
// prepared graph and working costs: the floor against which one exact search is measured.
#pragma once

#include <cstdint>
#include <functional>
#include <algorithm>
#include <utility>
#include <vector>

#include "document/SolverTables.h"

namespace bench {

class PlainDijkstra {
 public:
  explicit PlainDijkstra(const skyrig::SolverTables& solver)
      : solver_(solver),
        distance_(static_cast<std::size_t>(solver.nodeCount) + 1, 0.0f),
        state_(static_cast<std::size_t>(solver.nodeCount) + 1, 0) {
    heap_.reserve(static_cast<std::size_t>(solver.nodeCount) * 4 + 16);
    touched_.reserve(static_cast<std::size_t>(solver.nodeCount) + 1);
  }

  // Distance label of the destination; `settled` counts the nodes settled.
  float run(std::int32_t origin, std::int32_t destination, std::int32_t linkCount,
            std::int64_t& settled) {
    for (const std::int32_t node : touched_) state_[static_cast<std::size_t>(node)] = 0;
    touched_.clear();
    heap_.clear();
    const std::greater<Item> later;
    distance_[static_cast<std::size_t>(origin)] = 0.0f;
    state_[static_cast<std::size_t>(origin)] = 1;
    touched_.push_back(origin);
    heap_.push_back({0.0f, origin});
    while (!heap_.empty()) {
      std::pop_heap(heap_.begin(), heap_.end(), later);
      const auto [d, u] = heap_.back();
      heap_.pop_back();
      if (state_[static_cast<std::size_t>(u)] == 2) continue;
      state_[static_cast<std::size_t>(u)] = 2;
      ++settled;
      if (u == destination) return d;
      for (std::int32_t link = solver_.firstOutgoingLink[static_cast<std::size_t>(u)];
           link != 0 && link <= linkCount && solver_.linkFrom[static_cast<std::size_t>(link)] == u;
           ++link) {
        const std::int32_t v = solver_.linkTo[static_cast<std::size_t>(link)];
        const auto vi = static_cast<std::size_t>(v);
        if (state_[vi] == 2) continue;
        const float nd = d + solver_.workingCost[static_cast<std::size_t>(link)];
        if (state_[vi] == 0 || nd < distance_[vi]) {
          if (state_[vi] == 0) touched_.push_back(v);
          state_[vi] = 1;
          distance_[vi] = nd;
          heap_.push_back({nd, v});
          std::push_heap(heap_.begin(), heap_.end(), later);
        }
      }
    }
    return 0.0f;
  }

 private:
  using Item = std::pair<float, std::int32_t>;
  const skyrig::SolverTables& solver_;
  std::vector<float> distance_;
  std::vector<std::uint8_t> state_;  // 0 untouched, 1 labelled, 2 settled
  std::vector<std::int32_t> touched_;
  std::vector<Item> heap_;
};

}  // namespace bench
