#include "solver/PathSearch.h"

#include "document/SolverTables.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

constexpr std::int32_t kSettled = -1;
constexpr float kNoKey = 1.0e27f;  // a pick takes only keys below this

void resetTouched(SearchWorkspace& search) {
  for (const std::int32_t node : search.touched) search.state[static_cast<std::size_t>(node)] = 0;
  search.touched.clear();
}

void fail(SolverTables& solver, Ui& ui) {
  ui.message(
      "ERROR!!! Routemax can't solve this problem. The reason might be one of the followings. "
      "1.Your destination node may not be connected to the origin node.  2.Routemax "
      "encountered a disconnected link while trying to keep lower volume limit constraints. "
      "Remember! Entering lower volume limit should be restricted to few links which are in "
      "the very end of your network 3.Routemax can't find any feasible solutions satisfying "
      "the volume limits you entered.",
      MessageIcon::Stop);
  ui.message(
      "Please, SAVE your file IMMEADIATELY. This program will be closed with further "
      "operations without correction.",
      MessageIcon::Exclamation);
  resetTouched(solver.search);
  solver.search.path.clear();
  solver.searchAborted = 1;
}

}  // namespace

void prepareSearch(SolverTables& solver) {
  SearchWorkspace& search = solver.search;
  const auto nodes = static_cast<std::size_t>(solver.nodeCount) + 1;
  search.state.assign(nodes, 0);
  search.label.assign(nodes, 0.0f);
  search.settlingLink.assign(nodes, 0);
  search.touched.clear();
  search.touched.reserve(nodes);
  search.path.clear();
  search.path.reserve(nodes);
  search.pathLinks.clear();
  search.pathLinks.reserve(nodes);
  search.candidates.reserve(nodes);
  search.candidates.clear();
}

void searchPath(SolverTables& solver, std::int32_t linkCount, std::int32_t origin,
                std::int32_t destination, Ui& ui) {
  SearchWorkspace& search = solver.search;
  search.path.clear();
  search.pathLinks.clear();
  if (solver.searchAborted) return;
  resetTouched(search);
  CandidateList& candidates = search.candidates;
  candidates.clear();

  std::int32_t* const state = search.state.data();
  float* const label = search.label.data();
  const std::int32_t* const from = solver.linkFrom.data();
  const std::int32_t* const to = solver.linkTo.data();
  const float* const cost = solver.workingCost.data();

  state[origin] = kSettled;
  label[origin] = 0.0f;
  search.touched.push_back(origin);
  std::int32_t current = origin;
  for (;;) {
    // Scan the current node's outgoing links (consecutive in the sorted table).
    const float base = label[current];
    for (std::int32_t link = solver.firstOutgoingLink[static_cast<std::size_t>(current)];
         link != 0 && link <= linkCount && from[link] == current; ++link) {
      const std::int32_t head = to[link];
      const std::int32_t s = state[head];
      if (s == kSettled) continue;
      const float key = base + cost[link];
      if (s > 0) {
        if (key < candidates.key(s)) candidates.lower(s, key, link);
      } else {
        state[head] = candidates.append(key, link);
        search.touched.push_back(head);
      }
    }
    if (candidates.count() == 0) return fail(solver, ui);
    const std::int32_t picked = candidates.best();
    const float key = candidates.key(picked);
    if (!(key < kNoKey)) return fail(solver, ui);

    // Settle the picked link's to-node.
    const std::int32_t link = candidates.link(picked);
    current = to[link];
    search.settlingLink[static_cast<std::size_t>(current)] = link;
    label[current] = key;
    state[current] = kSettled;
    if (current == destination) {
      // Each node but the origin was settled once, by a link from its predecessor.
      for (std::int32_t node = destination; node != origin;) {
        const std::int32_t into = search.settlingLink[static_cast<std::size_t>(node)];
        search.path.push_back(node);
        search.pathLinks.push_back(into);
        node = from[into];
      }
      search.path.push_back(origin);
      return;
    }
    const std::int32_t moved = candidates.removeBest();
    if (moved != 0) state[to[candidates.link(moved)]] = moved;
  }
}

}  // namespace skyrig
