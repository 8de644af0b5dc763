// Benchmark: the fast solver against the literal procedure on road grids (90 landing sales)
// and cable networks (one sale per timber cell) of growing size, until the literal one takes
// more than a minute. Prints both times, the ratio (aim: at least 100 on the largest instance
// the literal one solves within a minute) and whether path files and iteration logs agree.
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <fstream>
#include <sstream>

#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "network/CableNetworkBuilder.h"
#include "network/RoadNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "network_fixtures.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "solver/Solve.h"
#include "support/LiteralSolver.h"

namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}


std::unique_ptr<skyrig::CSkyrigDoc> roadGrid(int size, const skyrig::Paths& paths,
                                             skyrig::Ui& ui) {
  auto doc = bench::makeTerrain(size, size);
  doc->landingCount = 90;
  skyrig::PerLanding<float> volume{};
  for (int id = 1; id <= 90; ++id) {
    doc->landings[static_cast<std::size_t>(id)] = {2 + (id * 53) % (size - 2),
                                                   2 + (id * 37) % (size - 2), 1};
    volume[static_cast<std::size_t>(id)] = 100.0f + static_cast<float>((id * 29) % 700);
  }
  skyrig::buildRoadNetwork(*doc, paths, ui, 1);
  skyrig::buildRoadSales(*doc, paths, ui, volume);
  return doc;
}

std::unique_ptr<skyrig::CSkyrigDoc> cableNetwork(int size, const skyrig::Paths& paths,
                                                 skyrig::Ui& ui) {
  auto doc = bench::makeTerrain(size, size);
  bench::addLandings(*doc, std::max(1, size / 32), 350.0);
  const skyrig::PerLanding<float> none{};
  skyrig::buildCableNetwork(*doc, paths, ui, none, none, 1);
  skyrig::buildCableSales(*doc, paths, ui, 1);
  return doc;
}

// Solves growing instances with both solvers until the literal one needs more than `limit`
// seconds; prints each and the ratio at the largest instance solved within the limit.
bool ladder(const char* family, decltype(&roadGrid) make, std::initializer_list<int> sizes,
            double limit, const std::filesystem::path& dir) {
  const skyrig::Paths paths(dir);
  std::printf("  %s:\n", family);
  double lastRatio = 0;
  int lastSize = 0;
  for (const int size : sizes) {
    skyrig::ScriptedUi ui;
    auto doc = make(size, paths, ui);
    std::vector<literal::Link> links;
    for (int i = 1; i <= doc->network.links.count(); ++i) {
      const skyrig::LinkRecord& l = doc->network.links[i];
      links.push_back({l.from.text, l.to.text, l.variableCost, l.fixedCost});
    }
    std::vector<literal::Sale> sales;
    for (int i = 1; i <= doc->network.sales.count(); ++i) {
      const skyrig::SaleRecord& s = doc->network.sales[i];
      sales.push_back({s.entry.text, s.destination.text, s.volume, s.period});
    }

    doc->solver.pathFileName = "path.txt";
    doc->solver.iterationLogName = "log.txt";
    skyrig::Random random;
    double start = bench::cpuSeconds();
    skyrig::solve(*doc, ui, paths, random);
    const double fast = bench::cpuSeconds() - start;

    skyrig::Random literalRandom;
    start = bench::cpuSeconds();
    const literal::Result expected = literal::solve(links, sales, literalRandom);
    const double slow = bench::cpuSeconds() - start;

    const bool identical = readFile(dir / "path.txt") == expected.pathFile &&
                           readFile(dir / "log.txt") == expected.log;
    std::printf("    %3d x %-3d cells %7zu links %6zu sales %4d iterations: fast %7.3f s, "
                "literal %7.2f s, ratio %5.0f, output %s\n",
                size, size, links.size(), sales.size(), static_cast<int>(doc->solver.iteration),
                fast, slow, slow / fast, identical ? "identical" : "DIFFERENT");
    std::fflush(stdout);
    if (!identical) return false;
    if (slow > limit) break;
    lastRatio = slow / fast;
    lastSize = size;
  }
  std::printf("    largest solved by the literal procedure within %.0f s: %d x %d cells, "
              "ratio %.0f (aim: at least 100)\n",
              limit, lastSize, lastSize, lastRatio);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const double limit = argc > 1 ? std::atof(argv[1]) : 60.0;  // CPU s for the literal procedure
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("skyrig_bench_ratio_" + std::to_string(::getpid()));
  std::printf("solver_literal_ratio: fast against literal solver, processor time\n");
  const bool same =
      ladder("road grids, 90 landing sales", &roadGrid, {16, 22, 30, 40, 52, 68, 88, 115, 150},
             limit, dir) &&
      ladder("cable networks, one sale per timber cell", &cableNetwork,
             {16, 22, 30, 40, 52, 68, 88}, limit, dir);
  std::filesystem::remove_all(dir);
  return same ? 0 : 1;
}
