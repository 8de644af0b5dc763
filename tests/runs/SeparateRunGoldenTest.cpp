// The whole course of a planning case on the synthetic unit: the separate run, the road
// mileage report, the results file and the all-at-once run, with every output file compared
// with golden files reviewed once by hand. Set SKYRIG_UPDATE_GOLDEN=1 to rewrite them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/Reports.h"

namespace skyrig {
namespace {

using testing::TestApp;

const std::filesystem::path kGolden =
    std::filesystem::path(SKYRIG_SOURCE_DIR) / "tests" / "runs" / "golden" / "synthetic";

void expectGolden(const TestApp& t, const std::string& name) {
  const std::string actual = testing::readText(t.output(name));
  ASSERT_FALSE(actual.empty()) << name << " was not written";
  if (std::getenv("SKYRIG_UPDATE_GOLDEN")) {
    testing::writeText(kGolden / name, actual);
    return;
  }
  EXPECT_EQ(actual, testing::readText(kGolden / name)) << name << " differs from its golden file";
}

TEST(PlanningCase, SyntheticUnitMatchesGoldenFiles) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  EXPECT_EQ(t.ui.messages(), std::vector<std::string>{});
  writeRoadMileageReport(t.app);
  runAllAtOnceOptimization(t.app);
  EXPECT_EQ(t.ui.messages(), std::vector<std::string>{});

  std::vector<std::string> files = {
      "T&Results.txt",      "T&ResultsSepFinal.txt", "cablepath.txt",   "roadpath.txt",
      "bestcablepath.txt",  "bestroadpath.txt",      "cablereport.txt", "roadreport.txt",
      "RoadMileage.txt",    "ResultFile.dat",        "allpath.txt",     "T&ResultsAllAtOnce.txt"};
  for (int k = 1; std::filesystem::exists(t.output("T&ResultsSep" + std::to_string(k) + ".txt"));
       ++k) {
    files.push_back("T&ResultsSep" + std::to_string(k) + ".txt");
    files.push_back("cableoptimizing" + std::to_string(k) + ".txt");
    files.push_back("roadoptimizing" + std::to_string(k) + ".txt");
  }
  for (const std::string& name : files) expectGolden(t, name);
}

}  // namespace
}  // namespace skyrig
