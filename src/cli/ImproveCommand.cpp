#include "ImproveCommand.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "improve/ImproveRouting.h"
#include "improve/RoutingPathFile.h"
#include "network/NetworkFileReader.h"
#include "document/NetworkTables.h"
#include "runs/PathFileReader.h"
#include "solver/Solve.h"
#include "document/SolverTables.h"

namespace skyrig::cli {

namespace {

void printLine(double heuristic, double improved, const std::optional<double>& bound,
               const std::optional<double>& gap) {
  char boundText[64] = "-";
  char gapText[64] = "-";
  if (bound) std::snprintf(boundText, sizeof boundText, "%.2f", *bound);
  if (gap) std::snprintf(gapText, sizeof gapText, "%.2f%%", *gap);
  std::printf("heuristic %.2f improved %.2f bound %s gap %s\n", heuristic, improved, boundText,
              gapText);
}

}  // namespace

int runImprove(const ImproveRequest& request) {
  auto network = std::make_unique<NetworkTables>();
  auto solver = std::make_unique<SolverTables>();
  std::string error;
  if (!readLinkFile(request.linkFile, network->links, error) ||
      !readSaleFile(request.saleFile, network->sales, error)) {
    std::fprintf(stderr, "skyrig-cli solve: %s; nothing is solved\n", error.c_str());
    return 1;
  }
  solver->pathFileName = request.pathFile;
  solver->iterationLogName = request.iterationLog;
  ScriptedUi ui;
  ui.echo = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  const Paths paths(".");
  Random random;  // the program's generator, seeded with 1 at start
  if (!solve(*network, *solver, ui, paths, random)) return 1;
  const double heuristic = solver->bestTotal;

  // The heuristic's best routing, as its path file holds it.
  std::vector<std::vector<std::int32_t>> nodePaths;
  {
    PathFileReader reader(paths, ui, std::string_view(request.pathFile), solver->nodeCount,
                          PathFileReader::EmptyPath::Pass);
    PathEntry entry;
    while (reader.next(entry)) nodePaths.push_back(entry.nodes);
    if (!reader.isOpen() || reader.damaged()) return 1;
  }

  const auto refuse = [&](const std::string& why) {
    std::fprintf(stderr,
                 "skyrig-cli solve: no improvement: %s. The heuristic's solution is kept in "
                 "%s.\n",
                 why.c_str(), request.pathFile.c_str());
    printLine(heuristic, heuristic, std::nullopt, std::nullopt);
    return 1;
  };
  if (!(request.seconds > 0)) return refuse("the time limit must be above 0 seconds");
  FixedChargeProblem problem;
  if (!buildFixedChargeProblem(*network, *solver, problem, error)) return refuse(error);
  LinkRouting start;
  if (!routingFromNodePaths(problem, nodePaths, start, error))
    return refuse(error + " (a sale the heuristic could not route cannot reach its destination)");
  if (problem.duplicateLinks > 0)
    std::fprintf(stderr,
                 "skyrig-cli solve: %d duplicate links (same from- and to-node) are left out; "
                 "the first of each is costed, as the path file readers do\n",
                 problem.duplicateLinks);

  ImproveOptions options;
  options.seconds = request.seconds;
  options.progress = [](std::string_view what) {
    std::fprintf(stderr, "improving: %.*s\n", static_cast<int>(what.size()), what.data());
  };
  const ImproveOutcome outcome = improveRouting(problem, start, options);
  std::fprintf(stderr, "method: %s\n", outcome.method.c_str());
  for (const std::string& note : outcome.notes) std::fprintf(stderr, "note: %s\n", note.c_str());
  if (!writeRoutingPathFile(paths, ui, request.pathFile, network->sales, problem,
                            outcome.routing))
    return 1;
  printLine(outcome.startCost, outcome.improvedCost, outcome.bound, outcome.gapPercent());
  return 0;
}

}  // namespace skyrig::cli
