// The road network: a pair of candidate road links between every two neighbouring cells of the
// harvest unit that the slope limits allow, and cost-free links from the timber exits and the
// existing road cells to "SuperExit".
#pragma once

namespace skyrig {

struct CSkyrigDoc;
class Paths;
class Ui;

// Separate run. Iteration below 2: a fresh link table, written to the road link file, and the
// saved copy. Later iterations restore the saved copy. False when the table overflowed.
bool buildRoadNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui, int iteration);

// All-at-once run: the road links are appended behind the links already in the table (the
// road link file holds only the road links); no saved copy.
bool buildCombinedRoadNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

}  // namespace skyrig
