// A small project for the layers tests: a document and view with a DTM geometry of
// ncols x nrows cells of cellSize metres, and an AppContext over a recording canvas.
#pragma once

#include <memory>

#include "app/AppContext.h"
#include "app/Clock.h"
#include "app/Paths.h"
#include "app/Random.h"
#include "app/ScriptedUi.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/RecordingCanvas.h"

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

  LayersProject(int ncols, int nrows, int cellSize) {
    initialUpdate(doc, view);
    setGrid(ncols, nrows, cellSize);
  }

  void setGrid(int ncols, int nrows, int cellSize) {
    doc.ncols = ncols;
    doc.nrows = nrows;
    doc.cellSize = cellSize;
    doc.xll = 1000;
    doc.yll = 2000;
    doc.xMax = doc.xll + cellSize * (ncols - 1);
    doc.yMax = doc.yll + cellSize * (nrows - 1);
    doc.unitBox = {1, 1, ncols, nrows};
    for (int c = 1; c <= ncols; ++c)
      for (int r = 1; r <= nrows; ++r) doc.dtm(c, r) = {cellX(doc, c), cellY(doc, r), 0};
  }

  // Sets every elevation from f(c, r) and the elevation range as the DTM loader does.
  template <typename F>
  void setElevations(F f) {
    doc.minElevation = 9999;
    doc.maxElevation = -9999;
    for (int c = 1; c <= doc.ncols; ++c) {
      for (int r = 1; r <= doc.nrows; ++r) {
        const int z = f(c, r);
        doc.dtm(c, r).z = z;
        if (z >= 0 && z < doc.minElevation) doc.minElevation = z;
        if (z > doc.maxElevation) doc.maxElevation = z;
      }
    }
  }
};

}  // namespace skyrig::test
