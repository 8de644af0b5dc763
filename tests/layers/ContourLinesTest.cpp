#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <set>

#include "LayersTestGrid.h"
#include "layers/ContourLines.h"

namespace skyrig {
namespace {

using test::LayersProject;

int segmentCount(const CSkyrigDoc& doc) {
  int total = 0;
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r) total += doc.contours.count(c, r);
  return total;
}

void trace(LayersProject& p) { ASSERT_TRUE(traceAllContours(p.doc, p.view, p.canvas, p.ui)); }

TEST(ContourLevels, StartOneIntervalAboveTheLowestElevation) {
  EXPECT_EQ(contourLevelCount(1000, 500, 100), 6);
  std::vector<int> levels;
  for (int k = 1; k <= 6; ++k) levels.push_back(contourLevel(500, 100, k));
  EXPECT_EQ(levels, (std::vector<int>{600, 700, 800, 900, 1000, 1100}));
  EXPECT_EQ(contourLevelCount(1000, 500, 0), 0);
  EXPECT_EQ(contourLevelCount(1000, 500, -5), 0);
}

// Elevations 500..1000 rising eastwards by 100 m a column: levels 600..900 each cross one
// column of cells; 1000 and 1100 cross none, and 500 is not a level.
TEST(ContourTracing, RampGivesOneVerticalLinePerLevelAndSparesTheBorder) {
  LayersProject p(7, 4, 10);
  p.setElevations([](int c, int) { return std::min(500 + 100 * (c - 1), 1000); });
  p.doc.contourInterval = 100;
  trace(p);
  EXPECT_EQ(p.doc.contours.tracedMarker, 0);
  EXPECT_EQ(segmentCount(p.doc), 8);
  for (int c = 2; c <= 5; ++c) {
    const int x = 10 * (c - 1) + 100;  // 0.01 m east of the column's centre, truncated
    const int level = 500 + 100 * (c - 1);
    ASSERT_EQ(p.doc.contours.count(c, 2), 1) << c;
    ASSERT_EQ(p.doc.contours.count(c, 3), 1) << c;
    EXPECT_EQ(p.doc.contours.slot(c, 2, 0), (ContourSegment{x, -110, x, -120, level}));
    EXPECT_EQ(p.doc.contours.slot(c, 3, 0), (ContourSegment{x, -120, x, -130, level}));
  }
  EXPECT_EQ(p.canvas.calls.size(), 8u);
  EXPECT_EQ(p.canvas.calls[0], "line 110 -110 110 -120 1 0,0,0 solid");
}

TEST(ContourTracing, BorderCellsNeverStartOrCarryASegment) {
  for (const bool eastward : {true, false}) {
    LayersProject p(eastward ? 9 : 6, eastward ? 6 : 9, 10);
    p.setElevations([&](int c, int r) { return 10 * (eastward ? c : r) + 3 * (c + r); });
    trace(p);
    EXPECT_GT(segmentCount(p.doc), 0);
    for (int c = 1; c <= p.doc.ncols; ++c) {
      for (int r = 1; r <= p.doc.nrows; ++r) {
        const bool border = c == 1 || r == 1 || c == p.doc.ncols || r == p.doc.nrows;
        if (border) {
          EXPECT_EQ(p.doc.contours.count(c, r), 0) << c << "," << r;
        }
      }
    }
  }
}

// A plateau exactly at a level has no line; a 600 m knoll on it is ringed by the 500.1 m
// line through the four cells around it, 0.01 m from the plateau corners.
TEST(ContourTracing, FlatAreaAtALevelGivesNoLine) {
  LayersProject p(7, 7, 10);
  p.setElevations([](int c, int r) { return c == 1 && r == 1 ? 400 : 500; });
  p.doc.contourInterval = 100;
  trace(p);
  EXPECT_EQ(segmentCount(p.doc), 0);

  p.doc.dtm(4, 4).z = 600;
  p.doc.maxElevation = 600;
  trace(p);
  EXPECT_EQ(segmentCount(p.doc), 4);
  for (const auto& [c, r] : {std::pair{3, 3}, {4, 3}, {3, 4}, {4, 4}})
    EXPECT_EQ(p.doc.contours.count(c, r), 1);
  EXPECT_EQ(p.doc.contours.slot(3, 3, 0).level, 500);
  // Cell (3,3): the pen starts on edge 2 at y = -130 + 9.99 and goes to edge 3 at x = 130 - 9.99.
  EXPECT_EQ(p.doc.contours.slot(3, 3, 0), (ContourSegment{130, -120, 120, -130, 500}));
}

// Cell (2,2) is a saddle: corners (3,2) and (2,3) at 10 m, (2,2) and (3,3) at 0. Its first two
// crossing edges in edge order (1 and 2) are joined; edges 3 and 4 join in cell (2,3).
TEST(ContourTracing, SaddleJoinsTheFirstTwoCrossingEdges) {
  LayersProject p(5, 5, 10);
  p.setElevations([](int c, int r) { return (c == 3 && r == 2) || (c == 2 && r == 3) ? 10 : 0; });
  p.doc.contourInterval = 5;
  trace(p);
  ASSERT_EQ(p.doc.contours.count(2, 2), 1);
  EXPECT_EQ(p.doc.contours.slot(2, 2, 0), (ContourSegment{115, -110, 120, -114, 5}));
  ASSERT_EQ(p.doc.contours.count(3, 2), 1);
  EXPECT_EQ(p.doc.contours.slot(3, 2, 0), (ContourSegment{120, -114, 124, -110, 5}));
  ASSERT_EQ(p.doc.contours.count(2, 3), 1);
  EXPECT_EQ(p.doc.contours.slot(2, 3, 0), (ContourSegment{114, -120, 110, -124, 5}));
  EXPECT_EQ(segmentCount(p.doc), 3);
}

// Column 2 at 0 m, column 3 at 1200 m: cells (2,2) and (2,3) are crossed by eleven levels
// (100..1100). The first nine stay counted; the tenth and eleventh share the tenth slot.
TEST(ContourTracing, CountStopsAtNineAndLaterSegmentsOverwriteTheTenthSlot) {
  LayersProject p(4, 4, 10);
  p.setElevations([](int c, int) { return c >= 3 ? 1200 : 0; });
  p.doc.contourInterval = 100;
  trace(p);
  ASSERT_EQ(p.doc.contours.count(2, 2), 9);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(p.doc.contours.slot(2, 2, k).level, 100 * (k + 1));
  EXPECT_EQ(p.doc.contours.slot(2, 2, 9).level, 1100);
  EXPECT_EQ(p.canvas.calls.size(), 22u);  // every segment is drawn while tracing

  RecordingCanvas redraw;
  drawContourStore(p.doc, redraw);
  EXPECT_EQ(redraw.calls.size(), 18u);  // nine per cell from the store
  // Level 900.1 m crosses edge 1 at 10 x 900.1 / 1200 = 7.5 m east of column 2.
  EXPECT_EQ(redraw.calls[8], "line 117 -110 117 -120 1 0,0,0 solid");
}

// Counts the lines drawn and the times a line does not start where the previous one ended.
class ChainCanvas final : public Canvas {
 public:
  void fillRect(int, int, int, int, Rgb) override {}
  void frameRect(int, int, int, int, int, Rgb) override {}
  void line(int x1, int y1, int x2, int y2, int, Rgb, PenStyle) override {
    if (lines > 0 && (x1 != lastX || y1 != lastY)) ++breaks;
    ++lines;
    lastX = x2;
    lastY = y2;
  }
  void text(int, int, std::string_view, int, Rgb) override {}
  void clear() override {}
  void statusText(std::string_view) override {}
  void setWindowExtent(int) override {}
  long lines = 0;
  long breaks = 0;
  int lastX = 0, lastY = 0;
};

// A one-cell-wide serpentine ridge over a 699 x 699 grid: its outline is a single contour
// through about a quarter of a million cells, traced on a thread with a 256 KB stack.
TEST(ContourTracing, LongChainDoesNotGrowTheStack) {
  LayersProject p(699, 699, 10);
  const int n = 699;
  p.setElevations([&](int c, int r) {
    if (c % 4 == 0 && c <= n - 3 && r >= 4 && r <= n - 3) return 10;
    const int k = c / 4;  // connector between ridge columns 4k and 4k + 4
    if (c > 4 && c % 4 != 0 && 4 * k + 4 <= n - 3) return r == (k % 2 == 0 ? n - 3 : 4) ? 10 : 0;
    return 0;
  });
  p.doc.contourInterval = 5;
  long mixedCells = 0;
  for (int c = 2; c <= n - 1; ++c) {
    for (int r = 2; r <= n - 1; ++r) {
      const int high = (p.doc.dtm(c, r).z > 0) + (p.doc.dtm(c + 1, r).z > 0) +
                       (p.doc.dtm(c + 1, r + 1).z > 0) + (p.doc.dtm(c, r + 1).z > 0);
      mixedCells += high > 0 && high < 4;
    }
  }

  struct Job {
    LayersProject* project;
    ChainCanvas canvas;
    bool ok = false;
  } job{&p, {}, false};
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, 256 * 1024);
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attr,
                [](void* arg) -> void* {
                  auto* j = static_cast<Job*>(arg);
                  j->ok = traceAllContours(j->project->doc, j->project->view, j->canvas,
                                           j->project->ui);
                  return nullptr;
                },
                &job),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);

  ASSERT_TRUE(job.ok);
  EXPECT_GT(mixedCells, 240000);
  EXPECT_EQ(job.canvas.lines, mixedCells);
  EXPECT_EQ(job.canvas.breaks, 0);
}

}  // namespace
}  // namespace skyrig
