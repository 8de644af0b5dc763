// Prepare and Solve on small hand-worked problems: numbering, sorts, messages, tie-breaks,
// iteration control, totals and files.
#include <gtest/gtest.h>

#include <filesystem>

#include "../network/NetworkFixture.h"
#include "document/SolverTables.h"
#include "seams/Random.h"
#include "solver/Prepare.h"
#include "solver/Solve.h"

namespace skyrig {
namespace {

using testing::Workspace;

NodeName node(const char* text) {
  NodeName name;
  assignNodeName(name, text);
  return name;
}

class SolverTest : public ::testing::Test {
 protected:
  void link(const char* from, const char* to, float variable, float fixed = 0.0f) {
    network.links.append({node(from), node(to), variable, fixed});
  }
  void sale(const char* entry, const char* destination, float volume, std::int16_t period = 0) {
    network.sales.append({node(entry), node(destination), volume, period});
  }
  bool run() {
    solver.pathFileName = "path.txt";
    solver.iterationLogName = "log.txt";
    return solve(network, solver, ui, work.paths(), random).has_value();
  }
  std::string name(std::int32_t n) const {
    return std::string(solver.nodeNames[static_cast<std::size_t>(n)].view());
  }
  std::string linkText(int i) const {
    return std::string(network.links[i].from.view()) + ">" +
           std::string(network.links[i].to.view());
  }

  NetworkTables network;
  SolverTables solver;
  ScriptedUi ui;
  Random random;
  Workspace work;
};

TEST_F(SolverTest, PrepareKeepsTheGapSortsOrderOfEqualNamesAndNumbersToNodesLast) {
  link("B", "x", 1);
  link("A", "p", 1);
  link("A", "q", 1);
  link("C", "DummyDest1", 1);
  sale("A", "DummyDest1", 1);
  prepare(network, solver, ui);
  // Gap 2 exchanges links 1 and 3, which puts A>q before A>p; gap 1 finds nothing to do.
  EXPECT_EQ(linkText(1), "A>q");
  EXPECT_EQ(linkText(2), "A>p");
  EXPECT_EQ(linkText(3), "B>x");
  EXPECT_EQ(linkText(4), "C>DummyDest1");
  ASSERT_EQ(solver.nodeCount, 7);
  const std::vector<std::string> expected{"", "A", "B", "C", "q", "p", "x", "DummyDest1"};
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(name(n), expected[static_cast<std::size_t>(n)]);
  EXPECT_EQ(solver.firstOutgoingLink[1], 1);
  EXPECT_EQ(solver.firstOutgoingLink[2], 3);
  EXPECT_EQ(solver.firstOutgoingLink[7], 0);
  EXPECT_EQ(solver.saleEntry[1], 1);
  EXPECT_EQ(solver.saleDestination[1], 7);
  EXPECT_EQ(findLink(solver, 1, 5), 2);
  EXPECT_EQ(findLink(solver, 1, 6), 0);
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(SolverTest, PrepareSortsSalesByPeriodThenVolumeDescending) {
  link("A", "Z", 1);
  sale("A", "Z", 1.0f, 1);
  sale("A", "Z", 2.0f, 0);
  sale("A", "Z", 5.0f, 0);
  sale("A", "Z", 3.0f, 1);
  sale("A", "Z", 2.5f, 0);
  prepare(network, solver, ui);
  std::vector<float> volumes;
  for (int i = 1; i <= 5; ++i) volumes.push_back(network.sales[i].volume);
  EXPECT_EQ(volumes, (std::vector<float>{5.0f, 2.5f, 2.0f, 3.0f, 1.0f}));
}

TEST_F(SolverTest, MissingNodesAreReportedPerSaleAndNothingIsSolvedOrWritten) {
  link("A", "Z", 1);
  sale("A", "Z", 3.0f);
  sale("Nowhere", "Gone", 2.0f);
  std::ofstream(work.root() / "path.txt") << "earlier solution";
  EXPECT_FALSE(run());
  EXPECT_EQ(ui.messages(),
            (std::vector<std::string>{
                "message exclamation: Entry node, Nowhere, is not in the Link file",
                "message exclamation: Destination node, Gone, is not in the Link file",
                "message stop: Some sale data are not appropriate. Please check your sale data."}));
  EXPECT_EQ(work.read("path.txt"), "earlier solution");
  EXPECT_FALSE(std::filesystem::exists(work.root() / "log.txt"));
}

TEST_F(SolverTest, AnEmptySaleTableGivesOneMessageAndNoFiles) {
  link("A", "Z", 1);
  EXPECT_FALSE(run());
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{"message stop: No sale data are available. "
                                                     "Please check your sale file."}));
  EXPECT_FALSE(std::filesystem::exists(work.root() / "path.txt"));
  EXPECT_FALSE(std::filesystem::exists(work.root() / "log.txt"));
}

// O reaches D over A (1 + 1 per m3, 10 to build O>A) or over B (2 per m3). The sorted links are
// A>D, B>D, O>A, O>B, so the nodes are A 1, B 2, O 3, D 4.
//  1. Working costs are the variable costs: A and B tie at 2; A>D was scanned first. Total
//     10 + 10 = 20.
//  2. O>A costs 10 / 5 + 1 = 3, A>D 1, the unused links -1.0E8: over B. Total 2 x 5 = 10.
//  3. O>B costs 2, B>D 0: over B again. Total 10, equal: the loop ends; the best stays 2.
TEST_F(SolverTest, SlopeScalingFollowsTheHandWorkedIterationsAndAnEqualTotalEndsTheLoop) {
  link("O", "A", 1, 10);
  link("A", "D", 1);
  link("O", "B", 2);
  link("B", "D", 0);
  sale("O", "D", 5.0f);
  ASSERT_TRUE(run());
  EXPECT_EQ(work.read("log.txt"),
            "Iteration: 1\tCurrentSolution 20.000000\n"
            "Iteration: 2\tCurrentSolution 10.000000\n"
            "Iteration: 3\tCurrentSolution 10.000000\n"
            "Best Iteration: 2\tBestSolution 10.000000\n");
  EXPECT_EQ(work.read("path.txt"),
            "0\n1\n1\n5.000000\n3\n3 2 4 \n10.000000\n0.000000\n10.000000\n");
  EXPECT_EQ(solver.bestIteration, 2);
  EXPECT_EQ(solver.bestTotal, 10.0f);
  EXPECT_EQ(solver.linkFlow, (std::vector<float>{0, 0, 5, 0, 5}));  // B>D and O>B
  // One sale per pass from the second on: one draw each.
  Random expected;
  expected.next();
  expected.next();
  EXPECT_EQ(random.state(), expected.state());
}

// Candidates of O: P (1) at position 1, Q (5) at 2, R (5) at 3. Settling P moves R into
// position 1, so among the equal keys R now comes first: the path runs over R, where a list
// kept in insertion order would take Q.
TEST_F(SolverTest, EqualKeysGoToTheLowerCandidatePositionAfterSwapRemove) {
  link("O", "P", 1);
  link("O", "Q", 5);
  link("O", "R", 5);
  link("Q", "D", 0);
  link("R", "D", 0);
  sale("O", "D", 2.0f);
  ASSERT_TRUE(run());
  EXPECT_EQ(name(3), "R");
  EXPECT_EQ(work.read("path.txt"),
            "0\n1\n1\n2.000000\n3\n1 3 5 \n10.000000\n0.000000\n10.000000\n");
}

// O>A costs -2 per m3: adjusted to 0 for the search, -2 in the totals.
//  1. over A (0 < 1): total -8.  2. O>A and A>D scaled to 0, O>B -1.0E8: over B, total 4.
//  3. O>B scaled to 1: over A, total -8.  4. over A, total -8: no change, the loop ends.
TEST_F(SolverTest, NegativeCostsAreShiftedForTheSearchButTotalledAsGiven) {
  link("O", "A", -2);
  link("O", "B", 1);
  link("A", "D", 0);
  link("B", "D", 0);
  sale("O", "D", 4.0f);
  ASSERT_TRUE(run());
  EXPECT_EQ(work.read("log.txt"),
            "Iteration: 1\tCurrentSolution -8.000000\n"
            "Iteration: 2\tCurrentSolution 4.000000\n"
            "Iteration: 3\tCurrentSolution -8.000000\n"
            "Iteration: 4\tCurrentSolution -8.000000\n"
            "Best Iteration: 1\tBestSolution -8.000000\n");
  EXPECT_EQ(solver.adjustedVariableCost[3], 0.0f);  // O>A after sorting
  EXPECT_EQ(solver.adjustedVariableCost[4], 1.0f);
}

TEST_F(SolverTest, DuplicateLinksBookTheFlowToTheFirstCopy) {
  link("O", "D", 2);
  link("O", "D", 1);  // cheaper: the search settles D over it
  sale("O", "D", 3.0f);
  ASSERT_TRUE(run());
  EXPECT_EQ(solver.linkFlow[1], 3.0f);
  EXPECT_EQ(solver.linkFlow[2], 0.0f);
  EXPECT_EQ(solver.bestTotal, 6.0f);  // the first copy's cost
}

TEST_F(SolverTest, AFailedSearchReportsOnceAndLaterSearchesReturnEmptyPaths) {
  link("O", "D", 1);
  link("X", "O", 1);
  link("Y", "Y2", 1);
  sale("O", "D", 5.0f);
  sale("O", "Y", 3.0f);  // Y leads nowhere back: unreachable from O
  sale("D", "D", 1.0f);  // entry equal to its destination
  ASSERT_TRUE(run());
  EXPECT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(ui.messages()[0].rfind("message stop: ERROR!!! Routemax can't solve this problem.", 0),
            0u);
  EXPECT_NE(ui.messages()[0].find("origin node.  2.Routemax"), std::string::npos);
  EXPECT_EQ(ui.messages()[1],
            "message exclamation: Please, SAVE your file IMMEADIATELY. This program will be "
            "closed with further operations without correction.");
  // Pass 1 routes only the first sale (5); pass 2 routes nothing and is the best (0).
  EXPECT_EQ(work.read("log.txt"),
            "Iteration: 1\tCurrentSolution 5.000000\n"
            "Iteration: 2\tCurrentSolution 0.000000\n"
            "Iteration: 3\tCurrentSolution 0.000000\n"
            "Best Iteration: 2\tBestSolution 0.000000\n");
  EXPECT_EQ(work.read("path.txt"),
            "0\n3\n1\n5.000000\n0\n\n2\n3.000000\n0\n\n3\n1.000000\n0\n\n"
            "0.000000\n0.000000\n0.000000\n");
}

// The two-route problem above, cancelled at the first report (before the first pass): the
// solve ends after the second pass, the earliest it can, as a converged solve ends.
TEST_F(SolverTest, ACancelAtAProgressReportEndsTheSolveAfterThePassUnderWay) {
  link("O", "A", 1, 10);
  link("A", "D", 1);
  link("O", "B", 2);
  link("B", "D", 0);
  sale("O", "D", 5.0f);
  ui.recordProgress = true;
  ui.cancelRequested = true;
  ASSERT_TRUE(run());
  EXPECT_EQ(ui.log(), (std::vector<std::string>{"progress: Solving the network: iteration 1",
                                                "progress: Solving the network: iteration 2"}));
  EXPECT_EQ(work.read("log.txt"),
            "Iteration: 1\tCurrentSolution 20.000000\n"
            "Iteration: 2\tCurrentSolution 10.000000\n"
            "Best Iteration: 2\tBestSolution 10.000000\n");
  EXPECT_EQ(solver.bestTotal, 10.0f);
}

TEST_F(SolverTest, UnwritableFilesGiveOneMessageEachAndTheSolveCompletes) {
  link("O", "D", 1);
  sale("O", "D", 5.0f);
  std::filesystem::create_directories(work.root() / "path.txt");  // a folder in the way
  solver.pathFileName = "path.txt";
  solver.iterationLogName = "";
  EXPECT_TRUE(solve(network, solver, ui, work.paths(), random));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_NE(ui.messages()[0].find("path.txt cannot be written (a folder has that name)"),
            std::string::npos);
  EXPECT_EQ(solver.bestTotal, 5.0f);
  EXPECT_EQ(solver.linkFlow[1], 5.0f);
}

}  // namespace
}  // namespace skyrig
