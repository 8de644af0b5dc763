// The all-at-once run: its one-line log, its iteration log, its drawing; and the solver's
// progress callback that lets a run stop a solve.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "network/NetworkTables.h"
#include "runs/OptimizationRuns.h"
#include "solver/Solve.h"

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

TEST(SolverProgress, ReturningFalseEndsTheSolveAfterThatPass) {
  TestApp t;
  NetworkTables& network = t.doc->network;
  NodeName a, b, c, sink;
  assignNodeName(a, "A");
  assignNodeName(b, "B");
  assignNodeName(c, "C");
  assignNodeName(sink, "Z");
  // Two sales from A to Z over B or C: fixed costs make the heuristic wander for a while.
  network.links.append({a, b, 1.0f, 50.0f});
  network.links.append({a, c, 2.0f, 20.0f});
  network.links.append({b, sink, 1.0f, 50.0f});
  network.links.append({c, sink, 2.0f, 20.0f});
  network.sales.append({a, sink, 3.0f, 0});
  network.sales.append({a, sink, 4.0f, 0});
  t.doc->solver.pathFileName = "path.txt";
  t.doc->solver.iterationLogName = "log.txt";
  std::vector<int> seen;
  t.doc->solver.progress = [&](int iteration, float, float) {
    seen.push_back(iteration);
    return iteration < 3;
  };
  ASSERT_TRUE(solve(*t.doc, t.ui, t.paths, t.random));
  EXPECT_EQ(seen, (std::vector<int>{2, 3}));
  const std::string log = testing::readText(t.root / "log.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);  // iterations 1..3 and the best
  EXPECT_NE(log.find("Iteration: 3\t"), std::string::npos);
  EXPECT_EQ(log.find("Iteration: 4\t"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(t.root / "path.txt"));
}

}  // namespace
}  // namespace skyrig
