// skyrig-cli solve LINKFILE SALEFILE PATHFILE ITERLOG: runs the network solver on a link file
// and a sale file in the export formats, as the program's Solve does, writes the path file and
// the iteration log (an empty ITERLOG writes none) and prints one summary line.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ImproveCommand.h"
#include "Subcommands.h"
#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "network/NetworkFileReader.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "solver/Solve.h"

namespace skyrig::cli {

// argv[0] is the program, argv[1] "solve"; the four files follow.
int runSolveCommand(int argc, char** argv) {
  std::vector<std::string> args;
  bool improve = false;
  double seconds = 60;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--improve") {
      improve = true;
    } else if (arg == "--time-limit" && i + 1 < argc) {
      char* end = nullptr;
      seconds = std::strtod(argv[++i], &end);
      if (end == argv[i] || *end != '\0') seconds = -1;
    } else {
      args.push_back(arg);
    }
  }
  if (args.size() != 4) {
    std::fputs("usage: skyrig-cli solve [--improve [--time-limit S]] LINKFILE SALEFILE PATHFILE "
               "ITERLOG\n", stderr);
    return 2;
  }
  if (improve) return runImprove({args[0], args[1], args[2], args[3], seconds});
  auto network = std::make_unique<NetworkTables>();
  auto solver = std::make_unique<SolverTables>();
  std::string error;
  if (!readLinkFile(args[0], network->links, error) ||
      !readSaleFile(args[1], network->sales, error)) {
    std::fprintf(stderr, "skyrig-cli solve: %s; nothing is solved\n", error.c_str());
    return 1;
  }
  solver->pathFileName = args[2];
  solver->iterationLogName = args[3];

  ScriptedUi ui;
  ui.echo = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  const Paths paths(".");
  Random random;  // the program's generator, seeded with 1 at start
  if (!solve(*network, *solver, ui, paths, random)) return 1;
  std::printf("best total %f, best iteration %d, iterations %d, nodes %d, links %d, sales %d\n",
              static_cast<double>(solver->bestTotal), solver->bestIteration, solver->iteration,
              solver->nodeCount, network->links.count(), network->sales.count());
  return 0;
}

}  // namespace skyrig::cli
