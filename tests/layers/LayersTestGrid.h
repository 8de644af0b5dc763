// A small project for the layers tests: document, view and AppContext over a recording canvas,
// with a DTM geometry of 10 m cells whose cell (c, r) centre draws at (10c + 90, -10r - 90).
#pragma once

#include <memory>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::test {

struct LayersProject {
  std::unique_ptr<CSkyrigDoc> docPtr = makeDocument();
  std::unique_ptr<CSkyrigView> viewPtr = std::make_unique<CSkyrigView>();
  CSkyrigDoc& doc = *docPtr;
  CSkyrigView& view = *viewPtr;
  RecordingCanvas canvas;
  ScriptedUi ui;
  Paths paths;
  FixedClock clock;
  Random random;
  AppContext app{doc, view, ui, canvas, paths, clock, random};

  LayersProject(int ncols, int nrows, int cellSize = 10) {
    initialUpdate(doc, view);
    setGrid(ncols, nrows, cellSize);
  }
  void setGrid(int ncols, int nrows, int cellSize) {
    doc.ncols = ncols;
    doc.nrows = nrows;
    doc.cellSize = cellSize;
    doc.xll = 1000;
    doc.yll = 2000;
    doc.yMax = doc.yll + cellSize * (nrows - 1);
    doc.unitBox = {1, 1, ncols, nrows};
    for (int c = 1; c <= ncols; ++c)
      for (int r = 1; r <= nrows; ++r) doc.dtm(c, r) = {cellX(doc, c), cellY(doc, r), 0};
  }
  // Elevations from f(c, r), with the range the DTM loader would set.
  template <typename F>
  void setElevations(F f) {
    doc.minElevation = 9999;
    doc.maxElevation = -9999;
    for (int c = 1; c <= doc.ncols; ++c) {
      for (int r = 1; r <= doc.nrows; ++r) {
        doc.dtm(c, r).z = f(c, r);
        if (f(c, r) >= 0) doc.minElevation = std::min(doc.minElevation, f(c, r));
        doc.maxElevation = std::max(doc.maxElevation, f(c, r));
      }
    }
  }
  int segments() const {
    int n = 0;
    for (int c = 1; c <= doc.ncols; ++c)
      for (int r = 1; r <= doc.nrows; ++r) n += doc.contours.count(c, r);
    return n;
  }
};

}  // namespace skyrig::test
