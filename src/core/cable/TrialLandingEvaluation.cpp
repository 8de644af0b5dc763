#include "cable/TrialLandingEvaluation.h"

#include "cable/CablewayFan.h"
#include "cable/GroundProfile.h"
#include "cable/RoadAnalysisStep.h"
#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr int kTrial = 0;  // landing slot of the trial evaluation

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

  const float tail = p.minSparTreeHeight;
  ConditionFlags& flags = work.flags;
  const Landing& site = doc.landings[kTrial];
  float sum = 0.0f;
  for (int r = 0; r < kCablewaysPerLanding; ++r) {
    CablewayRecord& road = doc.cableways[kTrial][r];
    auto analyse = [&] {
      bool wroteTrialRows = false;
      analyseRoadAtTail(p, work, tail, kTrial, documentRows(doc, kTrial, r),
                        documentRows(doc, kTrial, 0), CandidateStreamDragging::Keep, road,
                        doc.cablewayMinPayload[kTrial][r], wroteTrialRows);
      applySystemSwitches(p, work, doc.cablewayCycleTime[kTrial][r]);
    };
    flags.clearFive();
    sampleProfile(doc, work, kTrial, system, r);
    work.analysedCount = work.sampledCount;
    endRoadAtAnalysedPoint(work, road);
    analyse();
    while (flags.anyOfFive()) {
      --work.analysedCount;
      if (work.analysedCount <= 4) break;
      endRoadAtAnalysedPoint(work, road);
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
