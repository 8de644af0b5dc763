// Deleting a landing: the landings above it move down one id with all their data, and the
// vacated last slot receives the scratch slot 0.
#pragma once

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;

// Copies landing slot `from` over slot `to`: the landing record, its costs, shared tower,
// analysed flag, cable road records with their payloads, cycle times and tail spar heights,
// and the per-point payloads and cycle times.
void moveLandingSlot(CSkyrigDoc& doc, int from, int to);

// Deletes landing `landing` (1..landingCount) and lowers landingCount; false when the id is
// not a landing. The map is not redrawn.
bool deleteLanding(CSkyrigDoc& doc, int landing);

// Landings > "Delete landing location": the "Delete Landings" form, then the deletion on OK.
void deleteLandingByForm(AppContext& app);

}  // namespace skyrig
