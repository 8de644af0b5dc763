#include "mouse/MouseHandlers.h"

#include "document/CSkyrigDoc.h"
#include "mouse/BoundaryAndExits.h"
#include "mouse/CablewayPicking.h"
#include "mouse/LandingPlacement.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/StatusTexts.h"

namespace skyrig {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr CellPoint kNoCell{-1, -1};

CellPoint cellAt(const AppContext& app, int logicalX, int logicalY) {
  double groundX = 0;
  double groundY = 0;
  mapToGround(app.doc, app.view, logicalX, logicalY, groundX, groundY);
  return cellUnderGroundPoint(app.doc, groundX, groundY);
}

bool found(CellPoint cell) { return cell.col >= 1 && cell.row >= 1; }

void resetPick(CSkyrigDoc& doc) {
  doc.pickStart = kNoCell;
  doc.pickEnd = kNoCell;
  doc.pickValid = 0;
}

void buttonDown(AppContext& app, CellPoint cell) {
  CSkyrigView& view = app.view;
  resetPick(app.doc);
  view.leftButtonHeld = 1;
  if (!view.placingLanding && !view.drawingBoundary && !view.placingTimberExit) return;
  if (!found(cell)) return;
  if (view.placingLanding) {
    app.doc.pickStart = cell;
    app.doc.pickValid = 1;
  } else if (view.drawingBoundary) {
    addBoundaryPoint(app, cell.col, cell.row);
  } else {
    placeTimberExit(app, cell.col, cell.row);
  }
}

// The search rectangle of a landing drag, as four dotted lines (not erased afterwards).
void drawSearchRectangle(AppContext& app, CellPoint start, CellPoint end) {
  const CellPoint corners[5] = {start, {end.col, start.row}, end, {start.col, end.row}, start};
  for (int k = 0; k < 4; ++k)
    cellLine(app.doc, app.view, app.canvas, corners[k].col, corners[k].row, corners[k + 1].col,
             corners[k + 1].row, 0, kBlue);
}

void mouseMove(AppContext& app, CellPoint cell) {
  CSkyrigDoc& doc = app.doc;
  if (!found(cell)) return;
  showStatus(app, movingStatus(doc, app.view.volumeShown, cell.col, cell.row));
  if (!app.view.leftButtonHeld || doc.pickValid != 1) return;
  doc.pickEnd = cell;
  if (doc.pickStart.col >= 0 && doc.pickStart.row >= 0)
    drawSearchRectangle(app, doc.pickStart, doc.pickEnd);
}

void buttonUp(AppContext& app, CellPoint cell) {
  CSkyrigDoc& doc = app.doc;
  app.view.leftButtonHeld = 0;
  doc.pickValid = 0;
  if (!found(cell)) {
    showStatus(app, noDataStatus());
    return;
  }
  fillCell(doc, app.canvas, cell.col, cell.row, kBlack);
  showStatus(app, releaseStatus(doc, app.view.volumeShown, cell.col, cell.row));
  if (app.view.placingLanding) placePendingLanding(app, cell.col, cell.row);
  if (app.view.pickingCableway) openProfileChecksAt(app, cell.col, cell.row);
}

void doubleClick(AppContext& app, CellPoint cell) {
  resetPick(app.doc);
  app.view.leftButtonHeld = 1;
  closeBoundary(app, found(cell));
}

}  // namespace

void handleMouse(AppContext& app, MouseAction action, int logicalX, int logicalY) {
  const CellPoint cell = cellAt(app, logicalX, logicalY);
  switch (action) {
    case MouseAction::Press:
      buttonDown(app, cell);
      break;
    case MouseAction::Move:
      mouseMove(app, cell);
      break;
    case MouseAction::Release:
      buttonUp(app, cell);
      break;
    case MouseAction::DoubleClick:
      doubleClick(app, cell);
      break;
  }
}

}  // namespace skyrig
