#include <gtest/gtest.h>

#include "ViewTestSupport.h"
#include "app/CommandTable.h"
#include "view/LandingPlacement.h"
#include "view/MouseHandlers.h"

namespace skyrig {
namespace {

using testing::ViewFixture;

void mouse(ViewFixture& f, MouseAction action, int c, int r) {
  const MapPoint p = f.at(c, r);
  handleMouse(f.app, action, p.x, p.y);
}

void click(ViewFixture& f, int c, int r) {
  mouse(f, MouseAction::Press, c, r);
  mouse(f, MouseAction::Release, c, r);
}

void doubleClick(ViewFixture& f, int c, int r) {
  click(f, c, r);
  mouse(f, MouseAction::DoubleClick, c, r);
  mouse(f, MouseAction::Release, c, r);
}

TEST(Boundary, PointsAreJoinedAsPlacedAndTheDoubleClickClosesThePolygon) {
  ViewFixture f(5, 5);
  ASSERT_TRUE(runCommand("BoundaryByMouse", f.app));
  click(f, 1, 1);
  click(f, 4, 1);
  doubleClick(f, 4, 4);  // its first click adds point 3
  EXPECT_EQ(f.doc->boundaryPointCount, 3);
  EXPECT_EQ(f.doc->boundaryPoints[3], (CellPoint{4, 4}));
  EXPECT_EQ(f.view->drawingBoundary, 0);
  // Centres: (1,1) = (100,-100), (4,1) = (130,-100), (4,4) = (130,-130). The sides are drawn
  // as the points come, the closing side last; the harvest area computation follows.
  const std::vector<std::string> expected = {"line 100 -100 130 -100 5 0,0,0 solid",
                                             "line 130 -100 130 -130 5 0,0,0 solid",
                                             "line 100 -100 130 -130 5 0,0,0 solid"};
  const auto lines = f.callsStartingWith("line");
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3), expected);
  EXPECT_EQ(f.doc->unitBox, (UnitBox{1, 1, 4, 4}));
  for (const auto& corner : {CellPoint{1, 1}, CellPoint{4, 1}, CellPoint{4, 4}})
    EXPECT_EQ(f.doc->unitCellFlags(corner.col, corner.row), 1);
  EXPECT_EQ(f.doc->unitCellFlags(1, 5), 0);
}

TEST(Boundary, ADoubleClickWithoutAPolygonLeavesTheHarvestArea) {
  ViewFixture f(5, 5);
  f.doc->unitBox = {1, 1, 5, 5};
  f.doc->unitCellFlags(2, 3) = 1;
  ASSERT_TRUE(runCommand("CablewaysCheckProfile", f.app));
  doubleClick(f, 3, 3);
  EXPECT_EQ(f.doc->unitBox, (UnitBox{1, 1, 5, 5}));
  EXPECT_EQ(f.doc->unitCellFlags(2, 3), 1);
}

TEST(Boundary, TheFiftiethPointIsRefused) {
  ViewFixture f(60, 1);
  ASSERT_TRUE(runCommand("BoundaryByMouse", f.app));
  for (int c = 1; c <= 49; ++c) click(f, c, 1);
  EXPECT_TRUE(f.ui.messages().empty());
  click(f, 50, 1);
  EXPECT_EQ(f.ui.messages(),
            std::vector<std::string>{
                "message stop: No more points for the unit boundary can be accepted."});
  EXPECT_EQ(f.doc->boundaryPointCount, 49);
  EXPECT_EQ(f.doc->boundaryPoints[49], (CellPoint{49, 1}));
  EXPECT_EQ(f.view->drawingBoundary, 1);
}

TEST(TimberExits, EachPressPlacesOneExitAndBlackensTheEarlierOnes) {
  ViewFixture f(5, 5);
  for (int c = 1; c <= 3; ++c) {
    ASSERT_TRUE(runCommand("NetworkRoadsTimberExits", f.app));
    f.canvas.calls.clear();
    mouse(f, MouseAction::Press, c, 2);
    EXPECT_EQ(f.view->placingTimberExit, 0);
  }
  // The third press blackened exits 1 and 2, not itself.
  const std::vector<std::string> expected = {"fill 95 -115 105 -105 0,0,0",
                                             "fill 105 -115 115 -105 0,0,0"};
  EXPECT_EQ(f.canvas.calls, expected);
  EXPECT_EQ(f.doc->timberExitCount, 3);
  EXPECT_EQ(f.doc->timberExits[3], (RowColPoint{2, 3}));
  // A press without the mode places nothing.
  mouse(f, MouseAction::Press, 5, 5);
  EXPECT_EQ(f.doc->timberExitCount, 3);
}

TEST(TimberExits, TheTwentiethExitIsRefusedAndNothingIsWrittenPastTheTable) {
  ViewFixture f(30, 1);
  for (int c = 1; c <= 20; ++c) {
    runCommand("NetworkRoadsTimberExits", f.app);
    mouse(f, MouseAction::Press, c, 1);
  }
  EXPECT_EQ(f.doc->timberExitCount, 19);
  EXPECT_EQ(f.doc->timberExits[19], (RowColPoint{1, 19}));
  EXPECT_EQ(f.ui.messages(), std::vector<std::string>{
                                 "message stop: No more than 19 timber exits can be accepted."});
  EXPECT_EQ(f.view->placingTimberExit, 0);
}

TEST(LandingPlacement, PreparationChoosesTheLandingToPlace) {
  ViewFixture f(3, 3);
  runCommand("LandingsPlace", f.app);
  EXPECT_EQ(f.doc->landingCount, 1);
  EXPECT_EQ(f.view->placingLanding, 1);
  runCommand("LandingsPlace", f.app);  // landing 1 still not placed: placed again
  EXPECT_EQ(f.doc->landingCount, 1);
  f.doc->landings[1].system = 2;
  runCommand("LandingsPlace", f.app);
  EXPECT_EQ(f.doc->landingCount, 2);
}

TEST(LandingPlacement, TheNinetyFirstLandingIsRefused) {
  ViewFixture f(3, 3);
  f.doc->landingCount = 90;
  f.doc->landings[90] = {2, 2, 1};
  const auto landings = f.doc->landings;
  runCommand("LandingsPlace", f.app);
  EXPECT_EQ(
      f.ui.messages(),
      std::vector<std::string>{"message stop: You cannot add more than 90 landing alternatives."});
  EXPECT_EQ(f.view->placingLanding, 0);
  click(f, 3, 3);
  EXPECT_EQ(f.doc->landingCount, 90);
  EXPECT_EQ(f.doc->landings, landings);
}

TEST(LandingPlacement, AClickPlacesTheLandingAtTheReleasedCell) {
  ViewFixture f(3, 3);
  f.doc->currentCableSystem = 0;
  runCommand("LandingsPlace", f.app);
  f.canvas.calls.clear();
  click(f, 2, 3);
  EXPECT_EQ(f.doc->landings[1], (Landing{3, 2, 1}));
  EXPECT_EQ(f.doc->currentCableSystem, 1);
  EXPECT_EQ(f.view->placingLanding, 0);
  // Released cell, landing cell, label below the cell's lower-left corner.
  const std::vector<std::string> calls = {
      "fill 105 -125 115 -115 0,0,0", "status x:1010  y:2000  z:500  c:2  r:3  ",
      "fill 105 -125 115 -115 0,0,0", "status x:1010  y:2000  z:500", "text 105 -125 50 0,0,0 1"};
  EXPECT_EQ(f.canvas.calls, calls);
}

TEST(LandingPlacement, CableSystemFormComesFirstAndCancelKeepsTheSystem) {
  ViewFixture f(3, 3);
  f.doc->currentCableSystem = 2;
  f.ui.queueAnswer({"Cable System", false, {{"Cable system", "3"}}});
  f.ui.queueAnswer({"Landing Info.", true, {{"Landing Construction Costs", "7000"}}});
  runCommand("LandingsPlace", f.app);
  click(f, 3, 1);
  const std::vector<std::string> forms = {"form Cable System: cancel", "form Landing Info.: ok"};
  std::vector<std::string> seen;
  for (const auto& line : f.ui.log())
    if (line.rfind("form ", 0) == 0) seen.push_back(line);
  EXPECT_EQ(seen, forms);
  EXPECT_EQ(f.doc->landings[1], (Landing{1, 3, 2}));
  EXPECT_EQ(f.doc->currentCableSystem, 2);
  EXPECT_EQ(f.doc->landingConstructionCost[1], 7000.0f);
}

TEST(LandingPlacement, CableSystemChosenWithOkGoesToTheLanding) {
  ViewFixture f(3, 3);
  f.doc->currentCableSystem = 1;
  f.ui.queueAnswer({"Cable System", true, {{"Cable system", "3"}}});
  runCommand("LandingsPlace", f.app);
  click(f, 2, 2);
  EXPECT_EQ(f.doc->landings[1].system, 3);
  EXPECT_EQ(f.doc->currentCableSystem, 3);
}

TEST(LandingDeletion, TheDeleteLandingsFormChoosesTheLanding) {
  ViewFixture f(3, 3);
  f.doc->landingCount = 3;
  for (int i = 1; i <= 3; ++i) f.doc->landings[i] = {i, i, 1};
  f.ui.queueAnswer({"Delete Landings", false, {{"Landing ID", "2"}}});
  runCommand("LandingsDelete", f.app);
  EXPECT_EQ(f.doc->landingCount, 3);
  f.ui.queueAnswer({"Delete Landings", true, {{"Landing ID", "2"}}});
  runCommand("LandingsDelete", f.app);
  EXPECT_EQ(f.doc->landingCount, 2);
  EXPECT_EQ(f.doc->landings[2], (Landing{3, 3, 1}));
}

TEST(LandingPlacement, AReleaseOffTheGridKeepsThePlacementPending) {
  ViewFixture f(3, 3);
  runCommand("LandingsPlace", f.app);
  handleMouse(f.app, MouseAction::Press, 5000, 5000);
  handleMouse(f.app, MouseAction::Release, 5000, 5000);
  EXPECT_EQ(f.canvas.calls,
            std::vector<std::string>{"status Data are not available..." + std::string(50, ' ')});
  EXPECT_EQ(f.view->placingLanding, 1);
  EXPECT_EQ(f.doc->landings[1].system, 0);
}

TEST(LandingPlacement, APointOnACellBorderFindsNoCell) {
  ViewFixture f(3, 3);
  runCommand("LandingsPlace", f.app);
  // x = 105 is the border between columns 1 and 2.
  handleMouse(f.app, MouseAction::Press, 105, -100);
  EXPECT_EQ(f.doc->pickValid, 0);
  EXPECT_EQ(f.doc->pickStart, (CellPoint{-1, -1}));
}

TEST(LandingPlacement, DragScansTheRectangleColumnByColumnAndTheFirstBestWins) {
  ViewFixture f(15, 25);
  std::vector<CellPoint> order;
  const CellPoint best = bestLandingCell(*f.doc, f.canvas, {10, 20}, {12, 18}, [&](int c, int r) {
    order.push_back({c, r});
    return 5.0f;
  });
  const std::vector<CellPoint> expected = {{10, 18}, {10, 19}, {10, 20}, {11, 18}, {11, 19},
                                           {11, 20}, {12, 18}, {12, 19}, {12, 20}};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(best, (CellPoint{10, 18}));
  // Nine white fills first, then one more before each score.
  EXPECT_EQ(f.callsStartingWith("fill").size(), 18u);

  const CellPoint later = bestLandingCell(*f.doc, f.canvas, {12, 18}, {10, 20}, [](int c, int r) {
    return c == 11 && r >= 19 ? 7.5f : 1.0f;
  });
  EXPECT_EQ(later, (CellPoint{11, 19}));

  const CellPoint none =
      bestLandingCell(*f.doc, f.canvas, {10, 20}, {12, 18}, [](int, int) { return -1.0f; });
  EXPECT_EQ(none, (CellPoint{-1, -1}));
}

TEST(LandingPlacement, DraggingDrawsTheDottedSearchRectangle) {
  ViewFixture f(5, 5);
  runCommand("LandingsPlace", f.app);
  mouse(f, MouseAction::Press, 1, 1);
  f.canvas.calls.clear();
  mouse(f, MouseAction::Move, 3, 2);
  EXPECT_EQ(f.doc->pickEnd, (CellPoint{3, 2}));
  const std::vector<std::string> expected = {
      "status x:1020  y:2030  z:500  c:3  r:2      ", "line 100 -100 120 -100 5 0,0,255 dotted",
      "line 120 -100 120 -110 5 0,0,255 dotted", "line 120 -110 100 -110 5 0,0,255 dotted",
      "line 100 -110 100 -100 5 0,0,255 dotted"};
  EXPECT_EQ(f.canvas.calls, expected);
}

TEST(CablewayPicking, EveryLandingWithARoadEndingInTheCellOpensTheProfileCheck) {
  ViewFixture f(10, 10);
  f.doc->landingCount = 3;
  f.doc->landings[1] = {2, 2, 1};
  f.doc->landings[2] = {2, 8, 2};
  f.doc->landings[3] = {8, 5, 0};  // no cable system: passed over
  f.doc->cableways[1][3].endCol = 5;
  f.doc->cableways[1][3].endRow = 5;
  f.doc->cableways[1][7].endCol = 5;  // a second road of landing 1 there: one form only
  f.doc->cableways[1][7].endRow = 5;
  f.doc->cableways[2][20].endCol = 5;
  f.doc->cableways[2][20].endRow = 5;
  f.doc->cableways[3][0].endCol = 5;
  f.doc->cableways[3][0].endRow = 5;
  ASSERT_TRUE(runCommand("CablewaysCheckProfile", f.app));
  f.ui.queueAnswer({"Dialog", false, {}});
  f.ui.queueAnswer({"Dialog", true, {}});
  click(f, 5, 5);
  std::vector<std::string> forms;
  for (const auto& line : f.ui.log())
    if (line.rfind("form ", 0) == 0) forms.push_back(line);
  EXPECT_EQ(forms, (std::vector<std::string>{"form Dialog: cancel", "form Dialog: ok"}));
  click(f, 6, 5);  // no road ends there
  EXPECT_EQ(f.view->pickingCableway, 1);
  int dialogs = 0;
  for (const auto& line : f.ui.log()) dialogs += line.rfind("form Dialog", 0) == 0;
  EXPECT_EQ(dialogs, 2);
}

TEST(MouseMove, StatusShowsTheVolumeWhileTheVolumeIsShown) {
  ViewFixture f(3, 3);
  f.doc->volumeGridOriginal(2, 1) = 0.75f;
  mouse(f, MouseAction::Move, 2, 1);
  f.view->volumeShown = 1;
  mouse(f, MouseAction::Move, 2, 1);
  const std::vector<std::string> expected = {"status: x:1010  y:2020  z:500  c:2  r:1      ",
                                             "status: x:1010  y:2020  z:0.8  c:2  r:1         "};
  EXPECT_EQ(f.ui.log(), expected);
  // Moving without a held button or off the grid changes nothing else.
  handleMouse(f.app, MouseAction::Move, -4000, 4000);
  EXPECT_EQ(f.ui.log().size(), 2u);
  EXPECT_EQ(f.doc->pickEnd, (CellPoint{-1, -1}));
}

}  // namespace
}  // namespace skyrig
