// The improvement engine on generated networks: it never returns a dearer routing than the
// heuristic's, never a bound above its routing's cost, and on tiny problems solved by brute
// force its bound is at most and its cost at least the optimum. Bad input is refused with a
// sentence and no bound.
#include <gtest/gtest.h>

#include <memory>

#include "ImproveTestSupport.h"
#include "improve/ImproveRouting.h"
#include "improve/MipModel.h"
#include "improve/RoutingPathFile.h"
#include "improve/SaleRerouting.h"
#include "improve/SimpleLowerBound.h"
#include "improve/TerminalTrees.h"

namespace skyrig {
namespace {

using namespace testing;

struct Solved {
  FixedChargeProblem problem;
  LinkRouting heuristic;
  ImproveOutcome outcome;
};

// Heuristic, then the engine; fails the test when either cannot run.
std::unique_ptr<Solved> heuristicThenImprove(NetworkTables& network, double seconds = 20) {
  auto solved = std::make_unique<Solved>();
  Workspace work;
  ScriptedUi ui;
  SolverTables solver;
  const auto paths = heuristicPaths(network, solver, work, ui);
  std::string error;
  EXPECT_TRUE(buildFixedChargeProblem(network, solver, solved->problem, error)) << error;
  EXPECT_TRUE(routingFromNodePaths(solved->problem, paths, solved->heuristic, error)) << error;
  // The path file's costs are the heuristic's own figures.
  EXPECT_NEAR(routingCost(solved->problem, solved->heuristic).total(), solver.bestTotal,
              1e-4 * (1.0 + solver.bestTotal));
  ImproveOptions options;
  options.seconds = seconds;
  solved->outcome = improveRouting(solved->problem, solved->heuristic, options);
  return solved;
}

void expectSound(const Solved& solved) {
  const ImproveOutcome& outcome = solved.outcome;
  EXPECT_TRUE(isCompleteRouting(solved.problem, outcome.routing));
  EXPECT_NEAR(routingCost(solved.problem, outcome.routing).total(), outcome.improvedCost,
              1e-9 * (1.0 + outcome.improvedCost));
  EXPECT_LE(outcome.improvedCost, outcome.startCost);
  EXPECT_NEAR(outcome.startCost, routingCost(solved.problem, solved.heuristic).total(), 1e-6);
  ASSERT_TRUE(outcome.bound.has_value()) << outcome.method;
  EXPECT_LE(*outcome.bound, outcome.improvedCost);
  EXPECT_GT(*outcome.bound, 0.0);
}

TEST(ImproveRouting, RoadGridsAreSolvedExactlyAndNeverWorseThanTheHeuristic) {
  int cheaper = 0;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    NetworkTables network;
    makeRoadGrid(network, 12 + static_cast<int>(seed), 10, 1 + static_cast<int>(seed % 5), seed);
    const auto solved = heuristicThenImprove(network);
    SCOPED_TRACE("seed " + std::to_string(seed));
    expectSound(*solved);
    EXPECT_TRUE(solved->outcome.provenOptimal);
    EXPECT_NEAR(*solved->outcome.bound, solved->outcome.improvedCost,
                1e-6 * solved->outcome.improvedCost);
    if (solved->outcome.improvedCost < 0.999 * solved->outcome.startCost) ++cheaper;
  }
  EXPECT_GT(cheaper, 0);  // the heuristic is not optimal on all of them
}

TEST(ImproveRouting, LayeredCableNetworksAreClosedByBranchAndBound) {
  int cheaper = 0;
  for (std::uint32_t seed = 1; seed <= 5; ++seed) {
    NetworkTables network;
    makeCableNetwork(network, 150, 4, 8, 5, seed);
    const auto solved = heuristicThenImprove(network);
    SCOPED_TRACE("seed " + std::to_string(seed));
    expectSound(*solved);
    EXPECT_TRUE(solved->outcome.provenOptimal) << solved->outcome.method;
    if (solved->outcome.improvedCost < 0.999 * solved->outcome.startCost) ++cheaper;
  }
  EXPECT_GT(cheaper, 0);
}

TEST(ImproveRouting, EqualCostsAndDuplicateLinksKeepTheInvariants) {
  NetworkTables grid;
  makeRoadGrid(grid, 10, 8, 4, 7, /*ties=*/true);
  expectSound(*heuristicThenImprove(grid));

  NetworkTables cable;
  makeCableNetwork(cable, 60, 3, 5, 4, 3, /*ties=*/true);
  // A dearer and a cheaper copy of two links: the path file readers cost the first copy in
  // table order, and so does the engine.
  addLink(cable, "S1L1", "L1", 0.0f, 5.0f);
  addLink(cable, "L2", "DummyDest1", 0.0f, 1.0f);
  const auto solved = heuristicThenImprove(cable);
  expectSound(*solved);
  EXPECT_EQ(solved->problem.duplicateLinks, 2);
}

// Tiny problems where every combination of paths can be tried.
TEST(ImproveRouting, BoundIsAtMostAndCostAtLeastTheBruteForceOptimum) {
  int checked = 0;
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    for (const bool cableShape : {false, true}) {
      NetworkTables network;
      if (cableShape) makeCableNetwork(network, 5, 2, 2, 3, seed);
      else makeRoadGrid(network, 3, 2, 1 + static_cast<int>(seed % 3), seed, false, false);
      // A second destination makes the grid a two-sink problem (path choice, not the tree
      // search) every other seed.
      if (!cableShape && seed % 2 == 0) {
        addLink(network, cell(1, 1), "Mill", 3.0f, 900.0f);
        addLink(network, cell(2, 2), "Mill", 1.0f, 700.0f);
        addSale(network, cell(2, 1), "Mill", 50.0f);
      }
      const auto solved = heuristicThenImprove(network);
      SCOPED_TRACE("seed " + std::to_string(seed) + (cableShape ? " cable" : " grid"));
      expectSound(*solved);
      const double optimum = bruteForceOptimum(solved->problem);
      const double tolerance = 1e-6 * optimum;
      EXPECT_LE(*solved->outcome.bound, optimum + tolerance);
      EXPECT_GE(solved->outcome.improvedCost, optimum - tolerance);
      EXPECT_NEAR(solved->outcome.improvedCost, optimum, tolerance) << solved->outcome.method;

      // The parts the engine falls back on keep the same order around the optimum.
      const auto simple = simpleLowerBound(solved->problem, {});
      ASSERT_TRUE(simple.has_value());
      EXPECT_LE(*simple, optimum + tolerance);
      LinkRouting rerouted = solved->heuristic;
      rerouteSales(solved->problem, rerouted, {});
      const double reroutedCost = routingCost(solved->problem, rerouted).total();
      EXPECT_GE(reroutedCost, optimum - tolerance);
      EXPECT_LE(reroutedCost, routingCost(solved->problem, solved->heuristic).total() + tolerance);
      ++checked;
    }
  }
  EXPECT_EQ(checked, 16);
}

// Where a cheap trunk shared by all sources beats each source's own road, the tree search
// finds the shared trunk that sale-by-sale routing misses.
TEST(ImproveRouting, TreeSearchSharesATrunkOnAHandWorkedNetwork) {
  NetworkTables network;
  // A and B each have a direct road to X (fixed 100, variable 1), or a link to J (fixed 10)
  // and one shared trunk J -> X (fixed 120, variable 0).
  addLink(network, "A", "X", 1.0f, 100.0f);
  addLink(network, "B", "X", 1.0f, 100.0f);
  addLink(network, "A", "J", 0.0f, 10.0f);
  addLink(network, "B", "J", 0.0f, 10.0f);
  addLink(network, "J", "X", 0.0f, 120.0f);
  addSale(network, "A", "X", 10.0f);
  addSale(network, "B", "X", 10.0f);
  Workspace work;
  ScriptedUi ui;
  SolverTables solver;
  prepare(network, solver, ui);
  FixedChargeProblem problem;
  std::string error;
  ASSERT_TRUE(buildFixedChargeProblem(network, solver, problem, error)) << error;
  const auto tree = cheapestTreeRouting(problem, {});
  ASSERT_TRUE(tree.has_value());
  // Both over J: 10 + 10 + 120 = 140, against 2 x 110 = 220 directly or 110 + 130 mixed.
  EXPECT_DOUBLE_EQ(tree->cost, 140.0);
  EXPECT_DOUBLE_EQ(routingCost(problem, tree->routing).total(), 140.0);
  EXPECT_EQ(tree->routing[0].size(), 2u);
  EXPECT_EQ(tree->routing[1].size(), 2u);
}

TEST(ImproveRouting, BadInputIsRefusedWithASentence) {
  const auto refusal = [](const std::function<void(NetworkTables&)>& edit) {
    NetworkTables network;
    addLink(network, "A", "B", 1.0f, 10.0f);
    addLink(network, "B", "Z", 1.0f, 10.0f);
    addSale(network, "A", "Z", 5.0f);
    edit(network);
    SolverTables solver;
    ScriptedUi ui;
    prepare(network, solver, ui);
    FixedChargeProblem problem;
    std::string error;
    EXPECT_FALSE(buildFixedChargeProblem(network, solver, problem, error));
    return error;
  };
  EXPECT_NE(refusal([](NetworkTables& n) { addLink(n, "A", "Z", -1.0f, 0.0f); })
                .find("negative"),
            std::string::npos);
  EXPECT_NE(refusal([](NetworkTables& n) { addSale(n, "B", "Z", 0.0f); }).find("no volume"),
            std::string::npos);
  EXPECT_NE(refusal([](NetworkTables& n) { addSale(n, "Z", "Z", 3.0f); })
                .find("starts at its destination"),
            std::string::npos);
  EXPECT_NE(refusal([](NetworkTables& n) { addSale(n, "Q", "Z", 3.0f); })
                .find("not in the link table"),
            std::string::npos);

  // A sale the heuristic could not route (no path to its destination) has no start routing.
  NetworkTables network;
  addLink(network, "A", "Z", 1.0f, 10.0f);
  addLink(network, "Y", "W", 1.0f, 10.0f);
  addSale(network, "A", "Z", 5.0f);
  addSale(network, "A", "W", 5.0f);
  Workspace work;
  ScriptedUi ui;
  SolverTables solver;
  const auto paths = heuristicPaths(network, solver, work, ui);
  FixedChargeProblem problem;
  std::string error;
  ASSERT_TRUE(buildFixedChargeProblem(network, solver, problem, error)) << error;
  LinkRouting start;
  EXPECT_FALSE(routingFromNodePaths(problem, paths, start, error));
  // Given no usable start, the engine reports nothing improved and no bound.
  ImproveOptions options;
  options.seconds = 5;
  const ImproveOutcome outcome = improveRouting(problem, {}, options);
  EXPECT_FALSE(outcome.bound.has_value());
}

TEST(ImproveRouting, NoTimeOrASolverThatFindsNothingNeverGivesAFalseBound) {
  // No time: the heuristic's routing (or a cheaper one) with, at most, a bound that holds.
  NetworkTables network;
  makeCableNetwork(network, 30, 2, 4, 3, 5);
  const auto solved = heuristicThenImprove(network, 0);
  EXPECT_TRUE(isCompleteRouting(solved->problem, solved->outcome.routing));
  EXPECT_LE(solved->outcome.improvedCost, solved->outcome.startCost);
  if (solved->outcome.bound) {
    EXPECT_LE(*solved->outcome.bound, solved->outcome.improvedCost);
  }

  // CBC on a model with no solution (x = 2 for a binary x): no solution, no bound, no optimum.
  MipModel infeasible;
  const std::int32_t x = infeasible.addColumn(1.0);
  infeasible.addEntry(infeasible.addRow(2.0, 2.0), x, 1.0);
  const MipModel::Result result = infeasible.solve({}, 5);
  EXPECT_TRUE(result.values.empty());
  EXPECT_FALSE(result.provenOptimal);
  EXPECT_FALSE(result.bound.has_value()) << *result.bound;
}

TEST(ImproveRouting, ThePathFileReadsBackAsTheRoutingWritten) {
  NetworkTables network;
  makeCableNetwork(network, 30, 2, 4, 3, 11);
  Workspace work;
  ScriptedUi ui;
  SolverTables solver;
  const auto paths = heuristicPaths(network, solver, work, ui);
  FixedChargeProblem problem;
  std::string error;
  ASSERT_TRUE(buildFixedChargeProblem(network, solver, problem, error));
  LinkRouting routing;
  ASSERT_TRUE(routingFromNodePaths(problem, paths, routing, error));
  ImproveOptions options;
  options.seconds = 10;
  const ImproveOutcome outcome = improveRouting(problem, routing, options);
  ASSERT_TRUE(writeRoutingPathFile(work.paths(), ui, "improved.txt", network.sales, problem,
                                   outcome.routing));
  PathFileReader reader(work.paths(), ui, "improved.txt", solver.nodeCount);
  std::vector<std::vector<std::int32_t>> back;
  PathEntry entry;
  while (reader.next(entry)) {
    EXPECT_EQ(entry.sale, static_cast<std::int32_t>(back.size()) + 1);
    EXPECT_NEAR(entry.volume, network.sales[entry.sale].volume, 1e-6);  // written "%f"
    back.push_back(entry.nodes);
  }
  EXPECT_TRUE(reader.readTrailer());
  EXPECT_EQ(back, nodePathsOf(problem, outcome.routing));
  EXPECT_TRUE(ui.messages().empty());
}

}  // namespace
}  // namespace skyrig
