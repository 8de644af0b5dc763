// Ground profile of a cable road: the terrain points under the road line, from the landing
// outward, with elevation, horizontal distance from the landing and the stream buffer mark.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
struct CableWorkArea;

// Samples road `road` of landing `landing` (0 = the trial landing) with cable system `system`
// into work.profile and work.sampledCount (at most 100 points; the slots beyond the count keep
// what they held). Sets the road's genPointCount, and its pointCount too while the system's
// parametersChanged is 1. A road whose generated end lies outside the grid has no points.
void sampleProfile(CSkyrigDoc& doc, CableWorkArea& work, int landing, int system, int road);

}  // namespace skyrig
