// Yarding points worked by hand on the synthetic unit (cells 10 m, x = 500000 + 10 (c - 1),
// y = 4000000 + 10 (12 - r)); and the node names the readers take apart.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "runs/NodeNameParts.h"
#include "runs/YardingPoint.h"

namespace skyrig {
namespace {

class YardingPointOnSyntheticRoads : public ::testing::Test {
 protected:
  void SetUp() override { testing::buildSyntheticCase(*t.doc); }
  YardingPoint at(int col, int row, int landing, int road,
                  FootProjection projection = FootProjection::WithAxisCases) {
    return computeYardingPoint(*t.doc, col, row, landing, 1, road, projection);
  }
  testing::TestApp t;
};

TEST_F(YardingPointOnSyntheticRoads, DiagonalRoadTakesThePerpendicularFoot) {
  // Road 13 of landing 1: y = -x + 4500120 from C4R3 (500030, 4000090) to C10R9. Cell C6R3
  // (500050, 4000090): foot x = ((-500050 + 4000090 - 4500120) * -1) / 2 = 500040.
  EXPECT_EQ(at(6, 3, 1, 13), (YardingPoint{500040, 4000080}));
  EXPECT_EQ(at(6, 3, 1, 13, FootProjection::General), (YardingPoint{500040, 4000080}));
}

TEST_F(YardingPointOnSyntheticRoads, VerticalRoadKeepsTheCellsY) {
  // Road 18 of landing 1 runs south along x = 500030 to C4R10 (y 4000020).
  EXPECT_EQ(at(3, 5, 1, 18), (YardingPoint{500030, 4000070}));
  EXPECT_EQ(at(6, 10, 1, 18), (YardingPoint{500030, 4000020}));
}

TEST_F(YardingPointOnSyntheticRoads, FootBeyondAnEndTakesTheNearerEnd) {
  EXPECT_EQ(at(4, 12, 1, 18), (YardingPoint{500030, 4000020}));  // past the far end
  EXPECT_EQ(at(5, 1, 1, 18), (YardingPoint{500030, 4000090}));   // behind the landing
}

TEST_F(YardingPointOnSyntheticRoads, FootBeyondTheLateralLimitStillWinsWhenNearest) {
  // Road 27 of landing 2 runs west along y = 4000090 from C11R3 to C6R3. Cell C8R10
  // (500070, 4000020) lies 70 m off the road, over the 50 m limit; the ends are 76.2 m and
  // 72.8 m away, so the foot (500070, 4000090) is taken after all.
  EXPECT_EQ(at(8, 10, 2, 27), (YardingPoint{500070, 4000090}));
  // Cell C3R10 projects beyond the far end C6R3 (500050): that end is the nearer.
  EXPECT_EQ(at(3, 10, 2, 27), (YardingPoint{500050, 4000090}));
}

TEST_F(YardingPointOnSyntheticRoads, GeneralFormulaOnAFlatRoadFallsBackToAnEnd) {
  // Slope 0: the general foot divides by zero and is never chosen; the nearer end is.
  EXPECT_EQ(at(8, 4, 2, 27, FootProjection::General), (YardingPoint{500050, 4000090}));
  EXPECT_EQ(at(8, 4, 2, 27), (YardingPoint{500070, 4000090}));
}

TEST(NodeNameParts, ReadsTheBuildersNames) {
  const NodeNameParts cell = parseNodeName("C12R345");
  const NodeNameParts timber = parseNodeName("VC7R9");
  const NodeNameParts road = parseNodeName("C35S2L90");
  EXPECT_EQ(cell.kind, NodeNameParts::Kind::Cell);
  EXPECT_EQ(timber.kind, NodeNameParts::Kind::TimberCell);
  EXPECT_EQ(road.kind, NodeNameParts::Kind::Cableway);
  EXPECT_EQ((std::vector<int>{cell.col, cell.row, timber.col, timber.row, road.cableway,
                              road.system, road.landing}),
            (std::vector<int>{12, 345, 7, 9, 35, 2, 90}));
  for (const char* other : {"L3", "S1L2", "SuperExit", "C", "CR5", "C5R", "C5R5x", "VC5S1L2"})
    EXPECT_EQ(parseNodeName(other).kind, NodeNameParts::Kind::Other) << other;
}

}  // namespace
}  // namespace skyrig
