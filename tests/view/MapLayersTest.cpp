#include <gtest/gtest.h>

#include "ViewTestSupport.h"
#include "app/CommandTable.h"
#include <cmath>

#include "view/MapDrawing.h"
#include "view/MapLayers.h"
#include "view/ViewOperations.h"

namespace skyrig {
namespace {

using testing::Lines;
using testing::ViewFixture;

// On these 10 m grids cell (c, r) covers left 10c + 85, right 10c + 95, top -10r - 95,
// bottom -10r - 85 in logical units; its centre is (10c + 90, -10r - 90).

TEST(ShowDem, ElevationClassesAtMinimumMaximumAndClassBorders) {
  ViewFixture f(3, 2);
  // Range 500..840: class = (z - 500) / 340 * 100 / 3.4.
  f.doc->maxElevation = 840;
  f.doc->dtm(1, 1).z = 500;    // 0
  f.doc->dtm(2, 1).z = 840;    // 29.41 -> 29
  f.doc->dtm(3, 1).z = 0;      // not drawn
  f.doc->dtm(1, 2).z = 616;    // 10.03 -> 10
  f.doc->dtm(2, 2).z = 615;    // 9.95 -> 9
  f.doc->dtm(3, 2).z = -9999;  // no data: not drawn
  f.view->volumeShown = 1;
  showDem(*f.doc, *f.view, f.canvas);
  EXPECT_EQ(f.canvas.calls,
            (Lines{"fill 95 -105 105 -95 0,255,0", "fill 105 -105 115 -95 75,100,100",
                   "fill 95 -115 105 -105 255,255,100", "fill 105 -115 115 -105 252,255,0"}));
  EXPECT_EQ(f.view->volumeShown, 0);
  // A flat terrain (maximum = minimum) is drawn in class 0.
  EXPECT_EQ(demClass(500, 500, 500), 0);
}

TEST(MapDrawing, GroundPointsFarOffTheMapAreClampedNotOverflowed) {
  ViewFixture f(3, 2);
  const double far = 1.0e300;
  EXPECT_EQ(groundToMap(*f.doc, *f.view, far, -far), (MapPoint{1000000000, -1000000000}));
  const MapPoint nan = groundToMap(*f.doc, *f.view, std::nan(""), 0.0);
  EXPECT_EQ(nan.x, 0);
}

TEST(ShowVolume, ClassBoundariesBelongToTheLowerClass) {
  ViewFixture f(3, 2);
  const float volumes[3][2] = {{0.5f, 1.0500001f}, {0.50001f, 0.0f}, {1.05f, 2.0f}};
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) f.doc->volumeGridOriginal(c, r) = volumes[c - 1][r - 1];
  f.doc->dtm(3, 2).z = 0;  // no terrain: not drawn
  showVolume(*f.doc, *f.view, f.canvas);
  EXPECT_EQ(f.canvas.calls,
            (Lines{"fill 95 -105 105 -95 100,250,100", "fill 105 -105 115 -95 80,220,80",
                   "fill 115 -105 125 -95 40,160,40", "fill 95 -115 105 -105 10,115,10",
                   "fill 105 -115 115 -105 255,255,255"}));
  EXPECT_EQ(f.view->volumeShown, 1);
}

TEST(Overlay, TimberExitsAreDrawnOnlyWithBoundaryPoints) {
  ViewFixture f(3, 2);
  f.doc->timberExitCount = 1;
  f.doc->timberExits[1] = {2, 2};  // row 2, column 2
  drawOverlay(*f.doc, *f.view, f.canvas);
  EXPECT_TRUE(f.canvas.calls.empty());
  f.doc->boundaryPointCount = 3;
  f.doc->boundaryPoints[1] = {1, 1};
  f.doc->boundaryPoints[2] = {3, 1};
  f.doc->boundaryPoints[3] = {3, 2};
  drawOverlay(*f.doc, *f.view, f.canvas);
  EXPECT_EQ(f.canvas.calls,
            (Lines{"line 100 -100 120 -100 5 0,0,0 solid", "line 120 -100 120 -110 5 0,0,0 solid",
                   "line 120 -110 100 -100 5 0,0,0 solid", "fill 105 -115 115 -105 0,255,0"}));
}

TEST(Overlay, HarvestUnitOutlineFramesBorderCellsOnly) {
  ViewFixture single(3, 3);
  single.doc->harvestUnitGrid(2, 2) = 1;
  drawOverlay(*single.doc, *single.view, single.canvas);
  EXPECT_EQ(single.canvas.calls, Lines{"frame 105 -115 115 -105 0 0,0,0"});
  // A unit over the whole grid: the cells on the grid border are outlined, the centre is not.
  ViewFixture whole(3, 3);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 3; ++r) whole.doc->harvestUnitGrid(c, r) = 7;
  drawOverlay(*whole.doc, *whole.view, whole.canvas);
  EXPECT_EQ(whole.canvas.calls.size(), 8u);
  EXPECT_EQ(whole.callsStartingWith("frame 105 -115 115 -105").size(), 0u);
}

TEST(Zoom, InStopsAtOneThousandButRedrawsOutHasNoLimit) {
  ViewFixture f(1, 1);
  for (int expected : {4000, 3000, 2000, 1000, 1000}) {
    f.canvas.calls.clear();
    ASSERT_TRUE(runCommand("ZoomIn", f.app));
    EXPECT_EQ(f.canvas.calls, (Lines{"extent " + std::to_string(expected), "clear",
                                     "fill 95 -105 105 -95 0,255,0"}));
  }
  showVolume(*f.doc, *f.view, f.canvas);
  for (int i = 0; i < 7; ++i) runCommand("ZoomOut", f.app);
  EXPECT_EQ(f.view->windowExtent, 8000);
  EXPECT_EQ(f.view->volumeShown, 0);  // zooming shows the DEM again
}

TEST(ViewCommands, WriteIdNumbersLabelsPlacedLandingsAtTheirCells) {
  ViewFixture f(3, 2);
  f.doc->landingCount = 3;
  f.doc->landings[1] = {1, 2, 1};  // row 1, column 2
  f.doc->landings[2] = {2, 3, 2};
  // Landing 3 is pending (no cell yet): nothing is written for it.
  ASSERT_TRUE(runCommand("CablewaysWriteIds", f.app));
  EXPECT_EQ(f.canvas.calls, (Lines{"text 105 -105 50 0,0,0 1", "text 115 -115 50 0,0,0 2"}));
}

}  // namespace
}  // namespace skyrig
