// Cable road fan, nearest cell and the Generate command on small hand-made grids.
#include <gtest/gtest.h>

#include "CableTestSupport.h"
#include "cable/CablewayFan.h"
#include "cable/CablewayGeneration.h"
#include "document/NearestCell.h"

namespace skyrig {
namespace {

using test::Project;

TEST(CablewayFan, AxisRoadsStopAtTheGridBorder) {
  Project p("cable_fan");
  p.makeGrid(30, 30, 10, [](int, int) { return 500; });
  p.doc->cableSystems[1].maxYardingDistance = 100;  // 10 cells
  const auto& roads = p.doc->cablewayScratch;
  layOutFan(*p.doc, 3, 4, 1);
  EXPECT_EQ((CellPoint{roads[0].genEndCol, roads[0].genEndRow}), (CellPoint{3, 1}));
  EXPECT_EQ((CellPoint{roads[9].genEndCol, roads[9].genEndRow}), (CellPoint{13, 4}));
  EXPECT_EQ((CellPoint{roads[18].genEndCol, roads[18].genEndRow}), (CellPoint{3, 14}));
  EXPECT_EQ((CellPoint{roads[27].genEndCol, roads[27].genEndRow}), (CellPoint{1, 4}));
  EXPECT_TRUE(roads[0].slope == kVerticalRoadMark && roads[18].intercept == kVerticalRoadMark);
  EXPECT_TRUE(roads[9].slope == 0.0f &&
              roads[27].intercept == static_cast<float>(p.doc->dtm(3, 4).y));
  layOutFan(*p.doc, 28, 27, 1);
  EXPECT_EQ(roads[9].genEndCol, 30);
  EXPECT_EQ(roads[18].genEndRow, 30);
  for (int r = 0; r < 36; ++r)
    EXPECT_TRUE(isInsideGrid(*p.doc, roads[r].genEndCol, roads[r].genEndRow));

  // Below one cell (n = 0) every road ends in the landing cell; a fan road ending in the
  // landing's own column (slope infinite, or 0 / 0) is marked parallel to the Y axis.
  p.doc->cableSystems[1].maxYardingDistance = 5;
  layOutFan(*p.doc, 10, 10, 1);
  for (int r = 0; r < 36; ++r)
    EXPECT_EQ((CellPoint{roads[r].genEndCol, roads[r].genEndRow}), (CellPoint{10, 10})) << r;
  EXPECT_TRUE(roads[1].slope == kVerticalRoadMark && roads[1].intercept == kVerticalRoadMark);
}

TEST(CablewayFan, AnglesTakePiAs314) {
  // 1 m cells, landing in the south-west corner, 577.5 m: road 8 (80 degrees with pi = 3.14)
  // meets the circle 100.68 m east and 568.66 m north, cell (102, 31); with the true pi it
  // would be 100.28 m east, column 101. The other root lies west of the grid.
  Project p("cable_fan");
  p.makeGrid(200, 600, 1, [](int, int) { return 500; });
  p.doc->cableSystems[1].maxYardingDistance = 577.5f;
  layOutFan(*p.doc, 1, 600, 1);
  const CablewayRecord& road8 = p.doc->cablewayScratch[8];
  EXPECT_EQ((CellPoint{road8.genEndCol, road8.genEndRow}), (CellPoint{102, 31}));
  EXPECT_EQ(road8.slope, 5.633663177490234f);  // 569 / 101 between the cell centres
  EXPECT_EQ(road8.intercept, 1183168.5f);      // 4000000 - 500000 x slope, in float
  const CablewayRecord& road26 = p.doc->cablewayScratch[26];
  EXPECT_EQ((CellPoint{road26.genEndCol, road26.genEndRow}), (CellPoint{1, 600}));
}

TEST(NearestCell, BisectionMatchesTheLinearPasses) {
  Project p("cable_nearest");
  p.makeGrid(37, 23, 10, [](int c, int r) { return c + r; });
  const NearestCellSearch search(*p.doc);
  unsigned state = 12345;
  auto next = [&] {
    return static_cast<double>(((state = state * 1103515245u + 12345u) >> 8) % 100000) / 100.0;
  };
  for (int i = 0; i < 5000; ++i) {
    const double x = test::kXll - 100 + next() * 0.6, y = test::kYll - 100 + next() * 0.4;
    const double onBorder = test::kXll + 5 + 10 * (i % 40);  // ties go to the earlier column
    EXPECT_EQ(search.find(x, y), findNearestCell(*p.doc, x, y));
    EXPECT_EQ(search.find(onBorder, y), findNearestCell(*p.doc, onBorder, y));
  }
  EXPECT_EQ(findNearestCell(*p.doc, test::kXll + 5, test::kYll), (CellPoint{1, 23}));
  EXPECT_EQ(findNearestCell(*makeDocument(), 1.0, 2.0), (CellPoint{0, 0}));
}

TEST(Generate, SamplesDrawsAndKeepsSetRoadsUnlessTheirSystemChanged) {
  Project p("cable_generate");
  p.makeGrid(40, 40, 10, [](int c, int r) { return 600 + 2 * c + r; });
  p.doc->cableSystems[2].maxYardingDistance = 120;
  p.placeLanding(1, 15, 15, 2);
  p.placeLanding(2, 1, 1, 2);  // corner: its north and west roads are the landing cell alone
  p.placeLanding(3, 20, 30, 1);
  p.placeLanding(4, 45, 5, 1);  // beyond the last column: left alone
  generateCableways(p.app);
  EXPECT_EQ(p.doc->cableways[1][9].pointCount, 13);
  EXPECT_EQ(p.doc->cableways[2][0].pointCount, 1);
  EXPECT_EQ(p.doc->cableways[2][27].pointCount, 1);
  EXPECT_EQ(p.doc->cableways[4][9], CablewayRecord{});
  EXPECT_EQ(p.view->pickingCableway, 1);
  int drawable = 0, lines = 0;
  std::vector<std::string> labels;
  for (int i = 1; i <= 3; ++i)
    for (int r = 0; r < 36; ++r) drawable += p.doc->cableways[i][r].pointCount > 5;
  for (const std::string& call : p.canvas.calls) {
    lines += call.rfind("line", 0) == 0;
    if (call.rfind("text", 0) == 0) labels.push_back(call.substr(call.rfind(' ') + 1));
  }
  EXPECT_EQ(lines, drawable);  // each with a black end cell; labels after each landing's roads
  EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "3", "1", "2", "3"}));

  // An analysis shortened road 9 of landings 1 and 2 (system 2) and road 0 of landing 3.
  for (int i : {1, 2}) p.doc->cableways[i][9].pointCount = 4;
  p.doc->cableways[3][0].pointCount = 4;
  generateCableways(p.app);
  EXPECT_EQ(p.doc->cableways[1][9].pointCount, 4);
  // After system 2's parameters changed, every road of both its landings is regenerated.
  p.doc->cableSystems[2].parametersChanged = 1;
  generateCableways(p.app);
  EXPECT_EQ(p.doc->cableways[1][9].pointCount, 13);
  EXPECT_EQ(p.doc->cableways[2][9].pointCount, 13);
  EXPECT_EQ(p.doc->cableways[3][0].pointCount, 4);
  EXPECT_EQ(p.doc->cableSystems[2].parametersChanged, 0);
}

}  // namespace
}  // namespace skyrig
