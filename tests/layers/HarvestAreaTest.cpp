#include <gtest/gtest.h>

#include <set>

#include "LayersTestGrid.h"
#include "layers/HarvestArea.h"

namespace skyrig {
namespace {

using Cells = std::set<std::pair<int, int>>;

struct Area : test::LayersProject {
  explicit Area(std::vector<CellPoint> points = {}) : LayersProject(12, 12) {
    for (const CellPoint& p : points) doc.boundaryPoints[++doc.boundaryPointCount] = p;
  }
  Cells members() const {
    Cells out;
    for (int c = 0; c < kGridSlots; ++c)
      for (int r = 0; r < kGridSlots; ++r)
        if (doc.unitCellFlags(c, r)) out.insert({c, r});
    return out;
  }
  // Rows 2..10 of columns 1..11: '#' member.
  std::vector<std::string> computed() {
    computeHarvestArea(doc, view, canvas);
    std::vector<std::string> rows;
    for (int r = 2; r <= 10; ++r) {
      rows.emplace_back();
      for (int c = 1; c <= 11; ++c) rows.back() += doc.unitCellFlags(c, r) ? '#' : '.';
    }
    return rows;
  }
};

TEST(HarvestArea, OutlineMarksVerticalShallowAndSteepEdges) {
  Area triangle({{3, 2}, {3, 8}, {9, 5}});  // rows trunc(-0.5c + 9.5) out, trunc(0.5c + 0.5) back
  markBoundaryOutline(triangle.doc);
  EXPECT_EQ(triangle.members(), (Cells{{3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}, {3, 8},
                                       {4, 7}, {5, 7}, {6, 6}, {7, 6}, {8, 5}, {9, 5}, {8, 4},
                                       {7, 4}, {6, 3}, {5, 3}, {4, 2}}));
  Area steep({{2, 2}, {4, 8}});  // slope 3: columns trunc((r + 4) / 3)
  markBoundaryOutline(steep.doc);
  EXPECT_EQ(steep.members(), (Cells{{2, 2}, {2, 3}, {2, 4}, {3, 5}, {3, 6}, {3, 7}, {4, 8}}));
}

// Convex with its box centre (6,6) inside: the crossing count decides. (9,9) and (10,10) see
// the centre through vertex (8,8), counted once, and stay out; boundary cells join through
// the outline although their own segment meets an edge.
TEST(HarvestArea, ConvexUnitComesOutByTheCrossingCountRule) {
  Area p({{2, 2}, {10, 2}, {10, 5}, {8, 8}, {4, 10}, {2, 10}});
  ASSERT_EQ(boundarySide(p.doc, 6, 6), PolygonSide::Inside);
  EXPECT_EQ(p.computed(), (std::vector<std::string>{".#########.", ".#########.", ".#########.",
                                                    ".#########.", ".########..", ".#######...",
                                                    ".#######...", ".#####.....", ".###......."}));
  EXPECT_EQ(p.doc.unitBox, (UnitBox{2, 2, 10, 10}));
}

// Box centre (6,6) outside: counting toward it would invert the area (it excludes (3,9) of
// the L); the cells inside the polygon are taken instead.
TEST(HarvestArea, LShapedAndUShapedUnitsComeOutAsTheirInside) {
  Area l({{2, 2}, {5, 2}, {5, 7}, {10, 7}, {10, 10}, {2, 10}});
  EXPECT_EQ(boundaryCrossings(l.doc, 3, 9, 6, 6), 1);
  EXPECT_EQ(l.computed(), (std::vector<std::string>{".####......", ".####......", ".####......",
                                                    ".####......", ".####......", ".#########.",
                                                    ".#########.", ".#########.", ".#########."}));
  Area u({{2, 2}, {4, 2}, {4, 8}, {8, 8}, {8, 2}, {10, 2}, {10, 10}, {2, 10}});
  EXPECT_EQ(u.computed(), (std::vector<std::string>{".###...###.", ".###...###.", ".###...###.",
                                                    ".###...###.", ".###...###.", ".###...###.",
                                                    ".#########.", ".#########.", ".#########."}));
}

TEST(HarvestArea, FileCellsAloneMakeTheAreaAndWidenTheBox) {
  Area p;
  Cells block;
  for (int c = 3; c <= 5; ++c)
    for (int r = 3; r <= 5; ++r) p.doc.harvestUnitGrid(c, r) = 1, block.insert({c, r});
  p.doc.harvestUnitGrid(8, 8) = 1;  // alone: trimmed
  p.doc.unitCellFlags(11, 11) = 1;  // stale: cleared
  p.computed();
  EXPECT_EQ(p.doc.unitBox, (UnitBox{3, 3, 8, 8}));
  EXPECT_EQ(p.members(), block);
}

// Three holes in a column of a full block: the later ones join only because the earlier ones
// joined in the same pass. Likewise three members in a column among non-members all leave.
TEST(HarvestArea, FillAndTrimPassesWorkInPlace) {
  Area fill, trim;
  for (int c = 1; c <= 5; ++c)
    for (int r = 1; r <= 7; ++r) fill.doc.unitCellFlags(c, r) = c != 3 || r < 3 || r > 5;
  for (int r = 3; r <= 5; ++r) trim.doc.unitCellFlags(3, r) = 1;
  fillAreaGaps(fill.doc, UnitBox{2, 2, 4, 6});
  trimAreaSpurs(trim.doc, UnitBox{2, 2, 4, 6});
  EXPECT_EQ(fill.members().size(), 35u);
  EXPECT_TRUE(trim.members().empty());
}

}  // namespace
}  // namespace skyrig
