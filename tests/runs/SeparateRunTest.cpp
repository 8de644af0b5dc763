// The separate run on the synthetic unit: its invariants, checks and messages, a file that
// cannot be created, and cancelling.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/ResultsFile.h"
#include "runs/RunFiles.h"

namespace skyrig {
namespace {

using testing::TestApp;

TEST(SeparateRun, KeepsItsInvariants) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  EXPECT_TRUE(t.ui.messages().empty());
  testing::expectSeparateRunInvariants(t);
}

TEST(SeparateRun, ChecksHarvestUnitAndTimberExits) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.doc->timberExits[1] = {};
  runSeparateOptimization(t.app);
  EXPECT_EQ(t.ui.messages(), std::vector<std::string>{
                                 "message exclamation: You have not placed timber exit location(s)."});
  EXPECT_FALSE(std::filesystem::exists(t.output("T&Results.txt")));
  // An existing road cell counts as a timber exit; a missing unit is only a warning.
  t.ui.clearLog();
  t.doc->roadGrid(7, 11) = 1;
  t.doc->unitBox.minCol = 0;
  runSeparateOptimization(t.app);
  ASSERT_FALSE(t.ui.messages().empty());
  EXPECT_EQ(t.ui.messages()[0], "message exclamation: You need to designate harvest unit boundaries.");
  EXPECT_TRUE(std::filesystem::exists(t.output("T&ResultsSepFinal.txt")));
}

TEST(SeparateRun, FileThatCannotBeCreatedStopsTheRunWithOneMessage) {
  for (const std::string name : {"cablepath.txt", "bestroadpath.txt"}) {
    TestApp t("_" + name);
    testing::buildSyntheticCase(*t.doc);
    std::filesystem::create_directories(t.output(name));
    runSeparateOptimization(t.app);
    ASSERT_EQ(t.ui.messages().size(), 1u) << name;
    EXPECT_NE(t.ui.messages()[0].find(name + " cannot be"), std::string::npos);
    EXPECT_NE(t.ui.messages()[0].find("a folder has that name"), std::string::npos);
    EXPECT_NE(testing::readText(t.output("T&Results.txt")).find("Run stopped in iteration 1"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(t.output("T&ResultsSepFinal.txt")));
  }
}

TEST(SeparateRun, CancelStopsTheSolvesAndMarksEveryFileWritten) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.ui.recordProgress = true;
  t.ui.cancelRequested = true;  // the first progress report asks to cancel
  runSeparateOptimization(t.app);
  EXPECT_TRUE(t.ui.messages().empty());
  // Only the report that was cancelled was asked; it names the run, both iterations and time.
  ASSERT_EQ(t.ui.log().size(), 1u);
  EXPECT_EQ(t.ui.log()[0], "progress: Optimizing: iteration 1 of at most 10, cable solve "
                          "iteration 1 of at most 200, elapsed 0:00:00");

  EXPECT_FALSE(std::filesystem::exists(t.output("T&ResultsSep2.txt")));
  const std::string note(kCancelledNote);
  for (const char* name : {"T&Results.txt", "T&ResultsSep1.txt", "T&ResultsSepFinal.txt",
                           "cablereport.txt", "roadreport.txt", "ResultFile.dat",
                           "cableoptimizing1.txt", "roadoptimizing1.txt"}) {
    const std::string text = testing::readText(t.output(name));
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), note.size())), note) << name;
  }
  // Both solves stopped after their second pass, the earliest a solve can stop: two
  // iteration lines, the best, the note.
  for (const char* name : {"cableoptimizing1.txt", "roadoptimizing1.txt"}) {
    const std::string log = testing::readText(t.output(name));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << name;
    EXPECT_NE(log.find("Iteration: 2\t"), std::string::npos) << name;
  }
  t.view->resultFilePath = t.output("ResultFile.dat").string();
  EXPECT_TRUE(readResultsFile(t.app));
}

}  // namespace
}  // namespace skyrig
