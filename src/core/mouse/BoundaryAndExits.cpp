#include "mouse/BoundaryAndExits.h"

#include "document/CSkyrigDoc.h"
#include "layers/HarvestArea.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr int kBoundaryLineWidth = 5;  // logical units (m)

}  // namespace

void startBoundaryByMouse(AppContext& app) {
  app.view.drawingBoundary = 1;
  app.doc.boundaryPointCount = 0;
}

void addBoundaryPoint(AppContext& app, int c, int r) {
  CSkyrigDoc& doc = app.doc;
  if (doc.boundaryPointCount >= kMaxBoundaryPoints) {
    app.ui.message("No more points for the unit boundary can be accepted.", MessageIcon::Stop);
    return;
  }
  const int k = ++doc.boundaryPointCount;
  doc.boundaryPoints[k] = {c, r};
  if (k >= 2)
    cellLine(doc, app.view, app.canvas, doc.boundaryPoints[k - 1].col,
             doc.boundaryPoints[k - 1].row, c, r, kBoundaryLineWidth, kBlack);
}

void closeBoundary(AppContext& app, bool overCell) {
  CSkyrigDoc& doc = app.doc;
  const int count = doc.boundaryPointCount;
  if (app.view.drawingBoundary && overCell) {
    app.view.drawingBoundary = 0;
    if (count >= 1 && count <= kMaxBoundaryPoints)
      cellLine(doc, app.view, app.canvas, doc.boundaryPoints[1].col, doc.boundaryPoints[1].row,
               doc.boundaryPoints[count].col, doc.boundaryPoints[count].row, kBoundaryLineWidth,
               kBlack);
  }
  // Without a polygon the interior test would take the whole bounding box of the unit, so a
  // double click in another mode leaves the harvest area as it is.
  if (count >= 1) computeHarvestArea(app);
  app.view.drawingBoundary = 0;
}

void startTimberExitPlacement(AppContext& app) { app.view.placingTimberExit = 1; }

void placeTimberExit(AppContext& app, int c, int r) {
  CSkyrigDoc& doc = app.doc;
  app.view.placingTimberExit = 0;
  if (doc.timberExitCount >= kMaxTimberExits) {
    app.ui.message("No more than 19 timber exits can be accepted.", MessageIcon::Stop);
    return;
  }
  if (doc.timberExitCount < 0) doc.timberExitCount = 0;
  const int k = ++doc.timberExitCount;
  doc.timberExits[k] = {r, c};
  for (int e = 1; e < k; ++e)
    fillCell(doc, app.canvas, doc.timberExits[e].col, doc.timberExits[e].row, kBlack);
}

}  // namespace skyrig
