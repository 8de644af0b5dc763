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
  ASSERT_GT(before->cells.count, 0);

  // Into a fresh program with the same terrain.
  TestApp fresh("_fresh");
  testing::buildSyntheticCase(*fresh.doc);
  fresh.doc->volumeGrid.fill(0);
  fresh.doc->unitCellFlags.fill(0);
  std::filesystem::copy_file(t.output("ResultFile.dat"), fresh.root / "ResultFile.dat");
  fresh.view->resultFilePath = (fresh.root / "ResultFile.dat").string();
  ASSERT_TRUE(readResultsFile(fresh.app));
  EXPECT_TRUE(fresh.ui.messages().empty());
  EXPECT_TRUE(*snapshot(fresh) == *before);
}

TEST(ResultsFile, EmptyListsAreWrittenAsZeroCounts) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.doc->nrows = 1;
  t.doc->ncols = 2;
  t.doc->volumeGrid(2, 1) = 1.25f;
  t.doc->unitCellFlags(2, 1) = 1;
  t.view->runs.yardingPoints(2, 1) = {500013, 4000110};
  ASSERT_TRUE(writeResultsFile(t.app));
  EXPECT_EQ(testing::readText(t.output("ResultFile.dat")),
            "0\n0\n0\n0.000000 0 0 0\n1.250000 1 500013 4000110\n");
}

class RefusedResultsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::buildSyntheticCase(*t.doc);
    t.doc->ncols = 2;
    t.doc->nrows = 2;
    t.view->runs.roadStartCells.append({1, 1, 9});
    before = snapshot(t);
  }
  void expectRefused(const std::string& text, const std::string& reason) {
    testing::writeText(t.root / "ResultFile.dat", text);
    t.view->resultFilePath = (t.root / "ResultFile.dat").string();
    EXPECT_FALSE(readResultsFile(t.app));
    ASSERT_EQ(t.ui.messages().size(), 1u);
    EXPECT_NE(t.ui.messages()[0].find(reason), std::string::npos) << t.ui.messages()[0];
    EXPECT_NE(t.ui.messages()[0].find("ResultFile.dat"), std::string::npos);
    EXPECT_TRUE(*snapshot(t) == *before);
    t.ui.clearLog();
  }
  TestApp t;
  std::unique_ptr<Snapshot> before;
};

const std::string kFourCells = "1 0 0 0\n2 1 5 6\n3 1 7 8\n4 0 0 0\n";

TEST_F(RefusedResultsFile, CountsBeyondTheListCapacities) {
  expectRefused("91\n", "holds 91 road start cells; at most 90 fit");
  expectRefused("0\n20202\n", "holds 20202 cable assignments; at most 20201 fit");
  expectRefused("0\n0\n1000\n", "holds 1000 road path cells; at most 999 fit");
  expectRefused("-1\n", "holds -1 road start cells");
}

TEST_F(RefusedResultsFile, CellLinesThatDoNotMatchTheGrid) {
  expectRefused("0\n0\n0\n1 0 0 0\n2 1 5 6\n3 1 7 8\n",
                "fewer cell lines than the loaded grid of 2 x 2 cells");
  expectRefused("0\n0\n0\n" + kFourCells + "5 0 0 0\n",
                "more cell lines than the loaded grid of 2 x 2 cells");
  expectRefused("0\n0\n0\n1 0 0 0\n2 300 5 6\n3 1 7 8\n4 0 0 0\n", "cell line 2 is damaged");
  expectRefused("1\n4 5\n", "entry 1 of the road start cells is damaged");
}

TEST_F(RefusedResultsFile, MissingFileOrTerrain) {
  t.view->resultFilePath = (t.root / "nothing.dat").string();
  EXPECT_FALSE(readResultsFile(t.app));
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("nothing.dat cannot be opened."), std::string::npos);
  t.ui.clearLog();
  t.doc->ncols = 0;
  t.doc->nrows = 0;
  before = snapshot(t);
  expectRefused("0\n0\n0\n", "no terrain is loaded");
}

TEST(ResultsFile, ReadsTheStoredPathAndATrailingNote) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.doc->ncols = 2;
  t.doc->nrows = 2;
  // The default path maps under the workspace like every fixed path.
  testing::writeText(t.root / "output/planningarea1/output/ResultFile.dat",
                     "1\n4 3 64\n2\n1 1 18\n2 1 27\n0\n" + kFourCells +
                         std::string("Run cancelled by the user: ...\n"));
  ASSERT_TRUE(readResultsFile(t.app));
  const RunWorkArea& runs = t.view->runs;
  EXPECT_EQ(runs.roadStartCells.count, 1);
  EXPECT_EQ(runs.roadStartCells[1], (RoadCell{4, 3, 64}));
  EXPECT_EQ(runs.cableAssignments.count, 2);
  EXPECT_EQ(runs.cableAssignments[2], (CableAssignment{2, 1, 27}));
  // Row by row: (1,1), (2,1), (1,2), (2,2).
  EXPECT_EQ(t.doc->volumeGrid(2, 1), 2.0f);
  EXPECT_EQ(t.doc->unitCellFlags(1, 2), 1);
  EXPECT_EQ(runs.yardingPoints(1, 2), (YardingPoint{7, 8}));
}

}  // namespace
}  // namespace skyrig
