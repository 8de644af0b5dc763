// The solution the solver hands back reads exactly like the path file it writes, so the runs
// give the same results from memory as from the file.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "../network/NetworkFixture.h"
#include "document/SolverTables.h"
#include "runs/PathFileReader.h"
#include "seams/Random.h"
#include "solver/Solve.h"

namespace skyrig {
namespace {

NodeName node(const char* text) {
  NodeName name;
  assignNodeName(name, text);
  return name;
}

std::vector<PathEntry> readAll(PathFileReader& reader) {
  std::vector<PathEntry> entries;
  PathEntry entry;
  while (reader.next(entry)) entries.push_back(entry);
  return entries;
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(SolutionInMemory, ReadsLikeThePathFileItsSolveWrote) {
  NetworkTables network;
  SolverTables solver;
  ScriptedUi ui;
  Random random;
  testing::Workspace work;
  // Two routes with fixed costs, a parallel pair of links, and volumes with more digits than
  // the path file keeps.
  network.links.append({node("A"), node("B"), 1.5f, 100.0f});
  network.links.append({node("A"), node("C"), 1.0f, 300.0f});
  network.links.append({node("B"), node("D"), 2.25f, 0.0f});
  network.links.append({node("C"), node("D"), 0.5f, 0.0f});
  network.links.append({node("C"), node("D"), 0.75f, 0.0f});
  network.links.append({node("E"), node("C"), 0.1f, 10.0f});
  network.sales.append({node("A"), node("D"), 3.14159274f, 0});
  network.sales.append({node("E"), node("D"), 1234.56789f, 0});
  network.sales.append({node("A"), node("D"), 0.1f, 1});
  solver.pathFileName = "path.txt";

  const std::optional<Solution> solution = solve(network, solver, ui, work.paths(), random);
  ASSERT_TRUE(solution);
  EXPECT_TRUE(ui.messages().empty());

  PathFileReader fromFile(work.paths(), ui, "path.txt", solver.nodeCount);
  PathFileReader fromMemory(work.paths(), ui, Routing("path.txt", *solution), solver.nodeCount);
  const std::vector<PathEntry> filed = readAll(fromFile);
  const std::vector<PathEntry> held = readAll(fromMemory);
  ASSERT_EQ(filed.size(), 3u);
  ASSERT_EQ(held.size(), filed.size());
  for (std::size_t i = 0; i < filed.size(); ++i) {
    EXPECT_EQ(held[i].sale, filed[i].sale);
    EXPECT_TRUE(sameBits(held[i].volume, filed[i].volume)) << held[i].volume;
    EXPECT_EQ(held[i].nodes, filed[i].nodes);
  }
  EXPECT_TRUE(fromFile.readTrailer());
  EXPECT_TRUE(fromMemory.readTrailer());
  EXPECT_FALSE(fromMemory.damaged());

  EXPECT_EQ(solution->total, solver.bestTotal);
  EXPECT_EQ(solution->bestIteration, solver.bestIteration);
  EXPECT_EQ(solution->variableTotal + solution->fixedTotal, solution->total);
  EXPECT_EQ(solution->linkFlow, solver.linkFlow);
}

TEST(SolutionInMemory, ChecksItsNodesAgainstTheNodeTableLikeTheFile) {
  Solution solution;
  solution.volume = {0.0f, 2.0f};
  solution.pathStart = {0, 0};
  solution.pathLength = {0, 3};
  solution.nodes = {1, 2, 7};
  testing::Workspace work;
  ScriptedUi ui;
  PathFileReader reader(work.paths(), ui, Routing("path.txt", solution), 5);
  PathEntry entry;
  EXPECT_FALSE(reader.next(entry));
  EXPECT_TRUE(reader.damaged());
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_NE(ui.messages()[0].find("path.txt is damaged or belongs to another network (entry 1)"),
            std::string::npos)
      << ui.messages()[0];
}

}  // namespace
}  // namespace skyrig
