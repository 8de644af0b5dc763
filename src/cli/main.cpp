// skyrig-cli: the headless runner of Skyrig.
#include <cstdio>
#include <string>

#include "Subcommands.h"

namespace {

void printUsage() {
  std::puts(
      "usage:\n"
      "  skyrig-cli run [--root DIR] SCRIPT     run a headless script of menu commands,\n"
      "                                         form answers and mouse events\n"
      "  skyrig-cli summary [--root DIR]        load the layers and landings, print a summary\n"
      "  skyrig-cli solve LINKFILE SALEFILE PATHFILE ITERLOG\n"
      "                                         solve a fixed-plus-variable-cost routing problem\n"
      "  skyrig-cli solve --improve [--time-limit S] LINKFILE SALEFILE PATHFILE ITERLOG\n"
      "                                         the same, improved, with a proven lower bound\n"
      "  skyrig-cli plan PROJECT_DIR            plan a project folder end to end");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage();
    return 2;
  }
  const std::string sub = argv[1];
  if (sub == "run") return skyrig::cli::runScriptCommand(argc, argv);
  if (sub == "summary") return skyrig::cli::runSummaryCommand(argc, argv);
  if (sub == "solve") return skyrig::cli::runSolveCommand(argc, argv);
  if (sub == "plan") return skyrig::cli::runPlanCommand(argc, argv);
  if (sub == "--help" || sub == "-h" || sub == "help") {
    printUsage();
    return 0;
  }
  std::fprintf(stderr, "skyrig-cli: unknown command %s\n", sub.c_str());
  printUsage();
  return 2;
}
