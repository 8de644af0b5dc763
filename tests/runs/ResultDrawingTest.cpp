// Result drawing and the Show commands on a recording canvas, and the path file reading rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/PathFileReader.h"
#include "runs/ResultDrawing.h"

namespace skyrig {
namespace {

using testing::TestApp;

long countCalls(const RecordingCanvas& canvas, const std::string& prefix) {
  return std::count_if(canvas.calls.begin(), canvas.calls.end(),
                       [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
}

TEST(ResultDrawing, HarvestingUnitFrameAlignsWithTheMap) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  drawHarvestingUnit(t.app);
  // Centres of cells (1, 1), (100, 1), (100, 100), (1, 100) with the grid origin subtracted:
  // cell (1, 1) is at (100, -100) and every further cell 10 m on.
  EXPECT_EQ(t.canvas.calls, (std::vector<std::string>{
                                "line 100 -100 1090 -100 7 155,155,155 solid",
                                "line 1090 -100 1090 -1090 7 155,155,155 solid",
                                "line 1090 -1090 100 -1090 7 155,155,155 solid",
                                "line 100 -1090 100 -100 7 155,155,155 solid"}));
}

TEST(ResultDrawing, ShowCommandsDrawTheResultLists) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  RunWorkArea& runs = t.view->runs;
  for (const CableAssignment a : {CableAssignment{1, 1, 18}, CableAssignment{1, 1, 13},
                                  CableAssignment{1, 1, 18}, CableAssignment{2, 1, 18},
                                  CableAssignment{1, 1, 13}})
    runs.cableAssignments.append(a);
  showCableways(t.app);
  // Three distinct roads, each once, black and 7 wide, from the landing to the far end.
  EXPECT_EQ(t.canvas.calls, (std::vector<std::string>{
                                "line 130 -120 130 -190 7 0,0,0 solid",
                                "line 130 -120 190 -180 7 0,0,0 solid",
                                "line 200 -120 200 -190 7 0,0,0 solid"}));

  t.canvas.calls.clear();
  runs.roadStartCells.append({4, 3, 1});
  runs.roadPathCells.append({4, 3, 1});
  runs.roadPathCells.append({5, 3, 2});
  showLandings(t.app);
  showRoads(t.app);
  // Cell (4, 3) covers x 125..135 and y -125..-115 on the map.
  EXPECT_EQ(t.canvas.calls, (std::vector<std::string>{"fill 125 -125 135 -115 255,255,255",
                                                       "fill 125 -125 135 -115 200,0,100",
                                                       "fill 135 -125 145 -115 200,0,100"}));

  t.canvas.calls.clear();
  t.doc->volumeGrid(5, 5) = -1.0f;
  runs.yardingPoints(4, 4) = {500030, 4000080};  // a yarding line only where a point is set
  showTimberCells(t.app);
  // 80 unit cells, 7 without timber; of the 73 with timber one is now unreachable (red).
  EXPECT_EQ(countCalls(t.canvas, "fill"), 73);
  EXPECT_EQ(countCalls(t.canvas, "fill 135 -145 145 -135 255,0,0"), 1);
  EXPECT_EQ(countCalls(t.canvas, "line 130 -130 130 -130 5 100,100,100 solid"), 1);
  EXPECT_EQ(countCalls(t.canvas, "line"), 1);

  t.canvas.calls.clear();
  clearHarvestUnit(t.app);
  EXPECT_EQ(countCalls(t.canvas, "fill"), 80);
  EXPECT_EQ(countCalls(t.canvas, "fill 125 -125 135 -115 255,255,255"), 1);
}

TEST(ResultDrawing, RunFillsTheListsFromItsPaths) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  const RunWorkArea& runs = t.view->runs;
  // Every timber cell of the unit is served: one assignment per cell with timber.
  int timberCells = 0;
  for (int r = 3; r <= 10; ++r)
    for (int c = 3; c <= 12; ++c) timberCells += t.doc->volumeGrid(c, r) > 0;
  EXPECT_EQ(runs.cableAssignments.count, timberCells);
  // One road path from the landing cell; its sink repeats the exit cell before it.
  ASSERT_EQ(runs.roadStartCells.count, 1);
  const Landing& site = t.doc->landings[1];
  EXPECT_EQ(runs.roadStartCells[1].col, site.col);
  EXPECT_EQ(runs.roadStartCells[1].row, site.row);
  const int n = runs.roadPathCells.count;
  ASSERT_GE(n, 2);
  EXPECT_EQ(runs.roadPathCells[n].col, 7);
  EXPECT_EQ(runs.roadPathCells[n].row, 11);
  EXPECT_EQ(runs.roadPathCells[n - 1].col, 7);
  EXPECT_EQ(runs.roadPathCells[n - 1].row, 11);
  EXPECT_NE(runs.roadPathCells[n].node, runs.roadPathCells[n - 1].node);
}

class PathFileReading : public ::testing::Test {
 protected:
  std::vector<int> read(const std::string& text, PathFileReader::EmptyPath empty,
                        std::int32_t nodeCount = 9) {
    testing::writeText(t.root / "path.txt", text);
    PathFileReader reader(t.paths, t.ui, "path.txt", nodeCount, empty);
    std::vector<int> out;
    PathEntry entry;
    while (reader.next(entry)) {
      out.push_back(entry.sale);
      out.push_back(static_cast<int>(entry.nodes.size()));
    }
    damaged = reader.damaged();
    return out;
  }
  TestApp t;
  bool damaged = false;
};

TEST_F(PathFileReading, EmptyPathStopsOrPassesByTheReadersRule) {
  const std::string text = "0\n3\n1\n2.5\n2\n4 5 \n2\n1.0\n0\n\n3\n1.0\n2\n5 6 \n1.0\n2.0\n3.0\n";
  EXPECT_EQ(read(text, PathFileReader::EmptyPath::Stop), (std::vector<int>{1, 2}));
  EXPECT_EQ(t.ui.messages(),
            std::vector<std::string>{"message exclamation: One of the sales could not be found."});
  EXPECT_FALSE(damaged);
  t.ui.clearLog();
  EXPECT_EQ(read(text, PathFileReader::EmptyPath::Pass), (std::vector<int>{1, 2, 2, 0, 3, 2}));
  EXPECT_TRUE(t.ui.messages().empty());
}

TEST_F(PathFileReading, NodesOutsideTheNodeTableEndTheReading) {
  EXPECT_EQ(read("0\n2\n1\n1.0\n2\n4 5 \n2\n1.0\n2\n5 10 \n", PathFileReader::EmptyPath::Stop),
            (std::vector<int>{1, 2}));
  EXPECT_TRUE(damaged);
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("path.txt is damaged or belongs to another network (entry 2)"),
            std::string::npos);
  t.ui.clearLog();
  EXPECT_EQ(read("0\n1\n1\n1.0\n12\n", PathFileReader::EmptyPath::Stop), std::vector<int>{});
  EXPECT_TRUE(damaged);
}

}  // namespace
}  // namespace skyrig
