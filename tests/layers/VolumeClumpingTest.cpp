#include <gtest/gtest.h>

#include "LayersTestGrid.h"
#include "layers/VolumeClumping.h"

namespace skyrig {
namespace {

// 10 x 10 cells whose design payload is exactly 1 m3; choker 20 m.
struct Clumping : test::LayersProject {
  explicit Clumping(int cellSize = 10) : LayersProject(10, 10, cellSize) {
    doc.cableSystems[1].minPayloadPerTurn = doc.cableSystems[1].woodDensity = 1000.0f;
  }
  void volume(int c, int r, float v) { doc.volumeGrid(c, r) = doc.volumeGridOriginal(c, r) = v; }
};

TEST(VolumeClumping, GapHalvingSortPutsFullestFirstAndReordersTies) {
  std::vector<ClumpCandidate> list = {{}, {1, 0, 1}, {2, 0, 2}, {3, 0, 2}, {4, 0, 3}};
  sortClumpCandidates(list, 4);  // by hand: gap 2 gives 3 4 1 2, gap 1 gives 4 3 2 1
  EXPECT_EQ(list[1].col * 1000 + list[2].col * 100 + list[3].col * 10 + list[4].col, 4321);
}

// With 10 m cells two rings (3 x 3, then 5 x 5, column by column) are searched.
TEST(VolumeClumping, RingsAbsorbUntilOnePayloadWithThreeColourDrawsPerClump) {
  Clumping p;
  p.doc.unitBox = {2, 1, 10, 10};
  p.volume(5, 5, 0.5f);     // fullest candidate: first centre
  p.volume(4, 4, 0.125f);   // ring 1
  p.volume(5, 6, 1.5f);     // a payload already: never absorbed
  p.volume(6, 6, -1.0f);    // ignored
  p.volume(3, 3, 0.125f);   // ring 2, first column
  p.volume(6, 3, 0.25f);    // the sum reaches 1 m3: (5,5) is full, (6,3) is no centre later
  p.volume(7, 7, 0.25f);    // not reached: a centre of its own
  p.volume(9, 9, 0.125f);   // absorbed by (7,7), which stays below a payload
  p.volume(2, 9, 0.0625f);  // a lone centre
  p.volume(1, 10, 0.125f);  // within its reach but outside unitBox
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));

  const std::vector<std::pair<int, int>> cells = {{5, 5}, {4, 4}, {3, 3}, {6, 3}, {7, 7},
                                                  {9, 9}, {2, 9}, {1, 10}, {5, 6}, {6, 6}};
  const std::vector<float> expected = {1.0f, 0, 0, 0, 0.375f, 0, 0.0625f, 0.125f, 1.5f, -1.0f};
  for (std::size_t i = 0; i < cells.size(); ++i)
    EXPECT_EQ(p.doc.volumeGrid(cells[i].first, cells[i].second), expected[i]) << i;
  EXPECT_EQ(p.doc.volumeGridOriginal(4, 4), 0.125f);
  // Generator seeded with 1: 41 18467 6334 | 26500 19169 15724 | 11478 29358 26962 | 24464,
  // each modulo 200 plus 25.
  EXPECT_EQ(p.canvas.calls, (std::vector<std::string>{
                                "fill 135 -145 145 -135 255,255,255", "fill 125 -135 135 -125 66,92,159",
                                "fill 115 -125 125 -115 66,92,159", "fill 145 -125 155 -115 66,92,159",
                                "fill 155 -165 165 -155 255,255,255", "fill 175 -185 185 -175 125,194,149",
                                "fill 105 -185 115 -175 255,255,255"}));
  EXPECT_EQ(p.random.next(), 24464);  // the solver's next shuffle continues here

  p.canvas.calls.clear();
  p.doc.unitCellFlags(5, 5) = p.doc.unitCellFlags(4, 4) = 1;
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));  // later uses only show
  EXPECT_EQ(p.canvas.calls, std::vector<std::string>{"fill 135 -145 145 -135 255,0,0"});
}

TEST(VolumeClumping, CellsLargerThanTheChokerReachOnlyGiveTheMessage) {
  Clumping p(30);
  p.volume(5, 5, 0.5f);
  p.volume(5, 6, 0.25f);
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.ui.messages(), std::vector<std::string>{"message exclamation: Your DEM cell size is "
                                                      "bigger than choker length. Clumping volume "
                                                      "cells is not possible."});
  EXPECT_EQ(p.doc.volumeGrid(5, 6), 0.25f);
  EXPECT_EQ(p.view.clumpingDone, 1);

  Clumping shorter;  // one ring: (3,5) is out of reach
  shorter.volume(5, 5, 0.5f);
  shorter.volume(3, 5, 0.25f);
  shorter.ui.queueAnswer({"Dialog", true, {{"Choker length", "10"}}});
  ASSERT_TRUE(runCommand("LayersClumpCells", shorter.app));
  EXPECT_EQ(shorter.doc.chokerLength, 10);
  EXPECT_EQ(shorter.doc.volumeGrid(5, 5), 0.5f);
}

}  // namespace
}  // namespace skyrig
