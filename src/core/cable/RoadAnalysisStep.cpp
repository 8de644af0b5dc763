#include "cable/RoadAnalysisStep.h"

#include "cable/IntermediateSupports.h"

namespace skyrig {

namespace {

// The support reduction analyses each candidate set as the trial landing's road 0.
class TrialRoadHooks final : public SupportPlacementHooks {
 public:
  TrialRoadHooks(const CableSystemParams& params, float tail, AnalysisRows rows, bool& wrote)
      : params_(params), tail_(tail), rows_(rows), wrote_(wrote) {}
  float analyseCandidate(CableWorkArea& work) override {
    analyseRoad(params_, work, 0, tail_, rows_);
    wrote_ = true;
    return work.minPayload;
  }

 private:
  const CableSystemParams& params_;
  float tail_;
  AnalysisRows rows_;
  bool& wrote_;
};

}  // namespace

void endRoadAtAnalysedPoint(const CableWorkArea& work, CablewayRecord& road) {
  road.pointCount = work.analysedCount;
  road.endCol = work.profile[work.analysedCount].col;
  road.endRow = work.profile[work.analysedCount].row;
}

void analyseRoadAtTail(const CableSystemParams& params, CableWorkArea& work, float tail,
                       int landing, AnalysisRows rows, AnalysisRows trialRows,
                       CandidateStreamDragging candidates, CablewayRecord& road,
                       float& minPayload, bool& wroteTrialRows) {
  TrialRoadHooks hooks(params, tail, trialRows, wroteTrialRows);
  placeSupports(params, work, {tail, tail, true}, hooks);
  road.supportCount = work.supportCount;
  if (candidates == CandidateStreamDragging::Forget) work.flags.streamDragging = 0;
  analyseRoad(params, work, landing, tail, rows);
  minPayload = work.minPayload;
}

void applySystemSwitches(const CableSystemParams& params, CableWorkArea& work, float& cycleTime) {
  if (work.minPayload < params.minPayloadPerTurn) work.flags.payloadTooSmall = 1;
  cycleTime = work.roadCycleTime;
  if (params.downhillAvailable == 1) work.flags.downhillYarding = 0;
  if (params.haulbackLine == 1) work.flags.needsHaulback = 0;
}

}  // namespace skyrig
