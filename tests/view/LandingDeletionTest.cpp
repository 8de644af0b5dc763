#include <gtest/gtest.h>

#include "ViewTestSupport.h"
#include "app/CommandTable.h"
#include "mouse/LandingDeletion.h"

namespace skyrig {
namespace {

using testing::ViewFixture;

// Gives slot i recognisable values in every per-landing table.
void markSlot(CSkyrigDoc& doc, int i) {
  const float v = 100.0f * static_cast<float>(i + 1);
  doc.landings[i] = {i + 10, i + 20, 1 + i % 3};
  doc.landingConstructionCost[i] = v;
  doc.landingSharedTower[i] = i;
  doc.landingAnalysed[i] = static_cast<std::uint8_t>(i % 2);
  doc.cableways[i][35].endCol = i + 30;
  doc.cablewayMinPayload[i][7] = v + 1;
  doc.cablewayCycleTime[i][7] = v + 2;
  doc.tailSparHeight[i][7] = v + 3;
  doc.profilePayload[i][7][100] = v + 4;
  doc.profileCycleTime[i][7][1] = v + 5;
}

// Slot `at` holds what markSlot gave slot `from`.
void expectSlotHolds(const CSkyrigDoc& doc, int at, int from) {
  const float v = 100.0f * static_cast<float>(from + 1);
  EXPECT_EQ(doc.landings[at], (Landing{from + 10, from + 20, 1 + from % 3})) << at;
  EXPECT_EQ(doc.landingConstructionCost[at], v) << at;
  EXPECT_EQ(doc.landingSharedTower[at], from) << at;
  EXPECT_EQ(doc.landingAnalysed[at], from % 2) << at;
  EXPECT_EQ(doc.cableways[at][35].endCol, from + 30) << at;
  const float perRoad[5] = {doc.cablewayMinPayload[at][7], doc.cablewayCycleTime[at][7],
                            doc.tailSparHeight[at][7], doc.profilePayload[at][7][100],
                            doc.profileCycleTime[at][7][1]};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(perRoad[k], v + static_cast<float>(k + 1)) << at;
}

TEST(LandingDeletion, DeletingLandingTwoOfFourMovesThreeAndFourDown) {
  ViewFixture f(1, 1);
  for (int i = 0; i <= 4; ++i) markSlot(*f.doc, i);
  f.doc->landingCount = 4;
  ASSERT_TRUE(deleteLanding(*f.doc, 2));
  EXPECT_EQ(f.doc->landingCount, 3);
  for (auto [at, from] : {std::pair{1, 1}, {2, 3}, {3, 4}, {4, 0}, {0, 0}})
    expectSlotHolds(*f.doc, at, from);  // the vacated slot gets the trial landing's scratch
  // The last (here the only) landing takes the scratch slot; ids that are no landing do nothing.
  f.doc->landingCount = 1;
  ASSERT_TRUE(deleteLanding(*f.doc, 1));
  expectSlotHolds(*f.doc, 1, 0);
  EXPECT_FALSE(deleteLanding(*f.doc, 0));
  EXPECT_FALSE(deleteLanding(*f.doc, 1));
  EXPECT_EQ(f.doc->landingCount, 0);
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

}  // namespace
}  // namespace skyrig
