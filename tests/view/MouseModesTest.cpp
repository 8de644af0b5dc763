#include <gtest/gtest.h>

#include "ViewTestSupport.h"
#include "app/CommandTable.h"
#include "mouse/LandingPlacement.h"

namespace skyrig {
namespace {

using testing::Lines;
using testing::ViewFixture;

TEST(Boundary, SidesAreDrawnAsPlacedAndTheDoubleClickClosesAndComputesTheArea) {
  ViewFixture f(5, 5);
  ASSERT_TRUE(runCommand("BoundaryByMouse", f.app));
  f.click(1, 1);
  f.click(4, 1);
  f.doubleClick(4, 4);  // its first click adds point 3
  EXPECT_EQ(f.doc->boundaryPointCount, 3);
  EXPECT_EQ(f.view->drawingBoundary, 0);
  // Centres (1,1) = (100,-100), (4,1) = (130,-100), (4,4) = (130,-130); closing side last.
  const Lines lines = f.callsStartingWith("line");
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
            (Lines{"line 100 -100 130 -100 5 0,0,0 solid", "line 130 -100 130 -130 5 0,0,0 solid",
                   "line 100 -100 130 -130 5 0,0,0 solid"}));
  EXPECT_EQ(f.doc->unitBox, (UnitBox{1, 1, 4, 4}));
  EXPECT_EQ(f.doc->unitCellFlags(4, 4), 1);
  EXPECT_EQ(f.doc->unitCellFlags(1, 5), 0);

  // Without a polygon a double click (here while picking cable roads) leaves the area alone.
  ViewFixture none(5, 5);
  none.doc->unitBox = {1, 1, 5, 5};
  none.doc->unitCellFlags(2, 3) = 1;
  runCommand("CablewaysCheckProfile", none.app);
  none.doubleClick(3, 3);
  EXPECT_EQ(none.doc->unitBox, (UnitBox{1, 1, 5, 5}));
  EXPECT_EQ(none.doc->unitCellFlags(2, 3), 1);
}

TEST(Boundary, TheFiftiethPointIsRefused) {
  ViewFixture f(60, 1);
  runCommand("BoundaryByMouse", f.app);
  for (int c = 1; c <= 50; ++c) f.click(c, 1);
  EXPECT_EQ(f.ui.messages(),
            Lines{"message stop: No more points for the unit boundary can be accepted."});
  EXPECT_EQ(f.doc->boundaryPointCount, 49);
  EXPECT_EQ(f.doc->boundaryPoints[49], (CellPoint{49, 1}));
}

TEST(TimberExits, EachPressPlacesOneAndTheTwentiethIsRefused) {
  ViewFixture f(30, 2);
  for (int c = 1; c <= 20; ++c) {
    runCommand("NetworkRoadsTimberExits", f.app);
    f.canvas.calls.clear();
    f.mouse(MouseAction::Press, c, 2);
    EXPECT_EQ(f.view->placingTimberExit, 0);
    // The earlier exits are blackened, the new one is not.
    if (c == 3) {
      EXPECT_EQ(f.canvas.calls,
                (Lines{"fill 95 -115 105 -105 0,0,0", "fill 105 -115 115 -105 0,0,0"}));
    }
  }
  EXPECT_EQ(f.doc->timberExitCount, 19);
  EXPECT_EQ(f.doc->timberExits[19], (RowColPoint{2, 19}));
  EXPECT_EQ(f.ui.messages(), Lines{"message stop: No more than 19 timber exits can be accepted."});
}

TEST(LandingPlacement, PreparationChoosesTheLandingAndRefusesTheNinetyFirst) {
  ViewFixture f(3, 3);
  runCommand("LandingsPlace", f.app);
  EXPECT_EQ(f.doc->landingCount, 1);
  runCommand("LandingsPlace", f.app);  // landing 1 not placed yet: it is placed again
  EXPECT_EQ(f.doc->landingCount, 1);
  f.doc->landings[1].system = 2;
  runCommand("LandingsPlace", f.app);
  EXPECT_EQ(f.doc->landingCount, 2);

  f.doc->landingCount = 90;
  f.doc->landings[90] = {2, 2, 1};
  f.view->placingLanding = 0;
  const auto landings = f.doc->landings;
  runCommand("LandingsPlace", f.app);
  EXPECT_EQ(f.ui.messages(),
            Lines{"message stop: You cannot add more than 90 landing alternatives."});
  f.click(3, 3);
  EXPECT_EQ(f.doc->landingCount, 90);
  EXPECT_EQ(f.doc->landings, landings);
}

TEST(LandingPlacement, AClickPlacesAtTheReleasedCellAfterTheCableSystemForm) {
  ViewFixture f(3, 3);
  f.doc->currentCableSystem = 2;
  f.ui.queueAnswer({"Cable System", false, {{"Cable system", "3"}}});
  f.ui.queueAnswer({"Landing Info.", true, {{"Landing Construction Costs", "7000"}}});
  runCommand("LandingsPlace", f.app);
  handleMouse(f.app, MouseAction::Press, 5000, 5000);  // off the grid: nothing placed yet
  handleMouse(f.app, MouseAction::Release, 5000, 5000);
  EXPECT_EQ(f.canvas.calls, Lines{"status Data are not available..." + std::string(50, ' ')});
  f.canvas.calls.clear();
  f.click(2, 3);
  EXPECT_EQ(f.logStartingWith("form "),
            (Lines{"form Cable System: cancel", "form Landing Info.: ok"}));
  EXPECT_EQ(f.doc->landings[1], (Landing{3, 2, 2}));  // Cancel keeps system 2
  EXPECT_EQ(f.doc->landingConstructionCost[1], 7000.0f);
  EXPECT_EQ(f.view->placingLanding, 0);
  // Released cell, placed cell, label at the cell rectangle's (left, top).
  EXPECT_EQ(f.canvas.calls,
            (Lines{"fill 105 -125 115 -115 0,0,0", "status x:1010  y:2000  z:500  c:2  r:3  ",
                   "fill 105 -125 115 -115 0,0,0", "status x:1010  y:2000  z:500",
                   "text 105 -125 50 0,0,0 1"}));
}

TEST(LandingPlacement, DragScansTheRectangleColumnByColumnAndTheFirstBestWins) {
  ViewFixture f(15, 25);
  std::vector<CellPoint> order;
  const CellPoint best = bestLandingCell(*f.doc, f.canvas, {10, 20}, {12, 18}, [&](int c, int r) {
    order.push_back({c, r});
    return 5.0f;
  });
  EXPECT_EQ(order, (std::vector<CellPoint>{{10, 18},
                                           {10, 19},
                                           {10, 20},
                                           {11, 18},
                                           {11, 19},
                                           {11, 20},
                                           {12, 18},
                                           {12, 19},
                                           {12, 20}}));
  EXPECT_EQ(best, (CellPoint{10, 18}));
  EXPECT_EQ(f.callsStartingWith("fill").size(), 18u);  // whitened once, then before each score
  auto higherAt11 = [](int c, int r) { return c == 11 && r >= 19 ? 7.5f : 1.0f; };
  EXPECT_EQ(bestLandingCell(*f.doc, f.canvas, {12, 18}, {10, 20}, higherAt11), (CellPoint{11, 19}));
  EXPECT_EQ(bestLandingCell(*f.doc, f.canvas, {10, 20}, {12, 18}, [](int, int) { return -1.0f; }),
            (CellPoint{-1, -1}));
}

TEST(LandingPlacement, DraggingDrawsTheDottedSearchRectangle) {
  ViewFixture f(5, 5);
  runCommand("LandingsPlace", f.app);
  f.mouse(MouseAction::Press, 1, 1);
  f.canvas.calls.clear();
  f.mouse(MouseAction::Move, 3, 2);
  EXPECT_EQ(f.doc->pickEnd, (CellPoint{3, 2}));
  EXPECT_EQ(f.canvas.calls, (Lines{"status x:1020  y:2030  z:500  c:3  r:2      ",
                                   "line 100 -100 120 -100 5 0,0,255 dotted",
                                   "line 120 -100 120 -110 5 0,0,255 dotted",
                                   "line 120 -110 100 -110 5 0,0,255 dotted",
                                   "line 100 -110 100 -100 5 0,0,255 dotted"}));
}

TEST(MouseMove, StatusShowsTheVolumeWhileTheVolumeIsShown) {
  ViewFixture f(3, 3);
  f.doc->volumeGridOriginal(2, 1) = 0.75f;
  f.mouse(MouseAction::Move, 2, 1);
  f.view->volumeShown = 1;
  f.mouse(MouseAction::Move, 2, 1);
  handleMouse(f.app, MouseAction::Move, -4000, 4000);  // off the grid: the text stays
  EXPECT_EQ(f.ui.log(), (Lines{"status: x:1010  y:2020  z:500  c:2  r:1      ",
                               "status: x:1010  y:2020  z:0.8  c:2  r:1         "}));
}

TEST(CablewayPicking, EveryLandingWithARoadEndingInTheCellOpensTheProfileCheck) {
  ViewFixture f(10, 10);
  f.doc->landingCount = 3;
  f.doc->landings[1] = {2, 2, 1};
  f.doc->landings[2] = {2, 8, 2};
  f.doc->landings[3] = {8, 5, 0};  // no cable system: passed over
  for (auto [i, j] : {std::pair{1, 3}, {1, 7}, {2, 20}, {3, 0}}) {
    f.doc->cableways[i][j].endCol = 5;  // landing 1 has two roads there: one form only
    f.doc->cableways[i][j].endRow = 5;
  }
  runCommand("CablewaysCheckProfile", f.app);
  f.ui.queueAnswer({"Dialog", false, {}});
  f.ui.queueAnswer({"Dialog", true, {}});
  f.click(5, 5);
  f.click(6, 5);  // no road ends there
  EXPECT_EQ(f.logStartingWith("form "), (Lines{"form Dialog: cancel", "form Dialog: ok"}));
}

}  // namespace
}  // namespace skyrig
