// A small program instance for the view tests: a document with a little grid, a view after its
// initial update, a scripted Ui and a recording canvas; mouse events at cell centres.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "mouse/MouseHandlers.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig::testing {

using Lines = std::vector<std::string>;

struct ViewFixture {
  // A grid of ncols x nrows cells of 10 m with xll = 1000, yll = 2000 and every z = 500.
  ViewFixture(int ncols, int nrows, std::string root = ".")
      : doc(makeDocument()), view(std::make_unique<CSkyrigView>()), paths(std::move(root)) {
    initialUpdate(*doc, *view);
    doc->ncols = ncols;
    doc->nrows = nrows;
    doc->xll = 1000;
    doc->yll = 2000;
    doc->cellSize = 10;
    doc->xMax = doc->xll + doc->cellSize * (ncols - 1);
    doc->yMax = doc->yll + doc->cellSize * (nrows - 1);
    for (int c = 1; c <= ncols; ++c)
      for (int r = 1; r <= nrows; ++r) doc->dtm(c, r) = {cellX(*doc, c), cellY(*doc, r), 500};
    doc->minElevation = doc->maxElevation = 500;
    ui.recordStatus = true;
  }

  void mouse(MouseAction action, int c, int r) {
    const MapPoint p = cellCentre(*doc, *view, c, r);
    handleMouse(app, action, p.x, p.y);
  }
  void click(int c, int r) {
    mouse(MouseAction::Press, c, r);
    mouse(MouseAction::Release, c, r);
  }
  // As the platform reports it: press, release, double click, release.
  void doubleClick(int c, int r) {
    click(c, r);
    mouse(MouseAction::DoubleClick, c, r);
    mouse(MouseAction::Release, c, r);
  }

  // Recorded canvas calls, or Ui log lines, that begin with a prefix.
  Lines callsStartingWith(const std::string& prefix) const {
    return starting(canvas.calls, prefix);
  }
  Lines logStartingWith(const std::string& prefix) const { return starting(ui.log(), prefix); }
  static Lines starting(const Lines& lines, const std::string& prefix) {
    Lines out;
    for (const auto& line : lines)
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
  }

  std::unique_ptr<CSkyrigDoc> doc;
  std::unique_ptr<CSkyrigView> view;
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  FixedClock clock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};
};

}  // namespace skyrig::testing
