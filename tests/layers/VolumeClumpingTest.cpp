#include <gtest/gtest.h>

#include "LayersTestGrid.h"
#include "app/CommandTable.h"
#include "layers/VolumeClumping.h"

namespace skyrig {
namespace {

using test::LayersProject;

// A 10 x 10 grid of 10 m cells whose design payload is exactly 1 m3.
struct ClumpingProject : LayersProject {
  explicit ClumpingProject(int cellSize = 10) : LayersProject(10, 10, cellSize) {
    doc.cableSystems[1].minPayloadPerTurn = 1000.0f;
    doc.cableSystems[1].woodDensity = 1000.0f;
  }
  void volume(int c, int r, float v) { doc.volumeGrid(c, r) = doc.volumeGridOriginal(c, r) = v; }
};

TEST(ClumpCandidateSort, GapHalvingExchangeOrdersFullestFirstAndReordersTies) {
  std::vector<ClumpCandidate> list(5);
  const float keys[] = {1, 2, 2, 3};  // entries a, b, c, d
  for (int i = 1; i <= 4; ++i) list[i] = {i, 0, keys[i - 1]};
  sortClumpCandidates(list, 4);
  // Worked by hand: gap 2 gives c d a b, gap 1 gives d c b a (the tie b, c comes out reversed).
  EXPECT_EQ(list[1].col, 4);
  EXPECT_EQ(list[2].col, 3);
  EXPECT_EQ(list[3].col, 2);
  EXPECT_EQ(list[4].col, 1);
}

// Choker 20 m over 10 m cells: two rings (3 x 3, then 5 x 5 windows, visited column by column).
TEST(VolumeClumping, RingsAbsorbUntilOnePayloadAndEachClumpDrawsThreeColours) {
  ClumpingProject p;
  p.doc.unitBox = {2, 1, 10, 10};  // column 1 lies outside the box
  p.volume(5, 5, 0.5f);     // fullest candidate: first centre
  p.volume(4, 4, 0.125f);   // ring 1
  p.volume(5, 6, 1.5f);     // a payload already: never absorbed
  p.volume(4, 5, 0.0f);     // empty and negative cells are ignored
  p.volume(6, 6, -1.0f);
  p.volume(3, 3, 0.125f);   // ring 2, first column
  p.volume(6, 3, 0.25f);    // ring 2: the sum reaches 1 m3 here and the centre is full
  p.volume(7, 7, 0.25f);    // ring 2 but after the stop: a centre of its own
  p.volume(9, 9, 0.125f);   // absorbed by (7,7), which stays below a payload
  p.volume(2, 9, 0.0625f);  // nothing within reach: a lone centre
  p.volume(1, 10, 0.125f);  // within (2,9)'s reach but outside unitBox

  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.view.clumpingDone, 1);
  EXPECT_FLOAT_EQ(p.view.layers.clumpVolumeThreshold, 1.0f);

  EXPECT_EQ(p.doc.volumeGrid(5, 5), 1.0f);
  EXPECT_EQ(p.doc.volumeGrid(4, 4), 0.0f);
  EXPECT_EQ(p.doc.volumeGrid(3, 3), 0.0f);
  EXPECT_EQ(p.doc.volumeGrid(6, 3), 0.0f);
  EXPECT_EQ(p.doc.volumeGrid(7, 7), 0.375f);
  EXPECT_EQ(p.doc.volumeGrid(9, 9), 0.0f);
  EXPECT_EQ(p.doc.volumeGrid(2, 9), 0.0625f);
  EXPECT_EQ(p.doc.volumeGrid(1, 10), 0.125f);
  EXPECT_EQ(p.doc.volumeGrid(5, 6), 1.5f);
  EXPECT_EQ(p.doc.volumeGrid(6, 6), -1.0f);
  EXPECT_EQ(p.doc.volumeGridOriginal(4, 4), 0.125f);

  // Colours from the generator seeded with 1: 41 18467 6334 | 26500 19169 15724 | 11478 ...
  // each taken modulo 200 plus 25. (6,3) is absorbed before its turn and is no centre.
  const std::vector<std::string> expected = {
      "fill 135 -145 145 -135 255,255,255",  // centre (5,5)
      "fill 125 -135 135 -125 66,92,159",    // (4,4)
      "fill 115 -125 125 -115 66,92,159",    // (3,3)
      "fill 145 -125 155 -115 66,92,159",    // (6,3)
      "fill 155 -165 165 -155 255,255,255",  // centre (7,7)
      "fill 175 -185 185 -175 125,194,149",  // (9,9)
      "fill 105 -185 115 -175 255,255,255",  // centre (2,9), colour (103,183,187) unused
  };
  EXPECT_EQ(p.canvas.calls, expected);
  EXPECT_EQ(p.random.next(), 24464);  // three clumps took nine draws; the solver goes on here

  // Later uses only show the unit's cells that still hold volume.
  p.canvas.calls.clear();
  p.doc.unitCellFlags(5, 5) = 1;
  p.doc.unitCellFlags(4, 4) = 1;
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.canvas.calls, std::vector<std::string>{"fill 135 -145 145 -135 255,0,0"});
  EXPECT_EQ(p.doc.volumeGrid(5, 5), 1.0f);
}

TEST(VolumeClumping, CellLargerThanChokerReachStopsWithAMessage) {
  ClumpingProject p(30);
  p.volume(5, 5, 0.5f);
  p.volume(5, 6, 0.25f);
  p.doc.unitCellFlags(5, 5) = 1;
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.ui.messages(),
            std::vector<std::string>{"message exclamation: Your DEM cell size is bigger than "
                                     "choker length. Clumping volume cells is not possible."});
  EXPECT_EQ(p.doc.volumeGrid(5, 5), 0.5f);
  EXPECT_EQ(p.doc.volumeGrid(5, 6), 0.25f);
  EXPECT_EQ(p.random.next(), 41);
  EXPECT_EQ(p.view.clumpingDone, 1);

  p.canvas.calls.clear();
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.canvas.calls.size(), 1u);  // shown in red, not clumped
}

TEST(VolumeClumping, ChokerLengthFromTheDialogSetsTheRings) {
  ClumpingProject p;
  p.volume(5, 5, 0.5f);
  p.volume(3, 5, 0.25f);  // two cells away: out of reach with one ring
  p.ui.queueAnswer({"Dialog", true, {{"Choker length", "10"}}});
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.doc.chokerLength, 10);
  EXPECT_EQ(p.doc.volumeGrid(3, 5), 0.25f);

  ClumpingProject cancelled;
  cancelled.volume(5, 5, 0.5f);
  cancelled.volume(3, 5, 0.25f);
  cancelled.ui.queueAnswer({"Dialog", false, {{"Choker length", "10"}}});
  ASSERT_TRUE(runCommand("LayersClumpCells", cancelled.app));
  EXPECT_EQ(cancelled.doc.chokerLength, 20);  // Cancel keeps the length and clumping goes on
  EXPECT_EQ(cancelled.doc.volumeGrid(3, 5), 0.0f);
  EXPECT_EQ(cancelled.doc.volumeGrid(5, 5), 0.75f);
}

TEST(VolumeClumping, WithoutADtmNothingIsClumpedAndClumpingStaysPossible) {
  LayersProject p(0, 0, 0);
  ASSERT_TRUE(runCommand("LayersClumpCells", p.app));
  EXPECT_EQ(p.ui.messages(), std::vector<std::string>{
                                 "message exclamation: Open a DTM before clumping volume cells."});
  EXPECT_EQ(p.view.clumpingDone, 0);
}

}  // namespace
}  // namespace skyrig
