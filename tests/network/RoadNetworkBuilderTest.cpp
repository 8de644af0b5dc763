// Road network builder on small hand-made grids. With the default road costs a flat side link
// of 10 m costs 0.08 / 1000 x 10 = 0.0008 per m3 and 30 x 10 x (0.9 x 0.8) = 216 to build.
#include <gtest/gtest.h>

#include <cmath>

#include "NetworkFixture.h"
#include "network/RoadNetworkBuilder.h"

namespace skyrig {
namespace {

using testing::countLinks;
using testing::findLinkByName;
using testing::linkNames;
using testing::makeFlatArea;
using testing::Workspace;

class RoadNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = makeFlatArea(7, 7);
    doc->unitBox = {1, 1, 5, 5};  // visited cells: columns and rows 2 to 4
  }
  const LinkRecord* link(const char* from, const char* to) const {
    return findLinkByName(doc->network.links, from, to);
  }
  const LinkAttributes& attributesOf(const char* from, const char* to) const {
    const LinkTable& links = doc->network.links;
    for (int i = 1; i <= links.count(); ++i)
      if (links[i].from.view() == from && links[i].to.view() == to) return links.attributes(i);
    static const LinkAttributes none{-1, -1, -1};
    return none;
  }

  std::unique_ptr<CSkyrigDoc> doc;
  Workspace work;
  ScriptedUi ui;
};

TEST_F(RoadNetworkTest, NeighboursAreLinkedInOrderBothWaysAndBorderPairsNever) {
  doc->unitBox = {2, 2, 6, 6};   // visited cells: columns and rows 3 to 5
  doc->timberExitCount = 1;
  doc->timberExits[1] = {3, 1};  // row 3, column 1
  doc->roadGrid(7, 7) = 1;       // an existing road outside the unit
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  const std::vector<std::string> names = linkNames(doc->network.links);
  ASSERT_GE(names.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 6),
            (std::vector<std::string>{"C3R3>C2R2", "C2R2>C3R3", "C3R3>C3R2", "C3R2>C3R3",
                                      "C3R3>C4R2", "C4R2>C3R3"}));
  // 72 neighbour pairs in 5 x 5 cells, of which 20 join two border cells.
  EXPECT_EQ(doc->network.links.count(), 2 * 52 + 2);
  EXPECT_EQ(link("C2R2", "C2R3"), nullptr);
  EXPECT_EQ(link("C2R3", "C3R2"), nullptr);
  EXPECT_EQ(names[104], "C1R3>SuperExit");
  EXPECT_EQ(names[105], "C7R7>SuperExit");

  const LinkRecord* side = link("C3R3", "C3R2");
  EXPECT_FLOAT_EQ(side->variableCost, 0.0008f);
  EXPECT_FLOAT_EQ(side->fixedCost, 216.0f);
  const LinkRecord* diagonal = link("C3R3", "C2R2");
  EXPECT_FLOAT_EQ(diagonal->variableCost, 0.08f / 1000 * 10 * std::sqrt(2.0f));
  EXPECT_FLOAT_EQ(diagonal->fixedCost, 30.0f * 10 * std::sqrt(2.0f) * 0.72f);
  EXPECT_FLOAT_EQ(attributesOf("C2R2", "C3R3").length, 10 * std::sqrt(2.0f));
  EXPECT_EQ(work.read("output/roadmatrix.txt").substr(0, 31), "C3R3\tC2R2\t      0.00\t    305.47");
}

TEST_F(RoadNetworkTest, SideCellsOutsideTheLoadedGridReadElevationZero) {
  // From (2, 2) to (3, 1) the side cells are (4, 2) and (2, 0); the latter is off the grid,
  // so the side slope is 100 / (2 x 14.1) and the pair is not linked. Beside (2, 1) they are
  // (1, 1) and (3, 1), both on the grid.
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  EXPECT_EQ(link("C2R2", "C3R1"), nullptr);
  EXPECT_NE(link("C2R2", "C2R1"), nullptr);
}

TEST_F(RoadNetworkTest, GroundSlopeAtTheLimitExcludesThePairAndClassesAreStrictlyBelow) {
  doc->dtm(4, 3).z = 103;  // (3, 3) -> (4, 3): g = 0.3, the limit
  doc->dtm(3, 4).z = 102;  // (3, 3) -> (3, 4): g = 0.2, fifth class (x 5.0)
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  EXPECT_EQ(link("C3R3", "C4R3"), nullptr);
  EXPECT_EQ(link("C4R3", "C3R3"), nullptr);
  const LinkRecord* steep = link("C3R3", "C3R4");
  ASSERT_NE(steep, nullptr);
  EXPECT_FLOAT_EQ(steep->fixedCost, 30.0f * 10 * 5.0f * 0.8f);
  EXPECT_FLOAT_EQ(steep->variableCost, 0.08f / 1000 * std::sqrt(100.0f + 4.0f));
  EXPECT_FLOAT_EQ(attributesOf("C3R4", "C3R3").grade, 0.2f);
}

TEST_F(RoadNetworkTest, GradeOfExactlyFivePercentFallsInTheSecondClass) {
  doc = makeFlatArea(7, 7, 20);
  doc->unitBox = {1, 1, 5, 5};
  doc->dtm(4, 3).z = 101;  // 1 m over 20 m
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  EXPECT_FLOAT_EQ(link("C3R3", "C4R3")->fixedCost, 30.0f * 20 * (1.0f * 0.8f));
}

TEST_F(RoadNetworkTest, SideSlopeIsTakenAcrossTheLaterVisitedCellForBothDirections) {
  // The pair (3, 3)-(4, 3) is examined from (3, 3), the earlier visited; its side cells are
  // those beside (4, 3): (4, 4) and (4, 2). s = 12 / 20 = 0.6, class "60% - 75%" (x 2.5).
  doc->dtm(4, 4).z = 112;
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  for (const auto& [from, to] : {std::pair{"C3R3", "C4R3"}, {"C4R3", "C3R3"}}) {
    ASSERT_NE(link(from, to), nullptr);
    EXPECT_FLOAT_EQ(link(from, to)->fixedCost, 30.0f * 10 * (0.9f * 2.5f));
    EXPECT_FLOAT_EQ(attributesOf(from, to).sideSlope, 0.6f);
  }
  EXPECT_EQ(countLinks(doc->network.links, "C3R3", "C4R3"), 1);

  doc->dtm(4, 4).z = 118;  // s = 0.9: the side-slope limit excludes the pair
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  EXPECT_EQ(link("C3R3", "C4R3"), nullptr);
}

TEST_F(RoadNetworkTest, NoDataCellsAreLinkedFromEveryInnerDataNeighbourButLinkNothing) {
  for (int c = 1; c <= 7; ++c)
    for (int r = 1; r <= 7; ++r) doc->dtm(c, r).z = 2;
  doc->dtm(4, 3).z = 0;
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  for (const char* neighbour : {"C3R2", "C4R2", "C3R3", "C3R4", "C4R4"}) {
    EXPECT_EQ(countLinks(doc->network.links, neighbour, "C4R3"), 1) << neighbour;
    EXPECT_EQ(countLinks(doc->network.links, "C4R3", neighbour), 1) << neighbour;
  }
  EXPECT_EQ(link("C4R3", "C5R3"), nullptr);  // border cell: would need (4, 3) visited
  EXPECT_FLOAT_EQ(attributesOf("C3R3", "C4R3").grade, 0.2f);
}

TEST_F(RoadNetworkTest, StreamBufferAtTheNeighbourMultipliesTheConstructionCost) {
  doc->streamBufferGrid(4, 3) = 1;
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  EXPECT_FLOAT_EQ(link("C3R3", "C4R3")->fixedCost, 216.0f * 3.0f);
  EXPECT_FLOAT_EQ(link("C4R3", "C3R3")->fixedCost, 216.0f * 3.0f);
  EXPECT_FLOAT_EQ(link("C2R3", "C3R3")->fixedCost, 216.0f);
}

TEST_F(RoadNetworkTest, LaterIterationsRestoreTheSavedRoadsAndTheCombinedVariantAppends) {
  doc->dtm(4, 4).z = 112;
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  const int count = doc->network.links.count();
  doc->network.links.clear();
  doc->dtm(4, 4).z = 100;  // later iterations do not rebuild
  ASSERT_TRUE(buildRoadNetwork(*doc, work.paths(), ui, 2));
  EXPECT_EQ(doc->network.links.count(), count);
  EXPECT_FLOAT_EQ(attributesOf("C4R3", "C3R3").sideSlope, 0.6f);

  doc->dtm(4, 4).z = 112;
  doc->network.links.clear();
  doc->network.links.append({cableSinkNode(), roadSinkNode(), 1.0f, 2.0f});
  ASSERT_TRUE(buildCombinedRoadNetwork(*doc, work.paths(), ui));
  EXPECT_EQ(doc->network.links.count(), count + 1);
  EXPECT_EQ(linkNames(doc->network.links)[0], "DummyDest1>SuperExit");
  EXPECT_EQ(work.read("output/roadmatrix.txt").find("DummyDest1"), std::string::npos);
}

TEST(RoadNetworkCapacity, AUnitTooLargeForTheLinkTableIsRefusedWithAMessage) {
  auto doc = makeFlatArea(400, 400);
  Workspace work;
  ScriptedUi ui;
  EXPECT_FALSE(buildRoadNetwork(*doc, work.paths(), ui, 1));
  EXPECT_EQ(doc->network.links.count(), 0);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_NE(ui.messages()[0].find("500,001"), std::string::npos);
  EXPECT_NE(ui.messages()[0].find("400 x 400 cells"), std::string::npos);
}

}  // namespace
}  // namespace skyrig
