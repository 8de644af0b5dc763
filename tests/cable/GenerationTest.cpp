// Cable road fan, nearest cell and the Generate command on small hand-made grids.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CableTestSupport.h"
#include "cable/CablewayFan.h"
#include "cable/CablewayGeneration.h"
#include "cable/NearestCell.h"

namespace skyrig {
namespace {

using test::Project;

TEST(CablewayFan, AxisRoadsStopAtTheGridBorder) {
  Project p;
  p.makeGrid(30, 30, 10, [](int, int) { return 500; });
  p.doc->cableSystems[1].maxYardingDistance = 100;  // 10 cells
  layOutFan(*p.doc, 3, 4, 1);
  const auto& roads = p.doc->cablewayScratch;
  EXPECT_EQ(roads[0].genEndCol, 3);
  EXPECT_EQ(roads[0].genEndRow, 1);  // row 4 - 10 is above the grid
  EXPECT_EQ(roads[9].genEndCol, 13);
  EXPECT_EQ(roads[9].genEndRow, 4);
  EXPECT_EQ(roads[18].genEndRow, 14);
  EXPECT_EQ(roads[27].genEndCol, 1);
  EXPECT_EQ(roads[27].genEndRow, 4);
  EXPECT_EQ(roads[0].slope, kVerticalRoadMark);
  EXPECT_EQ(roads[18].intercept, kVerticalRoadMark);
  EXPECT_EQ(roads[9].slope, 0.0f);
  EXPECT_EQ(roads[27].intercept, static_cast<float>(p.doc->dtm(3, 4).y));

  layOutFan(*p.doc, 28, 27, 1);
  EXPECT_EQ(roads[9].genEndCol, 30);
  EXPECT_EQ(roads[18].genEndRow, 30);
  // Every fan road ends on a grid cell.
  for (int r = 0; r < 36; ++r) EXPECT_TRUE(isInsideGrid(*p.doc, roads[r].genEndCol, roads[r].genEndRow));
}

TEST(CablewayFan, DistanceBelowOneCellEndsEveryRoadAtTheLanding) {
  Project p;
  p.makeGrid(20, 20, 10, [](int, int) { return 500; });
  p.doc->cableSystems[2].maxYardingDistance = 5;  // n = 0
  p.doc->cablewayScratch[5].endCol = 77;           // fields other than the fan's stay
  layOutFan(*p.doc, 10, 10, 2);
  for (int r = 0; r < 36; ++r) {
    EXPECT_EQ(p.doc->cablewayScratch[r].genEndCol, 10) << r;
    EXPECT_EQ(p.doc->cablewayScratch[r].genEndRow, 10) << r;
  }
  // A fan road ending in the landing's own column would get an infinite (or 0/0) slope; it is
  // marked as a road parallel to the Y axis instead.
  EXPECT_EQ(p.doc->cablewayScratch[1].slope, kVerticalRoadMark);
  EXPECT_EQ(p.doc->cablewayScratch[1].intercept, kVerticalRoadMark);
  EXPECT_EQ(p.doc->cablewayScratch[5].endCol, 77);
}

TEST(CablewayFan, AnglesTakePiAs314) {
  // 1 m cells; landing at the south-west corner. At 577.5 m, road 8 (80 degrees with
  // pi = 3.14, i.e. 79.97 degrees) crosses the circle 100.68 m east and 568.66 m north: cell
  // (102, 31). With the true pi it would be 100.28 m east, column 101.
  Project p;
  p.makeGrid(200, 600, 1, [](int, int) { return 500; });
  p.doc->cableSystems[1].maxYardingDistance = 577.5f;
  layOutFan(*p.doc, 1, 600, 1);
  const CablewayRecord& road8 = p.doc->cablewayScratch[8];
  EXPECT_EQ(road8.genEndCol, 102);
  EXPECT_EQ(road8.genEndRow, 31);
  EXPECT_EQ(road8.slope, 5.633663177490234f);  // 569 / 101 from the cell centres
  EXPECT_EQ(road8.intercept, 1183168.5f);  // 4000000 - 500000 * slope, in float
  // The other root lies west of the grid: its nearest cell is the landing itself.
  EXPECT_EQ(p.doc->cablewayScratch[26].genEndCol, 1);
  EXPECT_EQ(p.doc->cablewayScratch[26].genEndRow, 600);
}

TEST(NearestCell, BisectionMatchesTheLinearPasses) {
  Project p;
  p.makeGrid(37, 23, 10, [](int c, int r) { return c + r; });
  const NearestCellSearch search(*p.doc);
  unsigned state = 12345;
  auto next = [&] {
    state = state * 1103515245u + 12345u;
    return static_cast<double>((state >> 8) % 100000) / 100.0;
  };
  for (int i = 0; i < 5000; ++i) {
    // Points over and around the grid, including cell borders (ties go to the earlier cell).
    const double x = test::kXll - 100 + next() * 0.6;
    const double y = test::kYll - 100 + next() * 0.4;
    const double onBorderX = test::kXll + 5 + 10 * (i % 40);
    EXPECT_EQ(search.find(x, y), findNearestCell(*p.doc, x, y));
    EXPECT_EQ(search.find(onBorderX, y), findNearestCell(*p.doc, onBorderX, y));
  }
  EXPECT_EQ(findNearestCell(*p.doc, test::kXll + 5, test::kYll), (CellPoint{1, 23}));
  const auto empty = makeDocument();
  EXPECT_EQ(findNearestCell(*empty, 1.0, 2.0), (CellPoint{0, 0}));
}

TEST(Generate, SamplesNewRoadsDrawsThemAndEntersPicking) {
  Project p;
  p.makeGrid(40, 40, 10, [](int c, int r) { return 600 + c + r; });
  p.doc->cableSystems[1].maxYardingDistance = 150;
  p.placeLanding(1, 20, 20, 1);
  p.placeLanding(2, 1, 1, 1);
  generateCableways(p.app);
  const CablewayRecord& east = p.doc->cableways[1][9];
  EXPECT_EQ(east.endCol, 35);
  EXPECT_EQ(east.endRow, 20);
  EXPECT_EQ(east.pointCount, 16);
  EXPECT_EQ(east.genPointCount, 16);
  EXPECT_EQ(p.view->pickingCableway, 1);

  // Roads with more than 5 points get a black end cell and a line; labels come after each
  // landing's roads and once more for all landings at the end.
  int fills = 0, lines = 0;
  std::vector<std::string> labels;
  for (const std::string& call : p.canvas.calls) {
    fills += call.rfind("fill", 0) == 0;
    lines += call.rfind("line", 0) == 0;
    if (call.rfind("text", 0) == 0) labels.push_back(call.substr(call.rfind(' ') + 1));
  }
  int drawable = 0;
  for (int i = 1; i <= 2; ++i)
    for (int r = 0; r < 36; ++r) drawable += p.doc->cableways[i][r].pointCount > 5;
  EXPECT_EQ(fills, drawable);
  EXPECT_EQ(lines, drawable);
  EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "1", "2"}));
  // Landing 2 sits in the corner: its north and west roads are the landing cell alone.
  EXPECT_EQ(p.doc->cableways[2][0].pointCount, 1);
  EXPECT_EQ(p.doc->cableways[2][27].pointCount, 1);
}

TEST(Generate, KeepsSetRoadsUnlessTheirSystemChanged) {
  Project p;
  p.makeGrid(40, 40, 10, [](int c, int r) { return 600 + c * 2 + r; });
  p.doc->cableSystems[2].maxYardingDistance = 120;
  p.placeLanding(1, 15, 15, 2);
  p.placeLanding(2, 25, 25, 2);
  p.placeLanding(3, 20, 30, 1);
  generateCableways(p.app);
  // An analysis shortened road 9 of landings 1 and 2 and road 0 of landing 3.
  for (int i : {1, 2}) {
    p.doc->cableways[i][9].endCol -= 3;
    p.doc->cableways[i][9].pointCount -= 3;
  }
  p.doc->cableways[3][0].pointCount = 4;
  generateCableways(p.app);
  EXPECT_EQ(p.doc->cableways[1][9].pointCount, 10);
  EXPECT_EQ(p.doc->cableways[3][0].pointCount, 4);

  // After system 2's parameters changed, every road of both its landings is regenerated.
  p.doc->cableSystems[2].parametersChanged = 1;
  generateCableways(p.app);
  for (int i : {1, 2}) {
    EXPECT_EQ(p.doc->cableways[i][9].pointCount, 13) << i;
    EXPECT_EQ(p.doc->cableways[i][9].endCol, p.doc->cableways[i][9].genEndCol) << i;
  }
  EXPECT_EQ(p.doc->cableways[3][0].pointCount, 4);
  EXPECT_EQ(p.doc->cableSystems[2].parametersChanged, 0);
}

TEST(Generate, LandingsWithoutSystemOrOutsideTheGridAreLeftAlone) {
  Project p;
  p.makeGrid(20, 20, 10, [](int, int) { return 600; });
  p.placeLanding(1, 25, 5, 1);  // beyond the last column
  p.placeLanding(2, 5, 5, 0);   // no cable system
  generateCableways(p.app);
  EXPECT_EQ(p.doc->cableways[1][9], CablewayRecord{});
  EXPECT_EQ(p.doc->cableways[2][9], CablewayRecord{});
}

}  // namespace
}  // namespace skyrig
