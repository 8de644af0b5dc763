// The representative landing of a shared tower location: follow `landingSharedTower` while it
// is above 0. Chains are checked when the landing data are read or edited; here a chain that
// leaves 1..90 or loops stops at the last landing reached, so the walk always ends.
#pragma once

namespace skyrig {

struct CSkyrigDoc;

int representativeLanding(const CSkyrigDoc& doc, int landing);

}  // namespace skyrig
