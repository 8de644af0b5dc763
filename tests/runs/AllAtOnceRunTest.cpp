// The all-at-once run: its one-line log, no iteration log, its drawing.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"

namespace skyrig {
namespace {

using testing::TestApp;

TEST(AllAtOnceRun, WritesOneLogLineAndNoIterationLog) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runAllAtOnceOptimization(t.app);
  EXPECT_TRUE(t.ui.messages().empty());
  const std::string log = testing::readText(t.output("T&ResultsAllAtOnce.txt"));
  EXPECT_EQ(log.rfind("Hour Min Sec Total 0.000000 0.000000 0.000000 ", 0), 0u) << log;
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
  for (const auto& file : std::filesystem::directory_iterator(t.root / "output"))
    EXPECT_EQ(file.path().filename().string().find("optimizing"), std::string::npos);
  // Every timber cell goes to "SuperExit".
  for (int s = 1; s <= t.doc->network.sales.count(); ++s)
    EXPECT_EQ(t.doc->network.sales[s].destination.view(), "SuperExit");
}

TEST(AllAtOnceRun, LeavesTheSeparateRunsLogsAndListsAlone) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  const std::string logName = t.doc->solver.iterationLogName;
  const std::string roadLog = testing::readText(t.paths.resolve(logName));
  const CableAssignmentList assignments = t.view->runs.cableAssignments;
  const RoadPathCellList cells = t.view->runs.roadPathCells;
  t.canvas.calls.clear();
  runAllAtOnceOptimization(t.app);
  EXPECT_EQ(testing::readText(t.paths.resolve(logName)), roadLog);
  EXPECT_EQ(t.doc->solver.iterationLogName, logName);
  EXPECT_TRUE(t.view->runs.cableAssignments == assignments);
  EXPECT_TRUE(t.view->runs.roadPathCells == cells);
  // The drawing whitens the whole 14 x 12 grid first, then fills road cells green and draws
  // two black lines per timber cell.
  ASSERT_GE(t.canvas.calls.size(), 168u);
  for (std::size_t i = 0; i < 168; ++i)
    EXPECT_EQ(t.canvas.calls[i].substr(t.canvas.calls[i].size() - 11), "255,255,255");
  const long lines = std::count_if(t.canvas.calls.begin(), t.canvas.calls.end(),
                                   [](const std::string& c) { return c.rfind("line", 0) == 0; });
  EXPECT_EQ(lines, 2 * t.doc->network.sales.count());
}

}  // namespace
}  // namespace skyrig
