// The separate run on the synthetic unit: its checks and messages, the invariants of its files
// and solutions, files that cannot be created, and cancelling.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <vector>

#include "RunTestSupport.h"
#include "network/CableNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "runs/NodeNameParts.h"
#include "runs/OptimizationRuns.h"
#include "runs/PathFileReader.h"
#include "runs/ResultsFile.h"
#include "runs/RunFiles.h"
#include "runs/SolutionFlows.h"
#include "solver/Prepare.h"

namespace skyrig {
namespace {

using testing::TestApp;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

int iterationsPerformed(const TestApp& t) {
  int k = 0;
  while (std::filesystem::exists(t.output("T&ResultsSep" + std::to_string(k + 1) + ".txt"))) ++k;
  return k;
}

float overallTotal(const std::string& text) {
  const auto at = text.find("OverallTotal: ");
  return at == std::string::npos ? -1.0f : std::stof(text.substr(at + 14));
}

TEST(SeparateRun, FilesAndSolutionsKeepTheirInvariants) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  ASSERT_TRUE(t.ui.messages().empty());

  const int k = iterationsPerformed(t);
  ASSERT_GE(k, 2);  // the first iteration compares with a previous total of 0
  ASSERT_LE(k, kMaxRunIterations);
  const std::vector<std::string> log = lines(testing::readText(t.output("T&Results.txt")));
  ASSERT_EQ(log.size(), static_cast<std::size_t>(3 * k));
  for (int i = 0; i < k; ++i) {
    EXPECT_EQ(log[static_cast<std::size_t>(3 * i)], "Iteration " + std::to_string(i + 1));
    EXPECT_EQ(log[static_cast<std::size_t>(3 * i + 1)].rfind("Hour Min Sec ", 0), 0u);
    EXPECT_EQ(log[static_cast<std::size_t>(3 * i + 2)].rfind("Cab Road Total ", 0), 0u);
  }

  // The best iteration is the earliest with the lowest total, and the final evaluation of its
  // path copies gives that total again.
  const std::string final = testing::readText(t.output("T&ResultsSepFinal.txt"));
  const int best = std::stoi(final.substr(final.find("Best Iteration: ") + 16));
  float lowest = 1.0e22f;
  int earliest = 0;
  for (int i = 1; i <= k; ++i) {
    const float total =
        overallTotal(testing::readText(t.output("T&ResultsSep" + std::to_string(i) + ".txt")));
    if (total < lowest) {
      lowest = total;
      earliest = i;
    }
  }
  EXPECT_EQ(best, earliest);
  EXPECT_EQ(overallTotal(final), lowest);
  EXPECT_EQ(final.find("TotalCable"), std::string::npos);

  // Every served cell's path is cell, cable road, setup, landing, sink; the volume reaching
  // "DummyDest1" is the volume of the sales.
  CSkyrigDoc& doc = *t.doc;
  PerLanding<float> zero{};
  ASSERT_TRUE(buildCableNetwork(doc, t.paths, t.ui, zero, zero, 100));
  ASSERT_TRUE(buildCableSales(doc, t.paths, t.ui, 100));
  prepare(doc, t.ui);
  float saleVolume = 0;
  for (int s = 1; s <= doc.network.sales.count(); ++s) saleVolume += doc.network.sales[s].volume;
  PathFileReader reader(t.paths, t.ui, kBestCablePathFile, doc.solver.nodeCount);
  PathEntry entry;
  int paths = 0;
  const std::regex setup("S[0-9]+L[0-9]+"), landing("L[0-9]+");
  while (reader.next(entry)) {
    ++paths;
    ASSERT_EQ(entry.nodes.size(), 5u);
    const auto name = [&](int i) {
      return std::string(doc.solver.nodeNames[static_cast<std::size_t>(entry.nodes[static_cast<std::size_t>(i)])].view());
    };
    EXPECT_EQ(parseNodeName(name(0)).kind, NodeNameParts::Kind::Cell);
    const NodeNameParts road = parseNodeName(name(1));
    EXPECT_EQ(road.kind, NodeNameParts::Kind::Cableway);
    EXPECT_EQ(name(2), "S" + std::to_string(road.system) + "L" + std::to_string(road.landing));
    EXPECT_EQ(name(3), "L" + std::to_string(road.landing));
    EXPECT_EQ(name(4), "DummyDest1");
  }
  EXPECT_EQ(paths, doc.network.sales.count());
  ASSERT_TRUE(flowsFromPathFile(t.app, kBestCablePathFile));
  float sunk = 0;
  for (int i = 1; i <= doc.network.links.count(); ++i)
    if (doc.network.links[i].to.view() == "DummyDest1")
      sunk += doc.solver.linkFlow[static_cast<std::size_t>(i)];
  EXPECT_NEAR(sunk, saleVolume, 1e-3);
}

TEST(SeparateRun, ChecksHarvestUnitAndTimberExits) {
  {
    TestApp t;
    testing::buildSyntheticCase(*t.doc);
    t.doc->timberExits[1] = {};
    t.doc->timberExitCount = 0;
    runSeparateOptimization(t.app);
    EXPECT_EQ(t.ui.messages(), std::vector<std::string>{
                                   "message exclamation: You have not placed timber exit location(s)."});
    EXPECT_FALSE(std::filesystem::exists(t.output("T&Results.txt")));
  }
  {
    // An existing road cell counts as a timber exit; a missing unit is only a warning.
    TestApp t;
    testing::buildSyntheticCase(*t.doc);
    t.doc->timberExits[1] = {};
    t.doc->roadGrid(7, 11) = 1;
    t.doc->unitBox.minCol = 0;
    runSeparateOptimization(t.app);
    ASSERT_FALSE(t.ui.messages().empty());
    EXPECT_EQ(t.ui.messages()[0],
              "message exclamation: You need to designate harvest unit boundaries.");
    EXPECT_TRUE(std::filesystem::exists(t.output("T&ResultsSepFinal.txt")));
  }
}

TEST(SeparateRun, FileThatCannotBeCreatedStopsWithOneMessage) {
  {
    TestApp t;
    testing::buildSyntheticCase(*t.doc);
    std::filesystem::create_directories(t.output("T&Results.txt"));
    runSeparateOptimization(t.app);
    ASSERT_EQ(t.ui.messages().size(), 1u);
    EXPECT_NE(t.ui.messages()[0].find("T&Results.txt cannot be created."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(t.output("cablepath.txt")));
  }
  {
    // The best path copy cannot be written: the run stops, says so in its log, and the
    // document still holds whole tables.
    TestApp t;
    testing::buildSyntheticCase(*t.doc);
    std::filesystem::create_directories(t.output("bestroadpath.txt"));
    runSeparateOptimization(t.app);
    ASSERT_EQ(t.ui.messages().size(), 1u);
    EXPECT_NE(t.ui.messages()[0].find("bestroadpath.txt cannot be created."), std::string::npos);
    const std::string log = testing::readText(t.output("T&Results.txt"));
    EXPECT_NE(log.find("Run stopped in iteration 1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(t.output("T&ResultsSepFinal.txt")));
    EXPECT_GT(t.doc->network.links.count(), 0);
  }
}

TEST(SeparateRun, CancelStopsTheSolvesAndMarksEveryFileWritten) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  t.ui.recordProgress = true;
  t.ui.cancelRequested = true;  // the first progress report asks to cancel
  runSeparateOptimization(t.app);
  EXPECT_TRUE(t.ui.messages().empty());

  EXPECT_EQ(iterationsPerformed(t), 1);
  const std::string note(kCancelledNote);
  const auto endsWithNote = [&](const std::string& name) {
    const std::string text = testing::readText(t.output(name));
    return text.size() >= note.size() && text.compare(text.size() - note.size(), note.size(), note) == 0;
  };
  for (const char* name : {"T&Results.txt", "T&ResultsSep1.txt", "T&ResultsSepFinal.txt",
                           "cablereport.txt", "roadreport.txt", "ResultFile.dat",
                           "cableoptimizing1.txt", "roadoptimizing1.txt"})
    EXPECT_TRUE(endsWithNote(name)) << name;

  // Both solves stopped after their second pass and kept their best solution.
  const std::vector<std::string> cableLog = lines(testing::readText(t.output("cableoptimizing1.txt")));
  ASSERT_EQ(cableLog.size(), 4u);
  EXPECT_EQ(cableLog[1].rfind("Iteration: 2\t", 0), 0u);
  EXPECT_EQ(cableLog[2].rfind("Best Iteration: ", 0), 0u);
  EXPECT_EQ(lines(testing::readText(t.output("roadoptimizing1.txt"))).size(), 4u);

  // The one progress report asked before the cancel names the run, both iterations and time.
  const auto& log = t.ui.log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0].rfind("progress: Optimizing: iteration 1 of at most 10, cable solve iteration "
                         "2 of at most 200, best solve total ", 0),
            0u)
      << log[0];
  EXPECT_EQ(log.size(), 1u);

  // A results file with the note reads back.
  t.view->resultFilePath = t.output("ResultFile.dat").string();
  EXPECT_TRUE(readResultsFile(t.app));
}

TEST(SeparateRun, RunLogDropsWholeDaysOfTheElapsedTime) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  // Every reading is 1 day 1 h 1 min 1 s after the one before: after n readings (n < 60) the
  // line shows n mod 24 hours, n minutes and n seconds.
  FixedClock clock(0, 90061);
  AppContext app{*t.doc, *t.view, t.ui, t.canvas, t.paths, clock, t.random};
  runSeparateOptimization(app);
  const std::vector<std::string> log = lines(testing::readText(t.output("T&Results.txt")));
  ASSERT_GE(log.size(), 2u);
  std::smatch m;
  ASSERT_TRUE(std::regex_match(
      log[1], m, std::regex(R"(Hour Min Sec (\d+)\.000000 (\d+)\.000000 (\d+)\.000000 )")));
  const int n = std::stoi(m[2]);
  EXPECT_EQ(std::stoi(m[1]), n % 24);
  EXPECT_EQ(std::stoi(m[3]), n);
}

}  // namespace
}  // namespace skyrig
