#include "cable/TrialLandingEvaluation.h"

#include "cable/CablewayFan.h"
#include "cable/GroundProfile.h"
#include "cable/IntermediateSupports.h"
#include "cable/PayloadAnalysis.h"
#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr int kTrial = 0;  // landing slot of the trial evaluation

class TrialHooks final : public SupportPlacementHooks {
 public:
  TrialHooks(CSkyrigDoc& doc, const CableSystemParams& params, float tail)
      : doc_(doc), params_(params), tail_(tail) {}
  float analyseCandidate(CableWorkArea& work) override {
    analyseRoad(params_, work, kTrial, tail_, documentRows(doc_, kTrial, 0));
    return work.minPayload;
  }

 private:
  CSkyrigDoc& doc_;
  const CableSystemParams& params_;
  float tail_;
};

// Squared horizontal reach (m2) of the road's farthest point inside the harvest unit, or 0.
float reachInsideUnit(const CSkyrigDoc& doc, const CableWorkArea& work, const Landing& site,
                      const CablewayRecord& road) {
  int m = road.pointCount;
  int col = road.endCol;
  int rowIndex = road.endRow;
  while (doc.unitCellFlags(col, rowIndex) != 1 && m > 2) {
    m -= 1;
    col = work.profile[m].col;
    rowIndex = work.profile[m].row;
  }
  if (m <= 2) return 0.0f;
  const float dx = static_cast<float>(doc.dtm(site.col, site.row).x - doc.dtm(col, rowIndex).x);
  const float dy = static_cast<float>(doc.dtm(site.col, site.row).y - doc.dtm(col, rowIndex).y);
  return dx * dx + dy * dy;
}

}  // namespace

float evaluateLandingPosition(AppContext& app, int col, int row, int system) {
  CSkyrigDoc& doc = app.doc;
  CableWorkArea& work = app.view.cable;
  if (!isInsideGrid(doc, col, row) || system < 1 || system > kCableSystemCount) return 0.0f;
  const CableSystemParams& p = doc.cableSystems[system];

  layOutFan(doc, col, row, system);
  doc.cableways[kTrial] = doc.cablewayScratch;
  doc.landings[kTrial] = {row, col, system};
  for (int r = 0; r < kCablewaysPerLanding; ++r) {
    CablewayRecord& road = doc.cableways[kTrial][r];
    if (road.endCol >= 1 && p.parametersChanged != 1) continue;
    road.endCol = road.genEndCol;
    road.endRow = road.genEndRow;
    sampleProfile(doc, work, kTrial, system, r);
    road.pointCount = road.genPointCount;
  }

  const float minPay = p.minPayloadPerTurn;
  const float tail = p.minSparTreeHeight;
  ConditionFlags& flags = work.flags;
  const Landing& site = doc.landings[kTrial];
  float sum = 0.0f;
  for (int r = 0; r < kCablewaysPerLanding; ++r) {
    CablewayRecord& road = doc.cableways[kTrial][r];
    auto analyse = [&] {
      TrialHooks hooks(doc, p, tail);
      placeSupports(p, work, {tail, tail, true}, hooks);
      analyseRoad(p, work, kTrial, tail, documentRows(doc, kTrial, r));
      road.supportCount = work.supportCount;
      doc.cablewayMinPayload[kTrial][r] = work.minPayload;
      if (work.minPayload < minPay) flags.payloadTooSmall = 1;
      doc.cablewayCycleTime[kTrial][r] = work.roadCycleTime;
      if (p.downhillAvailable == 1) flags.downhillYarding = 0;
      if (p.haulbackLine == 1) flags.needsHaulback = 0;
    };
    flags.clearFive();
    sampleProfile(doc, work, kTrial, system, r);
    work.analysedCount = work.sampledCount;
    road.pointCount = work.analysedCount;
    road.endCol = work.profile[work.analysedCount].col;
    road.endRow = work.profile[work.analysedCount].row;
    analyse();
    while (flags.anyOfFive()) {
      --work.analysedCount;
      if (work.analysedCount <= 4) break;
      road.pointCount = work.analysedCount;
      road.endCol = work.profile[work.analysedCount].col;
      road.endRow = work.profile[work.analysedCount].row;
      flags.clearFive();
      analyse();
    }
    if (isInsideGrid(doc, road.endCol, road.endRow))
      cellLine(doc, app.view, app.canvas, site.col, site.row, road.endCol, road.endRow, 10,
               flags.anyOfFive() ? Rgb{100, 100, 100} : Rgb{200, 200, 255});
    sum += reachInsideUnit(doc, work, site, road);
  }
  return sum;
}

}  // namespace skyrig
