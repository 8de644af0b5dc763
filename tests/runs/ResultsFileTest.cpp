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
  // Yarding points on the grid: the ground point of cell (1, 1) and of cell (2, 2).
  const DtmCell a = t.doc->dtm(1, 1);
  const DtmCell b = t.doc->dtm(2, 2);
  const std::string pa = std::to_string(a.x) + " " + std::to_string(a.y);
  const std::string pb = std::to_string(b.x) + " " + std::to_string(b.y);
  const std::string cells = "1 0 0 0\n2 1 " + pa + "\n3 1 " + pb + "\n4 0 0 0\n";
  t.doc->landingCount = 2;
  const std::pair<std::string, std::string> cases[] = {
      {"91\n", "it holds 91 road start cells; at most 90 fit"},
      {"0\n20202\n", "it holds 20202 cable assignments; at most 20201 fit"},
      {"0\n0\n1000\n", "it holds 1000 road path cells; at most 999 fit"},
      {"1\n4 5\n", "entry 1 of the road start cells is damaged"},
      {"0\n0\n0\n1 0 0 0\n2 1 " + pa + "\n", "it has fewer cell lines than the loaded grid of 2 x 2 cells"},
      {"0\n0\n0\n" + cells + "5 0 0 0\n", "it has more cell lines than the loaded grid of 2 x 2 cells"},
      {"0\n0\n0\n1 0 0 0\n2 1 x 6\n", "line 5 \"2 1 x 6\", cell line 2 is damaged"},
      // Values that can only be mistakes, each named with its line.
      {"0\n0\n0\n1 0 0 0\n2 300 0 0\n",
       "line 5 \"2 300 0 0\", cell line 2: the harvest unit flag 300 is not 0 or 1"},
      {"0\n0\n0\n1 0 0 0\n2 1 -2147483648 -2147483648\n",
       "line 5 \"2 1 -2147483648 -2147483648\", cell line 2: the yarding point (-2147483648, "
       "-2147483648) lies off the loaded grid"},
      {"0\n0\n0\nnan 0 0 0\n", "line 4 \"nan 0 0 0\", cell line 1: the volume is not a finite number"},
      {"1\n3 1 9\n", "line 2 \"3 1 9\", entry 1 of the road start cells: cell C3R1 lies outside the loaded grid"},
      {"0\n0\n1\n1 0 9\n", "line 4 \"1 0 9\", entry 1 of the road path cells: cell C1R0 lies outside the loaded grid"},
      {"0\n1\n3 1 2\n", "line 3 \"3 1 2\", entry 1 of the cable assignments: landing 3 does not exist (2 landings are loaded)"},
      {"0\n1\n1 0 2\n", "line 3 \"1 0 2\", entry 1 of the cable assignments: cable system 0 is not 1 to 5"},
      {"0\n1\n1 1 36\n", "line 3 \"1 1 36\", entry 1 of the cable assignments: cable road 36 is not 0 to 35"}};
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
  EXPECT_EQ(t.view->runs.yardingPoints(1, 2), (YardingPoint{b.x, b.y}));
}

}  // namespace
}  // namespace skyrig
