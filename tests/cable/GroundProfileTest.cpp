// Ground profile sampling: axis choice, orientation, dropped cells, stream marks, the cap.
#include <gtest/gtest.h>

#include <cmath>

#include "CableTestSupport.h"
#include "cable/CablewayFan.h"
#include "cable/GroundProfile.h"

namespace skyrig {
namespace {

class GroundProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.makeGrid(30, 30, 10, [](int c, int r) { return 500 + 3 * c + r; });
    p.placeLanding(1, 15, 15, 1);
  }
  // Samples road 4 of landing 1 ending at (col, row) on the line y = slope x + intercept.
  std::vector<CellPoint> sample(int col, int row, float slope, float intercept) {
    p.doc->cableways[1][4] = {0, 0, col, row, 0, 0, slope, intercept, 0};
    sampleProfile(*p.doc, w, 1, 1, 4);
    std::vector<CellPoint> cells;
    for (int k = 1; k <= w.sampledCount; ++k) cells.push_back({w.profile[k].col, w.profile[k].row});
    return cells;
  }
  const float x0 = static_cast<float>(test::kXll + 140), y0 = static_cast<float>(test::kYll + 150);
  test::Project p{"cable_profile"};
  CableWorkArea& w = p.view->cable;
};

TEST_F(GroundProfileTest, PointOneIsAlwaysTheLanding) {
  EXPECT_EQ(sample(18, 15, 0.0f, y0),
            (std::vector<CellPoint>{{15, 15}, {16, 15}, {17, 15}, {18, 15}}));
  EXPECT_EQ(w.profile[4].horDist, 30.0f);
  EXPECT_EQ(w.profile[2].z, 500 + 3 * 16 + 15);
  EXPECT_EQ(p.doc->cableways[1][4].genPointCount, 4);
  EXPECT_EQ(p.doc->cableways[1][4].pointCount, 0);  // set only while parameters changed
  // West and north: sampled from the far end, then reversed.
  EXPECT_EQ(sample(13, 15, 0.0f, y0), (std::vector<CellPoint>{{15, 15}, {14, 15}, {13, 15}}));
  EXPECT_EQ(sample(15, 13, kVerticalRoadMark, kVerticalRoadMark),
            (std::vector<CellPoint>{{15, 15}, {15, 14}, {15, 13}}));
  EXPECT_EQ(w.profile[1].horDist, 0.0f);
  EXPECT_EQ(w.profile[3].horDist, 20.0f);
  p.doc->cableSystems[1].parametersChanged = 1;
  sample(15, 12, kVerticalRoadMark, kVerticalRoadMark);
  EXPECT_EQ(p.doc->cableways[1][4].pointCount, 4);
}

TEST_F(GroundProfileTest, FortyFiveDegreesStepsThroughColumnsSteeperThroughRows) {
  // |a| = 1: one sample per column, on the diagonal.
  EXPECT_EQ(sample(18, 12, 1.0f, y0 - x0),
            (std::vector<CellPoint>{{15, 15}, {16, 14}, {17, 13}, {18, 12}}));
  EXPECT_FLOAT_EQ(w.profile[4].horDist, 30.0f * std::sqrt(2.0f));
  // a = 2: one sample per row, half a cell east each; exactly between two columns the
  // western one is nearest.
  EXPECT_EQ(sample(17, 11, 2.0f, y0 - 2.0f * x0),
            (std::vector<CellPoint>{{15, 15}, {15, 14}, {16, 13}, {16, 12}, {17, 11}}));
  EXPECT_FLOAT_EQ(w.profile[3].horDist, std::sqrt(500.0f));
}

TEST_F(GroundProfileTest, CellsWithoutElevationAreDroppedStreamCellsMarked) {
  p.doc->dtm(17, 15).z = 0;
  p.doc->dtm(19, 15).z = -9999;
  p.doc->streamBufferGrid(18, 15) = 2;
  EXPECT_EQ(sample(20, 15, 0.0f, y0),
            (std::vector<CellPoint>{{15, 15}, {16, 15}, {18, 15}, {20, 15}}));
  EXPECT_EQ(w.profile[3].horDist, 30.0f);
  EXPECT_EQ(w.profile[3].streamBuffer, 1);
  EXPECT_EQ(w.profile[4].streamBuffer, 0);
  EXPECT_TRUE(sample(0, 0, 1.5f, 0.0f).empty());  // no generated end: no points
}

TEST(GroundProfile, StopsAtOneHundredPointsAndResetsOnlyTheCount) {
  test::Project p("cable_profile_cap");
  p.makeGrid(150, 3, 10, [](int, int) { return 400; });
  p.placeLanding(1, 1, 2, 1);
  CablewayRecord& road = p.doc->cableways[1][9];
  road = {0, 0, 141, 2, 0, 0, 0.0f, static_cast<float>(test::kYll + 10), 0};
  CableWorkArea& w = p.view->cable;
  sampleProfile(*p.doc, w, 1, 1, 9);
  EXPECT_EQ(w.sampledCount, 100);
  EXPECT_EQ(w.profile[100].col, 100);
  road.genEndCol = 5;
  sampleProfile(*p.doc, w, 1, 1, 9);
  EXPECT_EQ(w.sampledCount, 5);
  EXPECT_EQ(w.profile[50].col, 50);  // slots beyond the count keep their points
}

}  // namespace
}  // namespace skyrig
