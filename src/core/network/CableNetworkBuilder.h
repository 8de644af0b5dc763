// The cable network: yarding links from every timber cell of the harvest unit over the cable
// roads that can reach it, a road link per rigged road, a setup link per system and landing,
// and the links out of the landings. Timber cells no road can yard get volume -1.0.
#pragma once

#include "document/CSkyrigDoc.h"

namespace skyrig {

class Paths;
class Ui;

// Separate run. Iteration below 2: full build into the link table and the cable link file,
// with the saved copy taken before the landing-to-"DummyDest1" links. Later iterations
// restore the saved links and add only the landing links, whose fixed cost is the landing
// cost times the iteration number (times 1 from iteration 11 on) plus the transport cost.
// False when the table overflowed (reported; the table is left empty).
bool buildCableNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui,
                       const PerLanding<float>& transportVariableCost,
                       const PerLanding<float>& transportFixedCost, int iteration);

// All-at-once run: timber cells are "VC%dR%d", no stream-buffer test, and each landing leads
// into its own road-grid cell at its construction cost. Always a full build, no saved copy.
bool buildCombinedCableNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

}  // namespace skyrig
