#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <cstdio>

#include "LayersTestGrid.h"
#include "layers/ContourLines.h"

namespace skyrig {
namespace {

using Project = test::LayersProject;
using Seg = ContourSegment;

void trace(Project& p, int interval) {
  p.doc.contourInterval = interval;
  ASSERT_TRUE(traceAllContours(p.doc, p.view, p.canvas, p.ui));
}

TEST(ContourLevels, FirstLevelLiesOneIntervalAboveTheLowest) {
  EXPECT_EQ(contourLevelCount(1000, 500, 100), 6);
  EXPECT_EQ(contourLevel(500, 100, 1), 600);
  EXPECT_EQ(contourLevel(500, 100, 6), 1100);
  EXPECT_EQ(contourLevelCount(1000, 500, 0), 0);
}

// 500..1000 m rising 100 m a column eastwards: levels 600..900 cross one column of cells each,
// 0.01 m east of its centre; rows 1 and 4 are crossed too but border cells carry nothing.
TEST(ContourTracing, RampGivesOneLinePerLevelAwayFromTheBorder) {
  Project p(7, 4);
  p.setElevations([](int c, int) { return std::min(400 + 100 * c, 1000); });
  trace(p, 100);
  EXPECT_EQ(p.segments(), 8);
  for (int c = 2; c <= 5; ++c) {
    const int x = 10 * c + 90, level = 400 + 100 * c;
    EXPECT_EQ(p.doc.contours.slot(c, 2, 0), (Seg{x, -110, x, -120, level}));
    EXPECT_EQ(p.doc.contours.slot(c, 3, 0), (Seg{x, -120, x, -130, level}));
  }
  EXPECT_EQ(p.canvas.calls[0], "line 110 -110 110 -120 1 0,0,0 solid");
  EXPECT_EQ(p.doc.contours.tracedMarker, 0);
}

// A plateau exactly at a level has no line; a 600 m knoll on it is ringed 0.01 m off the
// plateau corners. Cell (2,2) between 10 m corners (3,2), (2,3) and 0 m corners is a saddle:
// its first two crossed edges (1 and 2) are joined.
TEST(ContourTracing, FlatLevelGivesNoLineAndSaddleJoinsItsFirstTwoEdges) {
  Project flat(7, 7);
  flat.setElevations([](int c, int r) { return c == 1 && r == 1 ? 400 : c == 4 && r == 4 ? 600 : 500; });
  trace(flat, 100);
  EXPECT_EQ(flat.segments(), 4);
  EXPECT_EQ(flat.doc.contours.slot(3, 3, 0), (Seg{130, -120, 120, -130, 500}));

  Project saddle(5, 5);
  saddle.setElevations([](int c, int r) { return (c == 3 && r == 2) || (c == 2 && r == 3) ? 10 : 0; });
  trace(saddle, 5);
  EXPECT_EQ(saddle.segments(), 3);
  EXPECT_EQ(saddle.doc.contours.slot(2, 2, 0), (Seg{115, -110, 120, -114, 5}));
  EXPECT_EQ(saddle.doc.contours.slot(3, 2, 0), (Seg{120, -114, 124, -110, 5}));
  EXPECT_EQ(saddle.doc.contours.slot(2, 3, 0), (Seg{114, -120, 110, -124, 5}));
}

// Cells (2,2) and (2,3) between 0 and 1200 m are crossed by levels 100..1100: nine stay
// counted, the tenth and eleventh share the tenth slot, and a redraw shows the nine.
TEST(ContourTracing, CountStopsAtNineAndTheTenthSlotIsOverwritten) {
  Project p(4, 4);
  p.setElevations([](int c, int) { return c >= 3 ? 1200 : 0; });
  trace(p, 100);
  ASSERT_EQ(p.doc.contours.count(2, 2), 9);
  EXPECT_EQ(p.doc.contours.slot(2, 2, 8).level, 900);
  EXPECT_EQ(p.doc.contours.slot(2, 2, 9).level, 1100);
  RecordingCanvas redraw;
  drawContourStore(p.doc, redraw);
  EXPECT_EQ(p.canvas.calls.size(), 22u);
  EXPECT_EQ(redraw.calls.size(), 18u);
  EXPECT_EQ(redraw.calls[8], "line 117 -110 117 -120 1 0,0,0 solid");  // 10 x 900.1 / 1200
}

// The outline of a one-cell-wide serpentine ridge over 699 x 699 cells is one contour through
// about a quarter of a million cells, traced on a thread with a 256 KB stack.
TEST(ContourTracing, LongChainRunsOnASmallStack) {
  Project p(699, 699);
  p.setElevations([](int c, int r) {
    if (c % 4 == 0) return c <= 696 && r >= 4 && r <= 696 ? 10 : 0;
    const int k = c / 4;  // connector from ridge column 4k to 4k + 4, alternately south and north
    return c > 4 && 4 * k + 4 <= 696 && r == (k % 2 == 0 ? 696 : 4) ? 10 : 0;
  });
  p.doc.contourInterval = 5;
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, 256 * 1024);
  pthread_t thread;
  auto run = [](void* project) -> void* {
    auto& q = *static_cast<Project*>(project);
    traceAllContours(q.doc, q.view, q.canvas, q.ui);
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attr, run, &p), 0);
  pthread_join(thread, nullptr);

  ASSERT_GT(p.canvas.calls.size(), 240000u);
  int x1, y1, x2, y2, lastX = 0, lastY = 0, breaks = 0;
  for (std::size_t i = 0; i < p.canvas.calls.size(); ++i) {
    std::sscanf(p.canvas.calls[i].c_str(), "line %d %d %d %d", &x1, &y1, &x2, &y2);
    breaks += i > 0 && (x1 != lastX || y1 != lastY);
    lastX = x2;
    lastY = y2;
  }
  EXPECT_EQ(breaks, 0);
}

// Starting the tracer only on crossed cells gives the segments, counts and drawing order of
// starting it on every cell, on rough terrain with plateaus, saddles and cells without data.
TEST(ContourTracing, SkippingUncrossedCellsChangesNothing) {
  Random random(7);
  Project literal(1, 1), fast(1, 1);
  for (int trial = 0; trial < 12; ++trial) {
    const int ncols = 20 + random.next() % 40, nrows = 20 + random.next() % 40;
    const int relief = 5 + random.next() % 200, interval = 1 + random.next() % 12;
    std::vector<int> z;
    for (int i = 0; i < ncols * nrows; ++i) {
      const int d = random.next();
      z.push_back(d % 23 == 0 ? -9999 : d % 5 == 0 ? relief / 2 : d % relief);
    }
    for (Project* p : {&literal, &fast}) {
      p->setGrid(ncols, nrows, 10);
      p->setElevations([&](int c, int r) { return z[(c - 1) * nrows + (r - 1)]; });
      p->canvas.calls.clear();
      p->doc.contours.allocate();
      std::fill(p->doc.contours.counts.begin(), p->doc.contours.counts.end(), 0);
    }
    trace(fast, interval);
    for (int k = 1; k <= contourLevelCount(fast.doc.maxElevation, fast.doc.minElevation, interval); ++k) {
      literal.view.layers.contourVisited.fill(0);
      literal.view.layers.contourStart.fill(0);
      for (int r = 1; r < nrows; ++r) {
        for (int c = 1; c < ncols; ++c) {
          literal.view.layers.penX = -1;
          traceContour(literal.doc, literal.view, literal.canvas, c, r,
                       contourLevel(fast.doc.minElevation, interval, k) + 0.1, 0);
        }
      }
    }
    ASSERT_EQ(fast.canvas.calls, literal.canvas.calls) << trial;
    ASSERT_TRUE(fast.doc.contours.counts == literal.doc.contours.counts) << trial;
  }
}

}  // namespace
}  // namespace skyrig
