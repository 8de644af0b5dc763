// The search for one sale: a label-setting search from the entry node that settles, one at a
// time, the candidate with the smallest key (lowest candidate position on a tie) until the
// destination is settled. Negative working costs are searched with the same rules; a settled
// node is never revisited. O((settled + scanned links) log candidates) per search, with state
// reset only for the nodes the previous search touched.
#pragma once

#include <cstdint>

namespace skyrig {

struct SolverTables;
class Ui;

// Sizes the search's working storage for the prepared network (outside any loop).
void prepareSearch(SolverTables& solver);

// Leaves the path, destination first, in solver.search.path (empty when the search fails or
// was aborted earlier in this Solve). A failed search shows the two failure messages once and
// sets the search-aborted flag.
void searchPath(SolverTables& solver, std::int32_t linkCount, std::int32_t origin,
                std::int32_t destination, Ui& ui);

}  // namespace skyrig
