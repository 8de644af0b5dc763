// The results file: a run's lists, volumes, flags and yarding points read back identically;
// files that do not fit the lists or the loaded grid are refused and change nothing.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/ResultsFile.h"

namespace skyrig {
namespace {

using testing::TestApp;

struct Snapshot {
  RoadStartCellList starts;
  CableAssignmentList assignments;
  RoadPathCellList cells;
  Grid<float> volume;
  Grid<std::uint8_t> flags;
  Grid<YardingPoint> points;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

std::unique_ptr<Snapshot> snapshot(const TestApp& t) {
  const RunWorkArea& runs = t.view->runs;
  return std::make_unique<Snapshot>(Snapshot{runs.roadStartCells, runs.cableAssignments,
                                             runs.roadPathCells, t.doc->volumeGrid,
                                             t.doc->unitCellFlags, runs.yardingPoints});
}

TEST(ResultsFile, RunResultsReadBackIdentically) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  const auto before = snapshot(t);
  ASSERT_GT(before->assignments.count, 0);
  // Into a fresh program with the same terrain, from the path the reader is given.
  TestApp fresh("_fresh");
  testing::buildSyntheticCase(*fresh.doc);
  fresh.doc->volumeGrid.fill(0);
  fresh.doc->unitCellFlags.fill(0);
  testing::writeText(fresh.root / "output/planningarea1/output/ResultFile.dat",
                     testing::readText(t.output("ResultFile.dat")));
  ASSERT_TRUE(readResultsFile(fresh.app));
  EXPECT_TRUE(fresh.ui.messages().empty());
  EXPECT_TRUE(*snapshot(fresh) == *before);
}

TEST(ResultsFile, WritesCountsThenCellsRowByRow) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.doc->nrows = 2;
  t.doc->ncols = 1;
  t.doc->volumeGrid(1, 2) = 1.25f;
  t.doc->unitCellFlags(1, 2) = 1;
  t.view->runs.yardingPoints(1, 2) = {500013, 4000110};
  t.view->runs.cableAssignments.append({2, 1, 27});
  ASSERT_TRUE(writeResultsFile(t.app));
  EXPECT_EQ(testing::readText(t.output("ResultFile.dat")),
            "0\n1\n2 1 27\n0\n0.000000 0 0 0\n1.250000 1 500013 4000110\n");
}

TEST(ResultsFile, RefusesFilesThatDoNotFitAndChangesNothing) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.doc->ncols = 2;
  t.doc->nrows = 2;
  t.view->runs.roadStartCells.append({1, 1, 9});
  const auto before = snapshot(t);
  t.view->resultFilePath = (t.root / "r.dat").string();
  const std::string cells = "1 0 0 0\n2 1 5 6\n3 1 7 8\n4 0 0 0\n";
  const std::pair<std::string, std::string> cases[] = {
      {"91\n", "it holds 91 road start cells; at most 90 fit"},
      {"0\n20202\n", "it holds 20202 cable assignments; at most 20201 fit"},
      {"0\n0\n1000\n", "it holds 1000 road path cells; at most 999 fit"},
      {"1\n4 5\n", "entry 1 of the road start cells is damaged"},
      {"0\n0\n0\n1 0 0 0\n2 1 5 6\n", "it has fewer cell lines than the loaded grid of 2 x 2 cells"},
      {"0\n0\n0\n" + cells + "5 0 0 0\n", "it has more cell lines than the loaded grid of 2 x 2 cells"},
      {"0\n0\n0\n1 0 0 0\n2 300 5 6\n", "cell line 2 is damaged"}};
  for (const auto& [text, reason] : cases) {
    testing::writeText(t.root / "r.dat", text);
    t.ui.clearLog();
    EXPECT_FALSE(readResultsFile(t.app));
    ASSERT_EQ(t.ui.messages().size(), 1u);
    EXPECT_NE(t.ui.messages()[0].find("r.dat cannot be read: " + reason + ". Nothing was changed."),
              std::string::npos)
        << t.ui.messages()[0];
    EXPECT_TRUE(*snapshot(t) == *before);
  }
  // A trailing note (a cancelled run's) is no cell line.
  testing::writeText(t.root / "r.dat", "0\n0\n0\n" + cells + "Run cancelled by the user\n");
  EXPECT_TRUE(readResultsFile(t.app));
  EXPECT_EQ(t.view->runs.yardingPoints(1, 2), (YardingPoint{7, 8}));
}

}  // namespace
}  // namespace skyrig
