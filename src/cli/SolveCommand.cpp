// skyrig-cli solve LINKFILE SALEFILE PATHFILE ITERLOG: runs the network solver on a link file
// and a sale file in the export formats, as the program's Solve does, writes the path file and
// the iteration log (an empty ITERLOG writes none) and prints one summary line. Exit 1 when a
// file cannot be read, the solve fails or the path file or iteration log cannot be written.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "ExitCodes.h"
#include "Session.h"
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

namespace {

struct SolveOptions {
  std::string linkFile;
  std::string saleFile;
  std::string pathFile;
  std::string iterationLog;
  bool improve = false;
  double seconds = 60;
};

int runSolve(const SolveOptions& options) {
  if (options.improve)
    return runImprove({options.linkFile, options.saleFile, options.pathFile,
                       options.iterationLog, options.seconds});
  auto network = std::make_unique<NetworkTables>();
  auto solver = std::make_unique<SolverTables>();
  std::string error;
  if (!readLinkFile(options.linkFile, network->links, error) ||
      !readSaleFile(options.saleFile, network->sales, error)) {
    std::fprintf(stderr, "skyrig-cli solve: %s; nothing is solved\n", error.c_str());
    return kExitStopped;
  }
  solver->pathFileName = options.pathFile;
  solver->iterationLogName = options.iterationLog;

  ScriptedUi ui;
  ui.echo = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  const Paths paths(".");
  Random random;  // the program's generator, seeded with 1 at start
  if (!solve(*network, *solver, ui, paths, random)) return kExitStopped;
  std::printf("best total %f, best iteration %d, iterations %d, nodes %d, links %d, sales %d\n",
              static_cast<double>(solver->bestTotal), solver->bestIteration, solver->iteration,
              solver->nodeCount, network->links.count(), network->sales.count());
  // The solver goes on when the path file or the iteration log cannot be created and says so
  // in a message: the solution then lives only in this process, which is a failure here.
  if (reportedTrouble(ui)) {
    std::fputs("skyrig-cli solve: an output file was not written\n", stderr);
    return kExitStopped;
  }
  return kExitSuccess;
}

const bool registered = registerSubcommand(
    {30, "solve", "Solve a fixed-plus-variable-cost routing problem from a link and a sale file",
     [](CLI::App& command) -> SubcommandAction {
       auto options = std::make_shared<SolveOptions>();
       command.add_option("LINKFILE", options->linkFile, "Links: from to variable fixed")
           ->required();
       command.add_option("SALEFILE", options->saleFile, "Sales: entry destination volume period")
           ->required();
       command.add_option("PATHFILE", options->pathFile, "The path file to write")->required();
       command.add_option("ITERLOG", options->iterationLog,
                          "The iteration log to write (\"\" for none)")
           ->required();
       command.add_flag("--improve", options->improve,
                        "Improve the solution and prove a lower bound (COIN-OR CBC)");
       command.add_option("--time-limit", options->seconds,
                          "Processor seconds for the improvement (default 60)");
       return [options] { return runSolve(*options); };
     }});

}  // namespace

}  // namespace skyrig::cli
