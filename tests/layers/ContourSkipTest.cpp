#include <gtest/gtest.h>

#include "LayersTestGrid.h"
#include "layers/ContourLines.h"

namespace skyrig {
namespace {

using test::LayersProject;

// Tracing as first written: every cell of every level starts a trace, crossed or not.
void traceEveryCell(LayersProject& p) {
  CSkyrigDoc& doc = p.doc;
  doc.contours.allocate();
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) doc.contours.count(c, r) = 0;
  const int levels = contourLevelCount(doc.maxElevation, doc.minElevation, doc.contourInterval);
  for (int k = 1; k <= levels; ++k) {
    const double level = contourLevel(doc.minElevation, doc.contourInterval, k) + 0.1;
    p.view.layers.contourVisited.fill(0);
    p.view.layers.contourStart.fill(0);
    p.view.layers.penX = -1;
    for (int r = 1; r <= doc.nrows - 1; ++r) {
      for (int c = 1; c <= doc.ncols - 1; ++c) {
        traceContour(doc, p.view, p.canvas, c, r, level, 0);
        p.view.layers.penX = -1;
      }
    }
  }
  doc.contours.tracedMarker = 0;
}

// Skipping uncrossed cells gives the same segments, slots and drawing order on rough
// terrain with plateaus, saddles, cells without data and cells crossed by many levels.
TEST(ContourTracing, SkippingUncrossedCellsChangesNothing) {
  Random random(7);
  LayersProject literal(1, 1, 10), fast(1, 1, 10);
  for (int trial = 0; trial < 12; ++trial) {
    const int ncols = 20 + random.next() % 40, nrows = 20 + random.next() % 40;
    const int relief = 5 + random.next() % 200;
    literal.setGrid(ncols, nrows, 10);
    fast.setGrid(ncols, nrows, 10);
    literal.canvas.calls.clear();
    fast.canvas.calls.clear();
    std::vector<int> z;
    for (int i = 0; i < ncols * nrows; ++i) {
      const int draw = random.next();
      z.push_back(draw % 23 == 0 ? -9999 : draw % 5 == 0 ? relief / 2 : draw % relief);
    }
    auto elevation = [&](int c, int r) { return z[(c - 1) * nrows + (r - 1)]; };
    literal.setElevations(elevation);
    fast.setElevations(elevation);
    literal.doc.contourInterval = fast.doc.contourInterval = 1 + random.next() % 12;

    traceEveryCell(literal);
    ASSERT_TRUE(traceAllContours(fast.doc, fast.view, fast.canvas, fast.ui));
    ASSERT_EQ(fast.canvas.calls, literal.canvas.calls) << trial;
    for (int c = 1; c <= ncols; ++c) {
      for (int r = 1; r <= nrows; ++r) {
        ASSERT_EQ(fast.doc.contours.count(c, r), literal.doc.contours.count(c, r));
        for (int k = 0; k < kContourSlotsPerCell; ++k)
          ASSERT_EQ(fast.doc.contours.slot(c, r, k), literal.doc.contours.slot(c, r, k));
      }
    }
  }
}

}  // namespace
}  // namespace skyrig
