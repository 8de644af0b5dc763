// Ground profile sampling: axis choice, orientation, dropped cells, stream marks, the cap.
#include <gtest/gtest.h>

#include <cmath>

#include "CableTestSupport.h"
#include "cable/CablewayFan.h"
#include "cable/GroundProfile.h"

namespace skyrig {
namespace {

using test::Project;

class GroundProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.makeGrid(30, 30, 10, [](int c, int r) { return 500 + 3 * c + r; });
    p.placeLanding(1, 15, 15, 1);
  }
  // Sets road r of landing 1 to end at (col, row) on the line through both cell centres.
  void setRoad(int r, int col, int row, float slope, float intercept) {
    CablewayRecord& road = p.doc->cableways[1][r];
    road.genEndCol = col;
    road.genEndRow = row;
    road.slope = slope;
    road.intercept = intercept;
  }
  float x0() const { return static_cast<float>(p.doc->dtm(15, 15).x); }
  float y0() const { return static_cast<float>(p.doc->dtm(15, 15).y); }
  std::vector<CellPoint> cells() const {
    std::vector<CellPoint> out;
    for (int k = 1; k <= w().sampledCount; ++k) out.push_back({w().profile[k].col, w().profile[k].row});
    return out;
  }
  CableWorkArea& w() const { return p.view->cable; }
  Project p;
};

TEST_F(GroundProfileTest, EastRoadStepsThroughColumnsFromTheLanding) {
  setRoad(9, 30, 15, 0.0f, y0());
  sampleProfile(*p.doc, w(), 1, 1, 9);
  ASSERT_EQ(w().sampledCount, 16);
  for (int k = 1; k <= 16; ++k) {
    EXPECT_EQ(w().profile[k].col, 14 + k);
    EXPECT_EQ(w().profile[k].row, 15);
    EXPECT_EQ(w().profile[k].z, 500 + 3 * (14 + k) + 15);
    EXPECT_EQ(w().profile[k].horDist, 10.0f * (k - 1));
  }
  EXPECT_EQ(p.doc->cableways[1][9].genPointCount, 16);
  EXPECT_EQ(p.doc->cableways[1][9].pointCount, 0);  // only while parameters changed
  p.doc->cableSystems[1].parametersChanged = 1;
  sampleProfile(*p.doc, w(), 1, 1, 9);
  EXPECT_EQ(p.doc->cableways[1][9].pointCount, 16);
}

TEST_F(GroundProfileTest, WestAndNorthRoadsAreReversedSoPointOneIsTheLanding) {
  setRoad(27, 3, 15, 0.0f, y0());
  sampleProfile(*p.doc, w(), 1, 1, 27);
  ASSERT_EQ(w().sampledCount, 13);
  EXPECT_EQ(w().profile[1].col, 15);
  EXPECT_EQ(w().profile[1].horDist, 0.0f);
  EXPECT_EQ(w().profile[13].col, 3);
  EXPECT_EQ(w().profile[13].horDist, 120.0f);

  setRoad(0, 15, 4, kVerticalRoadMark, kVerticalRoadMark);
  sampleProfile(*p.doc, w(), 1, 1, 0);
  ASSERT_EQ(w().sampledCount, 12);
  for (int k = 1; k <= 12; ++k) {
    EXPECT_EQ(w().profile[k].col, 15);
    EXPECT_EQ(w().profile[k].row, 16 - k);
    EXPECT_EQ(w().profile[k].horDist, 10.0f * (k - 1));
  }
}

TEST_F(GroundProfileTest, FortyFiveDegreeRoadIsSampledColumnByColumn) {
  // |a| = 1: one sample per column, each on the diagonal cell.
  setRoad(4, 25, 5, 1.0f, y0() - x0());
  sampleProfile(*p.doc, w(), 1, 1, 4);
  ASSERT_EQ(w().sampledCount, 11);
  for (int k = 1; k <= 11; ++k) {
    EXPECT_EQ(w().profile[k].col, 14 + k);
    EXPECT_EQ(w().profile[k].row, 16 - k);
    EXPECT_FLOAT_EQ(w().profile[k].horDist, 10.0f * std::sqrt(2.0f) * (k - 1));
  }
}

TEST_F(GroundProfileTest, SteepRoadIsSampledRowByRowWithTiesToTheEarlierColumn) {
  // a = 2: X = (Y - b) / a moves half a cell per row; a point exactly between two columns
  // takes the western one.
  setRoad(7, 20, 5, 2.0f, y0() - 2.0f * x0());
  sampleProfile(*p.doc, w(), 1, 1, 7);
  const std::vector<CellPoint> expected = {{15, 15}, {15, 14}, {16, 13}, {16, 12}, {17, 11}, {17, 10},
                                           {18, 9},  {18, 8},  {19, 7},  {19, 6},  {20, 5}};
  EXPECT_EQ(cells(), expected);
  EXPECT_FLOAT_EQ(w().profile[3].horDist, std::sqrt(10.0f * 10.0f + 20.0f * 20.0f));
}

TEST_F(GroundProfileTest, CellsWithoutElevationAreDroppedAndStreamCellsMarked) {
  p.doc->dtm(17, 15).z = 0;
  p.doc->dtm(19, 15).z = -9999;
  p.doc->streamBufferGrid(18, 15) = 2;
  setRoad(9, 22, 15, 0.0f, y0());
  sampleProfile(*p.doc, w(), 1, 1, 9);
  ASSERT_EQ(w().sampledCount, 6);
  const float distances[] = {0, 10, 30, 50, 60, 70};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(w().profile[k].horDist, distances[k - 1]);
  EXPECT_EQ(w().profile[3].col, 18);
  EXPECT_EQ(w().profile[3].streamBuffer, 1);
  EXPECT_EQ(w().profile[4].streamBuffer, 0);
}

TEST(GroundProfile, StopsAtOneHundredPointsAndKeepsOlderSlots) {
  Project p;
  p.makeGrid(150, 3, 10, [](int, int) { return 400; });
  p.placeLanding(1, 1, 2, 1);
  CablewayRecord& road = p.doc->cableways[1][9];
  road = {0, 0, 141, 2, 0, 0, 0.0f, static_cast<float>(p.doc->dtm(1, 2).y), 0};
  CableWorkArea& w = p.view->cable;
  sampleProfile(*p.doc, w, 1, 1, 9);
  EXPECT_EQ(w.sampledCount, 100);
  EXPECT_EQ(w.profile[100].col, 100);
  EXPECT_EQ(road.genPointCount, 100);

  // A shorter road afterwards: only the count is reset, slots beyond it keep their points.
  road.genEndCol = 5;
  sampleProfile(*p.doc, w, 1, 1, 9);
  EXPECT_EQ(w.sampledCount, 5);
  EXPECT_EQ(w.profile[50].col, 50);
}

TEST(GroundProfile, RoadEndingOutsideTheGridHasNoPoints) {
  Project p;
  p.makeGrid(10, 10, 10, [](int, int) { return 400; });
  p.placeLanding(1, 5, 5, 1);
  p.doc->cableways[1][3] = {0, 0, 0, 0, 0, 0, 1.5f, 0.0f, 0};
  sampleProfile(*p.doc, p.view->cable, 1, 1, 3);
  EXPECT_EQ(p.view->cable.sampledCount, 0);
  EXPECT_EQ(p.doc->cableways[1][3].genPointCount, 0);
}

}  // namespace
}  // namespace skyrig
