// Payload analysis of one cable road: the load (kg) a standing skyline of fixed length can
// carry at every profile point, with intermediate supports and a tail spar height, in full or
// partial suspension, the road's minimum payload and the yarding cycle times.
#pragma once

#include "document/CableWorkArea.h"

namespace skyrig {

struct CSkyrigDoc;
struct CableSystemParams;

// Per-point result rows of one road (101 slots each, points 1..100).
struct AnalysisRows {
  float* payload = nullptr;    // kg
  float* cycleTime = nullptr;  // s
};

// The document's rows of road `road` of landing `landing`.
AnalysisRows documentRows(CSkyrigDoc& doc, int landing, int road);

// Told of every analysed point once its carriage position is fixed (the profile check draws
// the hanging load from work.carriage).
class CarriageObserver {
 public:
  virtual ~CarriageObserver() = default;
  virtual void carriagePlaced(int point, const CableWorkArea& work) = 0;
};

// The payload at every point 2..n-1 of work's profile (n = work.analysedCount) with the
// support marks in work: unloaded chords, reference length L0, carriage position, forces and
// payload per point, ground reactions and the minimum payload (work.minPayload). `payloads`
// (101 slots) gets -1 everywhere, then the payloads of points 2..n-1. Sets
// work.flags.streamDragging where a log would be dragged over a stream buffer cell.
void analysePayloads(const CableSystemParams& params, CableWorkArea& work, float tailHeight,
                     float* payloads, CarriageObserver* observer = nullptr);

// The whole analysis of one road: analysePayloads, the cycle time of every point, and for a
// landing above 0 (not the trial landing) the smoothing of the payloads outward, the filling of
// zero cycle times and the road's cycle time (work.roadCycleTime).
void analyseRoad(const CableSystemParams& params, CableWorkArea& work, int landing,
                 float tailHeight, AnalysisRows rows);

}  // namespace skyrig
