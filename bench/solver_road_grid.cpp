// Benchmark: the road network of a 250 x 250 cell unit (close to the link capacity) with 90
// landing sales, built and solved to the end. Prints the build, Prepare and per-iteration
// times, and one exact search against a plain binary-heap Dijkstra over the same graph and
// costs (aim: within 2 times).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "network/RoadNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "network_fixtures.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "solver/PathSearch.h"
#include "solver/Prepare.h"
#include "solver/Solve.h"
#include "solver_search_baseline.h"

namespace {

// Mean time of one exact search and one plain Dijkstra per sale, over the current working costs.
void compareSearches(skyrig::CSkyrigDoc& doc, const char* costs) {
  skyrig::SolverTables& solver = doc.solver;
  skyrig::ScriptedUi ui;
  const std::int32_t linkCount = doc.network.links.count();
  const std::int32_t sales = doc.network.sales.count();
  bench::PlainDijkstra dijkstra(solver);
  skyrig::prepareSearch(solver);
  constexpr int kRounds = 5;
  double exactTotal = 0, plainTotal = 0, worstRatio = 0;
  std::int64_t settledExact = 0, settledPlain = 0;
  for (std::int32_t sale = 1; sale <= sales; ++sale) {
    const std::int32_t origin = solver.saleEntry[static_cast<std::size_t>(sale)];
    const std::int32_t destination = solver.saleDestination[static_cast<std::size_t>(sale)];
    double exact = 1e30, plain = 1e30;
    for (int round = 0; round < kRounds; ++round) {
      solver.searchAborted = 0;
      double start = bench::cpuSeconds();
      skyrig::searchPath(solver, linkCount, origin, destination, ui);
      exact = std::min(exact, bench::cpuSeconds() - start);
      std::int64_t settled = 0;
      start = bench::cpuSeconds();
      dijkstra.run(origin, destination, linkCount, settled);
      plain = std::min(plain, bench::cpuSeconds() - start);
      if (round == 0) settledPlain += settled;
    }
    settledExact += static_cast<std::int64_t>(solver.search.touched.size());
    exactTotal += exact;
    plainTotal += plain;
    worstRatio = std::max(worstRatio, exact / plain);
  }
  std::printf("  %-28s exact search %8.1f us, plain Dijkstra %8.1f us, ratio %.2f "
              "(worst sale %.2f); nodes touched/settled per search %lld/%lld\n",
              costs, 1e6 * exactTotal / sales, 1e6 * plainTotal / sales, exactTotal / plainTotal,
              worstRatio, static_cast<long long>(settledExact / sales),
              static_cast<long long>(settledPlain / sales));
}

}  // namespace

int main() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("skyrig_bench_road_" + std::to_string(::getpid()));
  const skyrig::Paths paths(dir);
  skyrig::ScriptedUi ui;
  auto doc = bench::makeTerrain(250, 250);
  doc->landingCount = 90;
  skyrig::PerLanding<float> volume{};
  for (int id = 1; id <= 90; ++id) {
    doc->landings[static_cast<std::size_t>(id)] = {5 + (id * 53) % 240, 5 + (id * 37) % 240, 1};
    volume[static_cast<std::size_t>(id)] = 100.0f + static_cast<float>((id * 29) % 700);
  }

  double start = bench::cpuSeconds();
  skyrig::buildRoadNetwork(*doc, paths, ui, 1);
  const double build = bench::cpuSeconds() - start;
  skyrig::buildRoadSales(*doc, paths, ui, volume);
  const skyrig::NetworkTables built = doc->network;

  start = bench::cpuSeconds();
  skyrig::prepare(*doc, ui);
  const double prepareTime = bench::cpuSeconds() - start;

  doc->network = built;
  doc->solver.pathFileName = "roadpath.txt";
  doc->solver.iterationLogName = "roadoptimizing1.txt";
  skyrig::Random random;
  start = bench::cpuSeconds();
  skyrig::solve(*doc, ui, paths, random);
  const double solveTime = bench::cpuSeconds() - start;
  const int iterations = doc->solver.iteration;

  std::printf("solver_road_grid: 250 x 250 cells, %d links, %d nodes, %d sales\n",
              doc->network.links.count(), doc->solver.nodeCount, doc->network.sales.count());
  std::printf("  road network build %.2f s, Prepare %.2f s\n", build, prepareTime);
  std::printf("  Solve %.2f s in all: %d iterations, %.3f s per iteration; best %f at %d\n",
              solveTime, iterations, (solveTime - prepareTime) / iterations,
              static_cast<double>(doc->solver.bestTotal), doc->solver.bestIteration);

  // The searches over the first pass's costs (adjusted variable costs) and the last working
  // costs (slope-scaled, -1.0E8 on links that never carried volume).
  compareSearches(*doc, "last working costs:");
  doc->solver.workingCost = doc->solver.adjustedVariableCost;
  compareSearches(*doc, "first pass costs:");
  std::filesystem::remove_all(dir);
  return 0;
}
