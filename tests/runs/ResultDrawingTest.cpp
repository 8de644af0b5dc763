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

  // A full list keeps what it has and counts what it could not take.
  RoadPathCellList full;
  for (int i = 0; i < 1000; ++i) full.append({1, 1, i});
  EXPECT_EQ(full.count, 999);
  EXPECT_EQ(full.dropped, 1);

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

// Entry 2 has no nodes; entry 3 names node 10 of a 9-node table.
std::vector<int> readPaths(TestApp& t, PathFileReader::EmptyPath empty, bool& damaged) {
  testing::writeText(t.root / "p.txt", "0\n3\n1\n2.5\n2\n4 5 \n2\n1.0\n0\n\n3\n1.0\n2\n5 10 \n");
  PathFileReader reader(t.paths, t.ui, "p.txt", 9, empty);
  std::vector<int> sizes;
  PathEntry entry;
  while (reader.next(entry)) sizes.push_back(static_cast<int>(entry.nodes.size()));
  damaged = reader.damaged();
  return sizes;
}

TEST(PathFileReading, EmptyPathStopsOrPassesAndForeignNodesEndTheReading) {
  TestApp t;
  bool damaged = false;
  EXPECT_EQ(readPaths(t, PathFileReader::EmptyPath::Stop, damaged), std::vector<int>{2});
  EXPECT_FALSE(damaged);
  EXPECT_EQ(t.ui.messages(),
            std::vector<std::string>{"message exclamation: One of the sales could not be found."});
  t.ui.clearLog();
  EXPECT_EQ(readPaths(t, PathFileReader::EmptyPath::Pass, damaged), (std::vector<int>{2, 0}));
  EXPECT_TRUE(damaged);
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("p.txt is damaged or belongs to another network (entry 3)"),
            std::string::npos);
}

}  // namespace
}  // namespace skyrig
