// Binds the layers operations to the command table: contour lines, volume clumping, the fish
// stream buffer and the stream and road layers.
#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "layers/ContourLines.h"
#include "layers/StreamBuffer.h"
#include "layers/VolumeClumping.h"
#include "params/ChokerLengthForm.h"
#include "params/ContourIntervalForm.h"
#include "params/FishStreamBufferForm.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapRedraw.h"

namespace skyrig {

namespace {

void changeContourInterval(AppContext& app) {
  CSkyrigDoc& doc = app.doc;
  ContourIntervalForm form(doc.maxElevation, doc.minElevation, doc.contourInterval);
  if (app.ui.runForm(form) != FormResult::Ok) return;
  doc.contourInterval = form.contourInterval();
  traceAllContours(doc, app.view, app.canvas, app.ui);
}

void drawContourLines(AppContext& app) {
  if (app.doc.contours.tracedMarker == -1)
    changeContourInterval(app);
  else
    drawContourStore(app.doc, app.canvas);
}

void clumpCells(AppContext& app) {
  CSkyrigDoc& doc = app.doc;
  CSkyrigView& view = app.view;
  if (view.clumpingDone) {
    showClumpedCells(doc, app.canvas);
    return;
  }
  if (doc.cellSize < 1) {
    app.ui.message("Open a DTM before clumping volume cells.", MessageIcon::Exclamation);
    return;
  }
  view.clumpingDone = 1;
  collectClumpCandidates(doc, view.layers);
  ChokerLengthForm form(doc.chokerLength);
  if (app.ui.runForm(form) == FormResult::Ok) doc.chokerLength = form.chokerLength();
  const int rings = clumpRingCount(doc);
  if (rings < 1) {
    app.ui.message(
        "Your DEM cell size is bigger than choker length. Clumping volume cells is not possible.",
        MessageIcon::Exclamation);
    return;
  }
  clumpCandidateCells(doc, view, app.canvas, app.random, rings);
}

void createBuffer(AppContext& app) {
  FishStreamBufferForm form;
  if (app.ui.runForm(form) != FormResult::Ok) return;
  buildStreamBuffer(app.doc, form.width());
  redrawShownLayer(app);
  drawStreamsAndBuffer(app.doc, app.canvas);
}

void showStreams(AppContext& app) {
  if (app.doc.streamBufferWidth < 1)
    createBuffer(app);
  else
    drawStreamsAndBuffer(app.doc, app.canvas);
}

}  // namespace

void bindLayersCommands(CommandTable& table) {
  table.bind("LayersChangeContourInterval", changeContourInterval);
  table.bind("LayersDrawContours", drawContourLines);
  table.bind("LayersClumpCells", clumpCells);
  table.bind("LayersShowStreams", showStreams);
  table.bind("LayersCreateBuffer", createBuffer);
  table.bind("LayersShowRoads", [](AppContext& app) { drawRoadCells(app.doc, app.canvas); });
}

}  // namespace skyrig
