// Cable network builder on hand-made cable roads. Landing 1 sits at cell (5, 10) with the
// generic system 1 (LYD 50 m, give-up 150 m, beyond-zone x10, hook 60 + unhook 30 s/m3,
// lateral speed 1 m/s, multipliers 1 / 1.5 / 2, delay 20 %, $300/h, 700 kg/m3, 3000 kg max).
// Road 0 runs east to (15, 10) with 11 points: payload 2000 kg, cycle time 10 s x point.
// A 2 m3 cell makes one turn, so T = (180 + lateral + yarding) x 1.2 and the cost per m3 is
// T / 3600 x 300 / 2 = T / 24.
#include <gtest/gtest.h>

#include <cmath>

#include "NetworkFixture.h"
#include "network/CableNetworkBuilder.h"

namespace skyrig {
namespace {

using testing::addCableway;
using testing::countLinks;
using testing::findLinkByName;
using testing::linkNames;
using testing::makeFlatArea;
using testing::placeLanding;
using testing::Workspace;

class CableNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = makeFlatArea();
    placeLanding(*doc, 1, 5, 10);
    addCableway(*doc, 1, 0, 15, 10, 11);
  }
  bool build(int iteration = 1) {
    return buildCableNetwork(*doc, work.paths(), ui, transportVariable, transportFixed, iteration);
  }
  float yardingCost(int col, int row) {
    const LinkRecord* link = findLinkByName(doc->network.links, cellNode(col, row).text, "C0S1L1");
    return link ? link->variableCost : -1.0f;
  }

  std::unique_ptr<CSkyrigDoc> doc;
  Workspace work;
  ScriptedUi ui;
  PerLanding<float> transportVariable{};
  PerLanding<float> transportFixed{};
};

TEST_F(CableNetworkTest, OneCellGivesYardingRoadSetupAndSinkLinksWithHandWorkedCosts) {
  doc->volumeGrid(12, 11) = 2.0f;  // 10 m beside the road, 70 m out: point 7 (70 s)
  transportFixed[1] = 100.0f;
  ASSERT_TRUE(build());
  const LinkTable& links = doc->network.links;
  EXPECT_EQ(linkNames(links), (std::vector<std::string>{"C12R11>C0S1L1", "C0S1L1>S1L1",
                                                         "S1L1>L1", "L1>DummyDest1"}));
  EXPECT_FLOAT_EQ(links[1].variableCost, 13.0f);  // (180 + 10 + 70) x 1.2 / 24
  EXPECT_EQ(links[1].fixedCost, 0.0f);
  EXPECT_EQ(links[2].fixedCost, 300.0f);          // one road change hour
  EXPECT_EQ(links[3].fixedCost, 4200.0f);         // 4 setup hours + 3000 move-in
  EXPECT_EQ(links[4].fixedCost, 5100.0f);         // transport 100 + landing 5000
  EXPECT_EQ(doc->network.savedCableLinks.count(), 3);
  EXPECT_EQ(work.read("output/cablematrix.txt"),
            "C12R11\tC0S1L1\t     13.00\t      0.00\n"
            "C0S1L1\tS1L1\t      0.00\t    300.00\n"
            "S1L1\tL1\t      0.00\t   4200.00\n"
            "L1\tDummyDest1\t      0.00\t   5100.00\n");
}

TEST_F(CableNetworkTest, ProfilePointFollowsTheDistanceAlongTheRoadButNeverTwoToFour) {
  doc->volumeGrid(8, 11) = 2.0f;   // 30 m out: 3.3 -> 3 -> point 1 (10 s)
  doc->volumeGrid(10, 11) = 2.0f;  // 50 m out: 5.5 -> point 5
  doc->volumeGrid(15, 11) = 2.0f;  // at the tail: 11 -> point 10
  ASSERT_TRUE(build());
  EXPECT_FLOAT_EQ(yardingCost(8, 11), 10.0f);   // (180 + 10 + 10) x 1.2 / 24
  EXPECT_FLOAT_EQ(yardingCost(10, 11), 12.0f);  // (180 + 10 + 50) x 1.2 / 24
  EXPECT_FLOAT_EQ(yardingCost(15, 11), 14.5f);  // (180 + 10 + 100) x 1.2 / 24
}

TEST_F(CableNetworkTest, CorridorBoundsAreInclusiveAndBeyondTheCorridorTheMultiplierApplies) {
  doc->volumeGrid(5, 15) = 2.0f;   // foot at the landing's X, exactly 50 m off: inside
  doc->volumeGrid(5, 16) = 2.0f;   // 60 m off: the landing (point 1) at x10
  doc->volumeGrid(18, 10) = 2.0f;  // past the tail: the tail (point 10), 30 m at x10
  ASSERT_TRUE(build());
  EXPECT_FLOAT_EQ(yardingCost(5, 15), 14.5f);   // lateral 50 x 2 = 100
  EXPECT_FLOAT_EQ(yardingCost(5, 16), 69.5f);   // lateral 10 x 60 x 2 = 1200
  EXPECT_FLOAT_EQ(yardingCost(18, 10), 36.5f);  // lateral 10 x 30 x 1.5, yarding 100
}

TEST_F(CableNetworkTest, GiveUpDistanceIsInclusiveAndUnreachableCellsGetVolumeMinusOne) {
  doc->cableSystems[1].giveUpDistance = 80.0f;
  doc->volumeGrid(5, 18) = 2.0f;  // 80 m from the landing: kept
  doc->volumeGrid(5, 19) = 2.0f;  // 90 m: given up
  doc->volumeGrid(5, 20) = 3.0f;
  doc->unitCellFlags(5, 20) = 0;  // outside the unit: neither linked nor marked
  ASSERT_TRUE(build());
  EXPECT_FLOAT_EQ(yardingCost(5, 18), 89.5f);  // lateral 10 x 80 x 2 = 1600
  EXPECT_EQ(yardingCost(5, 19), -1.0f);
  EXPECT_EQ(doc->volumeGrid(5, 18), 2.0f);
  EXPECT_EQ(doc->volumeGrid(5, 19), -1.0f);
  EXPECT_EQ(doc->volumeGrid(5, 20), 3.0f);
}

TEST_F(CableNetworkTest, StreamBufferNearTheYardingLineBlocksTheRoadInTheSeparateVariantOnly) {
  doc->volumeGrid(12, 14) = 2.0f;        // yarded straight north to (12, 10)
  doc->streamBufferGrid(13, 12) = 1;     // beside the line, outside its rectangle
  ASSERT_TRUE(build());
  EXPECT_GT(yardingCost(12, 14), 0.0f);

  doc->volumeGrid(12, 14) = 2.0f;
  doc->streamBufferGrid(12, 12) = 1;     // on the line
  ASSERT_TRUE(build());
  EXPECT_EQ(yardingCost(12, 14), -1.0f);
  EXPECT_EQ(doc->volumeGrid(12, 14), -1.0f);

  doc->volumeGrid(12, 14) = 2.0f;
  ASSERT_TRUE(buildCombinedCableNetwork(*doc, work.paths(), ui));
  EXPECT_NE(findLinkByName(doc->network.links, "VC12R14", "C0S1L1"), nullptr);
}

TEST_F(CableNetworkTest, StreamBufferTestMeasuresTheDistanceToASlopedYardingLine) {
  // (2, 16) is yarded to the landing (5, 10): the line has slope 2 through (1010, 4000040).
  doc->volumeGrid(2, 16) = 2.0f;
  doc->streamBufferGrid(5, 16) = 1;  // in the rectangle, 26.8 m from the line
  ASSERT_TRUE(build());
  EXPECT_GT(yardingCost(2, 16), 0.0f);

  doc->streamBufferGrid(3, 13) = 1;  // 4.5 m from the line
  ASSERT_TRUE(build());
  EXPECT_EQ(yardingCost(2, 16), -1.0f);
}

TEST_F(CableNetworkTest, EachRoadAndSetupIsLinkedOnceHoweverManyCellsUseIt) {
  addCableway(*doc, 1, 1, 1, 10, 5);          // 5 points: never used
  addCableway(*doc, 1, 2, 5, 1, 10, 2000.0f, 2);  // north, vertical line, two supports
  for (const auto& [c, r] : {std::pair{12, 11}, {8, 11}, {10, 9}, {4, 5}, {6, 3}, {3, 10}})
    doc->volumeGrid(c, r) = 2.0f;
  ASSERT_TRUE(build());
  const LinkTable& links = doc->network.links;
  EXPECT_EQ(countLinks(links, "C0S1L1", "S1L1"), 1);
  EXPECT_EQ(countLinks(links, "C2S1L1", "S1L1"), 1);
  EXPECT_EQ(countLinks(links, "S1L1", "L1"), 1);
  EXPECT_EQ(findLinkByName(links, "C1S1L1", "S1L1"), nullptr);
  EXPECT_EQ(findLinkByName(links, "C3R10", "C1S1L1"), nullptr);
  EXPECT_EQ(findLinkByName(links, "C2S1L1", "S1L1")->fixedCost, 700.0f);  // 300 + 2 x 200
  // (4, 5) lies 10 m beside the north road and 51 m from the east road's landing end.
  EXPECT_NE(findLinkByName(links, "C4R5", "C2S1L1"), nullptr);
  EXPECT_NE(findLinkByName(links, "C4R5", "C0S1L1"), nullptr);
  // Road link and setup link follow the first yarding link that needs them.
  EXPECT_EQ(linkNames(links)[1], "C0S1L1>S1L1");
  EXPECT_EQ(linkNames(links)[2], "S1L1>L1");
}

TEST_F(CableNetworkTest, SharedTowerSetupLeadsToTheRepresentativeLandingWhichAloneLeavesToTheSink) {
  placeLanding(*doc, 2, 15, 15);
  doc->landingSharedTower[2] = 1;
  addCableway(*doc, 2, 0, 20, 15, 6);
  doc->volumeGrid(17, 16) = 2.0f;
  doc->volumeGrid(12, 11) = 2.0f;
  ASSERT_TRUE(build());
  const LinkTable& links = doc->network.links;
  EXPECT_NE(findLinkByName(links, "S1L2", "L1"), nullptr);
  EXPECT_EQ(findLinkByName(links, "S1L2", "L2"), nullptr);
  EXPECT_EQ(countLinks(links, "L1", "DummyDest1"), 1);
  EXPECT_EQ(findLinkByName(links, "L2", "DummyDest1"), nullptr);

  ASSERT_TRUE(buildCombinedCableNetwork(*doc, work.paths(), ui));
  EXPECT_NE(findLinkByName(doc->network.links, "L1", "C5R10"), nullptr);
  EXPECT_EQ(findLinkByName(doc->network.links, "L2", "C15R15"), nullptr);
}

TEST_F(CableNetworkTest, LaterIterationsRestoreTheLinksAndScaleTheLandingCostUpToIterationTen) {
  doc->volumeGrid(12, 11) = 2.0f;
  transportVariable[1] = 0.5f;
  transportFixed[1] = 100.0f;
  ASSERT_TRUE(build(1));
  const std::string file = work.read("output/cablematrix.txt");
  const auto sinkFixed = [&](int iteration) {
    doc->network.links.clear();
    EXPECT_TRUE(build(iteration));
    EXPECT_EQ(doc->network.links.count(), 4);
    const LinkRecord& sink = doc->network.links[4];
    EXPECT_EQ(sink.variableCost, 0.5f);
    return sink.fixedCost;
  };
  EXPECT_EQ(sinkFixed(2), 10100.0f);
  EXPECT_EQ(sinkFixed(10), 50100.0f);
  EXPECT_EQ(sinkFixed(11), 5100.0f);
  EXPECT_EQ(sinkFixed(100), 5100.0f);
  EXPECT_EQ(work.read("output/cablematrix.txt"), file);  // later iterations write nothing
}

TEST_F(CableNetworkTest, PayloadPerTurnIsCappedAndBelowOneKilogramTheRoadCannotYard) {
  doc->volumeGrid(12, 11) = 5.0f;
  doc->profilePayload[1][0][7] = 5000.0f;  // above the 3000 kg cap: 3500 / 3000 + 1 = 2 turns
  ASSERT_TRUE(build());
  // (450 + 2 x 10 + 2 x 70) x 1.2 / 3600 x 300 / 5
  EXPECT_FLOAT_EQ(yardingCost(12, 11), 12.2f);

  for (const float payload : {0.5f, -1.0f}) {
    doc->volumeGrid(12, 11) = 5.0f;
    doc->profilePayload[1][0][7] = payload;
    ASSERT_TRUE(build());
    EXPECT_EQ(doc->network.links.count(), 1) << payload;  // only the landing's sink link
    EXPECT_EQ(doc->volumeGrid(12, 11), -1.0f);
  }
}

TEST_F(CableNetworkTest, FootPointsUseDoublePrecisionAtLargeNorthings) {
  // Road 0 to (14, 7): slope 1/3. Near northing 4,000,000 a float foot point resolves only to
  // 0.5 m, which moves the 3.2 m lateral distance by up to 8 %.
  doc->cableways[1][0] = {};
  addCableway(*doc, 1, 0, 14, 7, 11);
  doc->volumeGrid(10, 8) = 2.0f;  // (1090, 4000120); 53.8 of 94.9 m out: point 6 (60 s)
  ASSERT_TRUE(build());
  const CablewayRecord& way = doc->cableways[1][0];
  const double a = way.slope, b = way.intercept;
  const double lateral = std::fabs(a * 1090.0 - 4000120.0 + b) / std::sqrt(a * a + 1.0);
  const double expected = (180.0 + lateral + 60.0) * 1.2 / 24.0;
  EXPECT_NEAR(yardingCost(10, 8), expected, 2e-5 * expected);
}

}  // namespace
}  // namespace skyrig
