#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

#include "LayersTestGrid.h"
#include "layers/HarvestArea.h"

namespace skyrig {
namespace {

using test::LayersProject;
using Cells = std::set<std::pair<int, int>>;

struct AreaProject : LayersProject {
  AreaProject() : LayersProject(12, 12, 10) {}
  void polygon(std::initializer_list<CellPoint> points) {
    doc.boundaryPointCount = 0;
    for (const CellPoint& p : points) doc.boundaryPoints[++doc.boundaryPointCount] = p;
  }
  Cells members() const {
    Cells out;
    for (int c = 0; c < kGridSlots; ++c)
      for (int r = 0; r < kGridSlots; ++r)
        if (doc.unitCellFlags(c, r)) out.insert({c, r});
    return out;
  }
  // Rows 1..11 as text, columns 1..11: '#' member, '.' not.
  std::vector<std::string> picture() const {
    std::vector<std::string> rows;
    for (int r = 1; r <= 11; ++r) {
      std::string row;
      for (int c = 1; c <= 11; ++c) row += doc.unitCellFlags(c, r) ? '#' : '.';
      rows.push_back(row);
    }
    return rows;
  }
};

TEST(HarvestAreaOutline, VerticalEdgeIsMarkedCellByCellAlongItsColumn) {
  AreaProject p;
  p.polygon({{3, 2}, {3, 8}, {9, 5}});
  markBoundaryOutline(p.doc);
  // Sloped edges: rows trunc(-0.5 c + 9.5) going out, trunc(0.5 c + 0.5) coming back.
  const Cells expected = {{3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}, {3, 8},
                          {4, 7}, {5, 7}, {6, 6}, {7, 6}, {8, 5}, {9, 5},
                          {8, 4}, {7, 4}, {6, 3}, {5, 3}, {4, 2}};
  EXPECT_EQ(p.members(), expected);
}

TEST(HarvestAreaOutline, SteepEdgeIsMarkedRowByRow) {
  AreaProject p;
  p.polygon({{2, 2}, {4, 8}});  // slope 3 both ways: columns trunc((r + 4) / 3)
  markBoundaryOutline(p.doc);
  EXPECT_EQ(p.members(), (Cells{{2, 2}, {2, 3}, {2, 4}, {3, 5}, {3, 6}, {3, 7}, {4, 8}}));
}

TEST(HarvestAreaCrossings, SegmentThroughAVertexCountsItOnce) {
  AreaProject p;
  p.polygon({{2, 2}, {8, 2}, {8, 8}, {2, 8}});  // (2,2) ends the first and the closing edge
  EXPECT_EQ(boundaryCrossings(p.doc, 1, 1, 5, 5), 1);
  EXPECT_EQ(boundaryCrossings(p.doc, 1, 5, 5, 5), 1);
  EXPECT_EQ(boundaryCrossings(p.doc, 3, 3, 5, 5), 0);
  p.polygon({{8, 2}, {8, 8}, {2, 8}, {2, 2}});  // the same vertex between two middle edges
  EXPECT_EQ(boundaryCrossings(p.doc, 1, 1, 5, 5), 1);
}

// Convex, its box centre (6,6) inside: the crossing count toward the centre decides. (9,9)
// and (10,10) see the centre through vertex (8,8) and stay out; boundary cells join through
// the outline although their own segment meets an edge.
TEST(HarvestArea, ConvexUnitComesOutByTheCrossingCountRule) {
  AreaProject p;
  p.polygon({{2, 2}, {10, 2}, {10, 5}, {8, 8}, {4, 10}, {2, 10}});
  ASSERT_EQ(boundarySide(p.doc, 6, 6), PolygonSide::Inside);
  EXPECT_EQ(boundaryCrossings(p.doc, 9, 9, 6, 6), 1);
  computeHarvestArea(p.doc, p.view, p.canvas);
  EXPECT_EQ(p.doc.unitBox, (UnitBox{2, 2, 10, 10}));
  const std::vector<std::string> expected = {
      "...........",  //
      ".#########.",  //
      ".#########.",  //
      ".#########.",  //
      ".#########.",  //
      ".########..",  //
      ".#######...",  //
      ".#######...",  //
      ".#####.....",  //
      ".###.......",  //
      "...........",
  };
  EXPECT_EQ(p.picture(), expected);
}

// The box centre (6,6) lies outside an L- or U-shaped unit, where counting toward it would
// invert the area; the cells inside the polygon are taken instead.
TEST(HarvestArea, LShapedAndUShapedUnitsComeOutAsTheirInside) {
  AreaProject l;
  l.polygon({{2, 2}, {5, 2}, {5, 7}, {10, 7}, {10, 10}, {2, 10}});
  ASSERT_EQ(boundarySide(l.doc, 6, 6), PolygonSide::Outside);
  EXPECT_EQ(boundaryCrossings(l.doc, 3, 9, 6, 6) % 2, 1);  // the count would exclude (3,9)
  computeHarvestArea(l.doc, l.view, l.canvas);
  EXPECT_EQ(l.picture(), (std::vector<std::string>{
                             "...........", ".####......", ".####......", ".####......",
                             ".####......", ".####......", ".#########.", ".#########.",
                             ".#########.", ".#########.", "..........."}));

  AreaProject u;
  u.polygon({{2, 2}, {4, 2}, {4, 8}, {8, 8}, {8, 2}, {10, 2}, {10, 10}, {2, 10}});
  computeHarvestArea(u.doc, u.view, u.canvas);
  EXPECT_EQ(u.picture(), (std::vector<std::string>{
                             "...........", ".###...###.", ".###...###.", ".###...###.",
                             ".###...###.", ".###...###.", ".###...###.", ".#########.",
                             ".#########.", ".#########.", "..........."}));
  EXPECT_EQ(u.doc.unitBox, (UnitBox{2, 2, 10, 10}));
}

TEST(HarvestArea, FileCellsJoinAndWidenTheBoxWithoutAPolygon) {
  AreaProject p;
  for (int c = 3; c <= 5; ++c)
    for (int r = 3; r <= 5; ++r) p.doc.harvestUnitGrid(c, r) = 1;
  p.doc.harvestUnitGrid(8, 8) = 1;  // alone: trimmed away
  p.doc.unitCellFlags(11, 11) = 1;  // stale flags are cleared
  computeHarvestArea(p.doc, p.view, p.canvas);
  EXPECT_EQ(p.doc.unitBox, (UnitBox{3, 3, 8, 8}));
  Cells block;
  for (int c = 3; c <= 5; ++c)
    for (int r = 3; r <= 5; ++r) block.insert({c, r});
  EXPECT_EQ(p.members(), block);

  AreaProject empty;
  computeHarvestArea(empty.doc, empty.view, empty.canvas);
  EXPECT_EQ(empty.doc.unitBox, (UnitBox{700, 700, 0, 0}));
  EXPECT_TRUE(empty.members().empty());
}

// Three holes in a column of a full block: the first joins with 7 members around it, and the
// others only because the cells before them joined in the same pass. Likewise three members
// in a column among non-members all leave.
TEST(HarvestAreaSmoothing, FillAndTrimPassesWorkInPlace) {
  AreaProject fill;
  for (int c = 1; c <= 5; ++c)
    for (int r = 1; r <= 7; ++r) fill.doc.unitCellFlags(c, r) = 1;
  for (int r = 3; r <= 5; ++r) fill.doc.unitCellFlags(3, r) = 0;
  fillAreaGaps(fill.doc, UnitBox{2, 2, 4, 6});
  EXPECT_EQ(fill.members().size(), 35u);

  AreaProject trim;
  for (int r = 3; r <= 5; ++r) trim.doc.unitCellFlags(3, r) = 1;
  trim.doc.unitCellFlags(1, 1) = 1;  // outside the box: kept
  trimAreaSpurs(trim.doc, UnitBox{2, 2, 4, 6});
  EXPECT_EQ(trim.members(), (Cells{{1, 1}}));
}

TEST(HarvestArea, ClosingErasesTheOutlineAndEndsTheMouseMode) {
  AreaProject p;
  p.polygon({{2, 2}, {6, 2}, {6, 6}});
  p.view.drawingBoundary = 1;
  computeHarvestArea(p.app);
  EXPECT_EQ(p.view.drawingBoundary, 0);
  EXPECT_EQ(p.canvas.calls, (std::vector<std::string>{
                                "line 110 -110 150 -110 5 255,255,255 solid",
                                "line 150 -110 150 -150 5 255,255,255 solid",
                                "line 150 -150 110 -110 5 255,255,255 solid"}));
}

}  // namespace
}  // namespace skyrig
