// Network > Improve Plan on the synthetic unit: a plan no dearer than the separate run's, a
// whole-plan bound below both, its own files readable as path files, and not one byte of the
// separate run's files changed.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <utility>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/PlanImprovement.h"

namespace skyrig {
namespace {

using testing::TestApp;

std::map<std::string, std::string> outputFiles(const TestApp& t) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(t.root / "output"))
    if (entry.is_regular_file())
      files[entry.path().filename().string()] = testing::readText(entry.path());
  return files;
}

TEST(PlanImprovement, BeatsOrKeepsTheSeparateRunWithABoundAndLeavesItsFilesAlone) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  const auto before = outputFiles(t);

  const std::optional<PlanImprovement> plan = improvePlan(t.app, 20);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(t.ui.messages(), std::vector<std::string>{});
  EXPECT_EQ(outputFiles(t), before);  // the separate run's files, byte for byte

  const double specified = plan->specified.costs.total();
  const double improved = plan->improved.costs.total();
  // The separate run evaluates its plan in 32-bit floats; here it is costed in double.
  const std::string final = testing::readText(t.output("T&ResultsSepFinal.txt"));
  const double written = std::stod(final.substr(final.find("OverallTotal: ") + 14));
  EXPECT_NEAR(specified, written, 1e-4 * written);
  EXPECT_LE(improved, specified + 1e-9);
  ASSERT_TRUE(plan->bound.has_value()) << plan->boundMethod;
  EXPECT_LE(*plan->bound, improved);
  EXPECT_GT(*plan->bound, 0.5 * improved);
  EXPECT_NEAR(plan->improved.volumeServed, plan->specified.volumeServed,
              1e-6 * plan->specified.volumeServed);  // every cell is still served
  for (const LevelSolve& solve : plan->solves) {
    if (solve.bound) {
      EXPECT_LE(*solve.bound, solve.cost + 1e-9) << solve.method;
    }
  }

  for (const char* file : {kImprovedCablePathFile, kImprovedRoadPathFile,
                           kImprovedCableReportFile, kImprovedRoadReportFile, kImprovedPlanFile})
    EXPECT_FALSE(testing::readText(t.paths.resolve(file)).empty()) << file;
  EXPECT_NE(testing::readText(t.paths.resolve(kImprovedPlanFile)).find("Lower bound: "),
            std::string::npos);

  // The improved plan held in memory is the one its reports state, and its sheet data serves
  // what the plan serves.
  std::istringstream cableReport(testing::readText(t.paths.resolve(kImprovedCableReportFile)));
  std::vector<CableReportLine> fromFile;
  for (std::string line; std::getline(cableReport, line);) {
    CableReportLine entry;
    if (parseCableReportLine(line, entry)) fromFile.push_back(entry);
  }
  const PlanPaths& paths = plan->improvedPaths;
  ASSERT_EQ(paths.cable.size(), fromFile.size());
  for (std::size_t i = 0; i < fromFile.size(); ++i) {
    EXPECT_EQ(paths.cable[i].col, fromFile[i].col);
    EXPECT_EQ(paths.cable[i].row, fromFile[i].row);
    EXPECT_EQ(paths.cable[i].landing, fromFile[i].landing);
    EXPECT_EQ(paths.cable[i].road, fromFile[i].road);
    EXPECT_EQ(paths.cable[i].volume, fromFile[i].volume);
  }
  EXPECT_EQ(paths.roads,
            parseRoadReport(testing::readText(t.paths.resolve(kImprovedRoadReportFile))));
  const PlanSheetData sheet = gatherPlanSheetData(*t.doc, paths);
  EXPECT_TRUE(sheet.hasPlan);
  EXPECT_NEAR(sheet.servedVolume, plan->improved.volumeServed, 1e-3);
  double haul = 0;
  for (const PlanLanding& landing : sheet.landings) haul += landing.transportCost;
  EXPECT_NEAR(haul, plan->improved.costs.road(), 1e-6 * plan->improved.costs.road());
}

TEST(PlanImprovement, NoTimeOrNoFolderToWriteStillGiveAPlanNoDearerAndATrueBound) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  const auto before = outputFiles(t);
  // A file stands where the improved plan's folder should be.
  testing::writeText(t.root / "output" / "improved", "in the way");

  const std::optional<PlanImprovement> plan = improvePlan(t.app, 0);
  ASSERT_TRUE(plan.has_value());
  EXPECT_LE(plan->improved.costs.total(), plan->specified.costs.total() + 1e-9);
  EXPECT_EQ(plan->iterations, 0);  // only the roads of the specified cable plan
  if (plan->bound) {
    EXPECT_LE(*plan->bound, plan->improved.costs.total());
  }
  EXPECT_FALSE(plan->improvedPaths.cable.empty());  // the plan is still there to be shown
  EXPECT_TRUE(plan->files.empty());
  ASSERT_FALSE(t.ui.messages().empty());
  EXPECT_NE(t.ui.messages()[0].find("improved"), std::string::npos) << t.ui.messages()[0];
  auto after = outputFiles(t);
  after.erase("improved");
  EXPECT_EQ(after, before);
}

TEST(PlanImprovement, StartsFromTheSeparateRunsSolutionInMemoryAndChecksAFileReadBack) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  ASSERT_EQ(t.view->runs.bestCable.saleCount(), t.doc->network.savedCableSales.count());
  ASSERT_GT(t.view->runs.bestRoad.saleCount(), 0);
  const std::optional<PlanImprovement> fromFiles = [&] {
    const Solution cable = std::exchange(t.view->runs.bestCable, {});
    const Solution road = std::exchange(t.view->runs.bestRoad, {});
    auto plan = improvePlan(t.app, 10);
    t.view->runs.bestCable = cable;
    t.view->runs.bestRoad = road;
    return plan;
  }();
  ASSERT_TRUE(fromFiles.has_value());

  // The best path files damaged: the plan in memory is the same plan.
  testing::writeText(t.output("bestcablepath.txt"), "damaged\n");
  testing::writeText(t.output("bestroadpath.txt"), "damaged\n");
  const std::optional<PlanImprovement> fromMemory = improvePlan(t.app, 10);
  ASSERT_TRUE(fromMemory.has_value());
  EXPECT_EQ(fromMemory->specified.costs.total(), fromFiles->specified.costs.total());
  EXPECT_EQ(fromMemory->improved.costs.total(), fromFiles->improved.costs.total());

  // Without it, a damaged file is named and no plan or bound is made up.
  t.view->runs.bestCable = {};
  t.ui.clearLog();
  EXPECT_FALSE(improvePlan(t.app, 10).has_value());
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("bestcablepath.txt"), std::string::npos) << t.ui.messages()[0];
}

TEST(PlanImprovement, WithoutASeparateRunItSaysSoAndDoesNothing) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  EXPECT_FALSE(improvePlan(t.app, 5).has_value());
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("Network > Optimizing"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(t.root / "output" / "improved"));
}

}  // namespace
}  // namespace skyrig
