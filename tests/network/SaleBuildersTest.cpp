// The three sale builders.
#include <gtest/gtest.h>

#include "NetworkFixture.h"
#include "network/SaleBuilders.h"

namespace skyrig {
namespace {

using testing::makeFlatArea;
using testing::placeLanding;
using testing::Workspace;

std::vector<std::string> saleTexts(const SaleTable& sales) {
  std::vector<std::string> out;
  for (int i = 1; i <= sales.count(); ++i) {
    char volume[32];
    std::snprintf(volume, sizeof volume, "%g", static_cast<double>(sales[i].volume));
    out.push_back(std::string(sales[i].entry.view()) + ">" +
                  std::string(sales[i].destination.view()) + " " + volume);
  }
  return out;
}

TEST(CableSales, OneSalePerTimberCellOfTheUnitInRowOrderAndASavedCopyForLaterIterations) {
  auto doc = makeFlatArea(6, 6);
  doc->unitBox = {2, 2, 5, 5};
  doc->volumeGrid(4, 2) = 3.5f;
  doc->volumeGrid(2, 3) = 1.25f;
  doc->volumeGrid(5, 5) = 2.0f;   // on the unit's border: included
  doc->volumeGrid(3, 3) = -1.0f;  // no cable road reaches it
  doc->volumeGrid(4, 4) = 4.0f;
  doc->unitCellFlags(4, 4) = 0;   // not in the harvest area
  doc->volumeGrid(6, 6) = 9.0f;   // outside the unit's bounds
  Workspace work;
  ScriptedUi ui;
  ASSERT_TRUE(buildCableSales(*doc, work.paths(), ui, 1));
  EXPECT_EQ(saleTexts(doc->network.sales),
            (std::vector<std::string>{"C4R2>DummyDest1 3.5", "C2R3>DummyDest1 1.25",
                                      "C5R5>DummyDest1 2"}));
  const std::string file = work.read("output/salecablematrix.txt");
  EXPECT_EQ(file,
            "C4R2\tDummyDest1\t      3.50\t0\n"
            "C2R3\tDummyDest1\t      1.25\t0\n"
            "C5R5\tDummyDest1\t      2.00\t0\n");

  doc->network.sales.clear();
  doc->volumeGrid(4, 2) = 8.0f;  // later iterations do not rescan
  ASSERT_TRUE(buildCableSales(*doc, work.paths(), ui, 2));
  EXPECT_EQ(saleTexts(doc->network.sales).front(), "C4R2>DummyDest1 3.5");
  EXPECT_EQ(doc->network.sales.count(), 3);
  EXPECT_EQ(work.read("output/salecablematrix.txt"), file);
}

TEST(RoadSales, VolumesAreCollectedAtTheRepresentativeLandingOfASharedTower) {
  auto doc = makeFlatArea(10, 10);
  placeLanding(*doc, 1, 2, 3);
  placeLanding(*doc, 2, 4, 5);
  placeLanding(*doc, 3, 6, 7);
  placeLanding(*doc, 4, 8, 9);
  placeLanding(*doc, 5, 9, 9);
  doc->landingSharedTower[2] = 1;
  doc->landingSharedTower[4] = 2;  // 4 -> 2 -> 1
  doc->landingSharedTower[5] = 3;  // 5 -> 3, but 5 has no volume
  PerLanding<float> volume{};
  volume[1] = 10.0f;
  volume[2] = 5.0f;
  volume[3] = 0.0f;
  volume[4] = 2.0f;
  volume[5] = 0.0f;
  Workspace work;
  ScriptedUi ui;
  ASSERT_TRUE(buildRoadSales(*doc, work.paths(), ui, volume));
  EXPECT_EQ(saleTexts(doc->network.sales), (std::vector<std::string>{"C2R3>SuperExit 17"}));
  EXPECT_EQ(volume[1], 17.0f);
  EXPECT_EQ(volume[2], 0.0f);
  EXPECT_EQ(volume[4], 0.0f);
  EXPECT_EQ(work.read("output/saleroadmatrix.txt"), "C2R3\tSuperExit\t     17.00\t0\n");
}

TEST(CombinedSales, SellOnlyTheUnitsTimberCellsToSuperExit) {
  auto doc = makeFlatArea(6, 6);
  doc->unitBox = {2, 2, 5, 5};
  doc->volumeGrid(3, 2) = 2.0f;
  doc->volumeGrid(1, 1) = 7.0f;  // outside the unit: no entry node in the combined network
  doc->volumeGrid(4, 4) = 4.0f;
  doc->unitCellFlags(4, 4) = 0;
  Workspace work;
  ScriptedUi ui;
  ASSERT_TRUE(buildCombinedSales(*doc, work.paths(), ui));
  EXPECT_EQ(saleTexts(doc->network.sales), (std::vector<std::string>{"VC3R2>SuperExit 2"}));
  EXPECT_EQ(work.read("output/salecablematrix.txt"), "VC3R2\tSuperExit\t      2.00\t0\n");
}

TEST(SaleCapacity, AUnitWithMoreTimberCellsThanTheSaleTableHoldsIsRefused) {
  auto doc = makeFlatArea(150, 150);
  for (int c = 1; c <= 150; ++c)
    for (int r = 1; r <= 150; ++r) doc->volumeGrid(c, r) = 1.0f;
  Workspace work;
  ScriptedUi ui;
  EXPECT_FALSE(buildCableSales(*doc, work.paths(), ui, 1));
  EXPECT_EQ(doc->network.sales.count(), 0);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_NE(ui.messages()[0].find("20,001"), std::string::npos);
  EXPECT_NE(ui.messages()[0].find("150 x 150 cells"), std::string::npos);
}

TEST(SaleFiles, AGridWithoutVolumeGivesEmptyTablesAndKeepsTheLastGoodFile) {
  auto doc = makeFlatArea(4, 4);
  Workspace work;
  ScriptedUi ui;
  ASSERT_TRUE(buildCableSales(*doc, work.paths(), ui, 1));
  EXPECT_EQ(doc->network.sales.count(), 0);
  EXPECT_FALSE(std::filesystem::exists(work.root() / "output/salecablematrix.txt"));
  // A run that builds nothing leaves the file of the last run that built something.
  doc->volumeGrid(2, 2) = 5.0f;
  doc->unitCellFlags(2, 2) = 1;
  ASSERT_TRUE(buildCableSales(*doc, work.paths(), ui, 1));
  const std::string good = work.read("output/salecablematrix.txt");
  ASSERT_FALSE(good.empty());
  doc->volumeGrid(2, 2) = 0.0f;
  ASSERT_TRUE(buildCableSales(*doc, work.paths(), ui, 1));
  EXPECT_EQ(work.read("output/salecablematrix.txt"), good);
  EXPECT_TRUE(ui.messages().empty());
}

}  // namespace
}  // namespace skyrig
