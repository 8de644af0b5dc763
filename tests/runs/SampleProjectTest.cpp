// The separate run on the sample project, loaded and analysed with the program's own commands:
// the run's invariants, and its results file read back into a fresh program.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "app/CommandTable.h"
#include "runs/OptimizationRuns.h"
#include "runs/ResultsFile.h"

namespace skyrig {
namespace {

using testing::TestApp;

bool loadAndAnalyse(TestApp& t) {
  std::filesystem::copy(std::filesystem::path(SKYRIG_SOURCE_DIR) / "examples/southzone", t.root,
                        std::filesystem::copy_options::recursive);
  for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                         "BoundaryByFile", "LandingsOpen", "CablewaysGenerate",
                         "AnalysesCableways"})
    if (!runCommand(id, t.app)) return false;
  t.doc->timberExits[1] = {68, 72};  // where the existing road enters the unit's box
  t.doc->timberExitCount = 1;
  return true;
}

TEST(SampleProject, SeparateRunKeepsItsInvariantsAndItsResultsFileReadsBack) {
  TestApp t;
  if (!loadAndAnalyse(t)) GTEST_SKIP() << "the cable road commands are not in this build";
  runSeparateOptimization(t.app);
  EXPECT_TRUE(t.ui.messages().empty());
  const RunWorkArea runs = t.view->runs;
  const Grid<float> volume = t.doc->volumeGrid;
  const Grid<std::uint8_t> flags = t.doc->unitCellFlags;
  testing::expectSeparateRunInvariants(t);

  TestApp fresh("_fresh");
  ASSERT_TRUE(loadAndAnalyse(fresh));
  testing::writeText(fresh.root / "output/planningarea1/output/ResultFile.dat",
                     testing::readText(t.output("ResultFile.dat")));
  ASSERT_TRUE(readResultsFile(fresh.app));
  EXPECT_TRUE(fresh.view->runs.cableAssignments == runs.cableAssignments);
  EXPECT_TRUE(fresh.view->runs.roadPathCells == runs.roadPathCells);
  EXPECT_TRUE(fresh.view->runs.roadStartCells == runs.roadStartCells);
  EXPECT_TRUE(fresh.view->runs.yardingPoints == runs.yardingPoints);
  EXPECT_TRUE(fresh.doc->volumeGrid == volume);
  EXPECT_TRUE(fresh.doc->unitCellFlags == flags);
}

}  // namespace
}  // namespace skyrig
