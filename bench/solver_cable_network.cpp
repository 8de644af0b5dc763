// Benchmark: the cable network of a 126 x 160 cell unit (20,000 timber cells outside the
// stream buffer) with 16 landings of 36 analysed cable roads each, built and solved to the end
// (aim: under a minute).
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "network/CableNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "network_fixtures.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "solver/Solve.h"

int main() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("skyrig_bench_cable_" + std::to_string(::getpid()));
  const skyrig::Paths paths(dir);
  skyrig::ScriptedUi ui;
  auto doc = bench::makeTerrain(126, 160);
  bench::addLandings(*doc, 4, 350.0);
  const skyrig::PerLanding<float> noTransport{};

  double start = bench::cpuSeconds();
  const bool built = skyrig::buildCableNetwork(*doc, paths, ui, noTransport, noTransport, 1);
  const double build = bench::cpuSeconds() - start;
  skyrig::buildCableSales(*doc, paths, ui, 1);
  if (!built) {
    std::puts("solver_cable_network: the network did not fit the link table");
    return 1;
  }

  doc->solver.pathFileName = "cablepath.txt";
  doc->solver.iterationLogName = "cableoptimizing1.txt";
  skyrig::Random random;
  start = bench::cpuSeconds();
  skyrig::solve(*doc, ui, paths, random);
  const double solveTime = bench::cpuSeconds() - start;
  const int iterations = doc->solver.iteration;

  std::printf("solver_cable_network: 126 x 160 cells, %d landings, %d links, %d nodes, %d sales\n",
              doc->landingCount, doc->network.links.count(), doc->solver.nodeCount,
              doc->network.sales.count());
  std::printf("  cable network build %.2f s\n", build);
  std::printf("  Solve %.2f s in all (aim: under 60 s): %d iterations, %.3f s per iteration; "
              "best %f at %d\n",
              solveTime, iterations, solveTime / iterations,
              static_cast<double>(doc->solver.bestTotal), doc->solver.bestIteration);
  std::filesystem::remove_all(dir);
  return 0;
}
