#include "cable/CablewayGeneration.h"

#include <algorithm>
#include <array>
#include <string>

#include "cable/CablewayFan.h"
#include "cable/GroundProfile.h"
#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/MapRedraw.h"

namespace skyrig {

namespace {

constexpr Rgb kBlack{0, 0, 0};

int landingsInUse(const CSkyrigDoc& doc) { return std::clamp(doc.landingCount, 0, kMaxLandings); }

// The roads of landing i with more than 5 profile points: a black end cell and a line to the
// landing cell.
void drawRoads(AppContext& app, int landing) {
  const Landing& site = app.doc.landings[landing];
  for (int r = 0; r < kCablewaysPerLanding; ++r) {
    const CablewayRecord& road = app.doc.cableways[landing][r];
    if (road.pointCount <= 5 || !isInsideGrid(app.doc, road.endCol, road.endRow)) continue;
    fillCell(app.doc, app.canvas, road.endCol, road.endRow, kBlack);
    cellLine(app.doc, app.view, app.canvas, road.endCol, road.endRow, site.col, site.row, 1,
             kBlack);
  }
}

}  // namespace

bool isUsableLanding(const CSkyrigDoc& doc, int landing) {
  const Landing& site = doc.landings[landing];
  return site.system >= 1 && site.system <= kCableSystemCount &&
         isInsideGrid(doc, site.col, site.row);
}

void labelLanding(AppContext& app, int landing) {
  const Landing& site = app.doc.landings[landing];
  if (!isInsideGrid(app.doc, site.col, site.row)) return;
  labelCell(app.doc, app.canvas, site.col, site.row, std::to_string(landing));
}

void generateCableways(AppContext& app) {
  CSkyrigDoc& doc = app.doc;
  redrawShownLayer(app);

  // Every landing of a system whose parameters changed is regenerated; the flags are cleared
  // once all landings have been processed.
  std::array<bool, kCableSystemCount + 1> changed{};
  std::array<bool, kCableSystemCount + 1> processed{};
  for (int s = 1; s <= kCableSystemCount; ++s)
    changed[s] = doc.cableSystems[s].parametersChanged == 1;

  const int count = landingsInUse(doc);
  for (int i = 1; i <= count; ++i) {
    if (!isUsableLanding(doc, i)) continue;
    const Landing& site = doc.landings[i];
    const int s = site.system;
    doc.cablewayScratch = doc.cableways[i];
    layOutFan(doc, site.col, site.row, s);
    doc.cableways[i] = doc.cablewayScratch;
    for (int r = 0; r < kCablewaysPerLanding; ++r) {
      CablewayRecord& road = doc.cableways[i][r];
      if (road.endCol >= 1 && !changed[s]) continue;
      road.endCol = road.genEndCol;
      road.endRow = road.genEndRow;
      sampleProfile(doc, app.view.cable, i, s, r);
      road.pointCount = road.genPointCount;
    }
    processed[s] = true;
    drawRoads(app, i);
    labelLanding(app, i);
  }
  for (int s = 1; s <= kCableSystemCount; ++s)
    if (processed[s]) doc.cableSystems[s].parametersChanged = 0;

  for (int i = 1; i <= count; ++i) labelLanding(app, i);
  app.view.pickingCableway = 1;
}

}  // namespace skyrig
