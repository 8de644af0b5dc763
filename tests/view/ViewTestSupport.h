// A small program instance for the view tests: a document with a little grid, a view after its
// initial update, a scripted Ui and a recording canvas.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/Clock.h"
#include "app/Paths.h"
#include "app/Random.h"
#include "app/ScriptedUi.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/RecordingCanvas.h"

namespace skyrig::testing {

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
    doc->minElevation = 500;
    doc->maxElevation = 500;
    ui.recordStatus = true;
  }

  // The logical map point at the centre of a cell, as the mouse would give it.
  MapPoint at(int c, int r) const { return cellCentre(*doc, *view, c, r); }

  // The recorded calls that begin with a prefix.
  std::vector<std::string> callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& call : canvas.calls)
      if (call.rfind(prefix, 0) == 0) out.push_back(call);
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
