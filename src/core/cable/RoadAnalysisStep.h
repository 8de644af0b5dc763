// The per-road step that the batch analysis and the trial landing evaluation share: the road
// ended at the analysed point, supports placed and the road analysed at one tail spar height,
// and the system's switches applied to the findings.
#pragma once

#include "cable/PayloadAnalysis.h"
#include "document/CSkyrigDoc.h"

namespace skyrig {

// Whether the stream dragging found while placing the supports (in the candidates' analyses)
// still counts after the road's own analysis: the batch analysis forgets it, the trial landing
// evaluation keeps it.
enum class CandidateStreamDragging { Forget, Keep };

// The road's point count and end cell become those of profile point work.analysedCount.
void endRoadAtAnalysedPoint(const CableWorkArea& work, CablewayRecord& road);

// Places the intermediate supports for tail spar height `tail`, analysing each candidate set
// as the trial road (landing 0) into `trialRows`, then analyses the road of `landing` into
// `rows`. Stores the support count in `road` and the minimum payload in `minPayload`; sets
// `wroteTrialRows` when a candidate was analysed.
void analyseRoadAtTail(const CableSystemParams& params, CableWorkArea& work, float tail,
                       int landing, AnalysisRows rows, AnalysisRows trialRows,
                       CandidateStreamDragging candidates, CablewayRecord& road,
                       float& minPayload, bool& wroteTrialRows);

// After an analysis: flags a payload below the system's minimum, stores the cycle time and
// clears the downhill and haulback findings the system can handle.
void applySystemSwitches(const CableSystemParams& params, CableWorkArea& work, float& cycleTime);

}  // namespace skyrig
