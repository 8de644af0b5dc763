// The sale tables: the volumes the solver must move, each from its entry node to the sink,
// written to the sale files as they are appended.
#pragma once

#include "document/CSkyrigDoc.h"

namespace skyrig {

class Paths;
class Ui;

// Separate run, cable side: one sale per timber cell of the harvest unit (unit flag 1, volume
// above 0) to "DummyDest1". Iteration below 2 builds, writes the cable sale file and saves a
// copy; later iterations restore the copy. False when the table overflowed.
bool buildCableSales(CSkyrigDoc& doc, const Paths& paths, Ui& ui, int iteration);

// Separate run, road side: each landing's volume (moved first to the landing whose tower it
// shares; the array is changed) sold from the landing cell to "SuperExit".
bool buildRoadSales(CSkyrigDoc& doc, const Paths& paths, Ui& ui,
                    PerLanding<float>& landingVolume);

// All-at-once run: one sale per timber cell of the harvest unit, from "VC%dR%d" to
// "SuperExit", written to the cable sale file.
bool buildCombinedSales(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

}  // namespace skyrig
