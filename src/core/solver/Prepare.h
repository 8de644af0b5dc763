// Prepare: sorts the links by from-node name with the solver's gap sort, numbers the nodes
// (from-nodes 1..F in name order, then nodes met only as to-nodes in order of first
// occurrence), sorts the sales by period and, within a period, by volume descending, and looks
// up the sales' entry and destination nodes. Readers of a path file run it to turn node numbers
// back into names. Time O(n log^2 n) for n links; lookups are hashed.
#pragma once

#include <cstdint>

namespace skyrig {

struct CSkyrigDoc;
struct NetworkTables;
struct SolverTables;
class Ui;

void prepare(NetworkTables& network, SolverTables& solver, Ui& ui);
void prepare(CSkyrigDoc& doc, Ui& ui);

// Find link: the first link, in link-table order, from node `from` to node `to`; 0 if none.
std::int32_t findLink(const SolverTables& solver, std::int32_t from, std::int32_t to);

}  // namespace skyrig
