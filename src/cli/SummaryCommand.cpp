// skyrig-cli summary [--root DIR]: loads the five layers and the landings file from their
// default paths and prints the project summary (exit 1 when one of them could not be read).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "ExitCodes.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "document/ProjectSummary.h"

namespace skyrig::cli {

namespace {

int runSummary(const std::string& root) {
  Session session(root);
  session.ui.echo = [](const std::string& line) { std::cout << line << '\n'; };
  for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                         "BoundaryByFile", "LandingsOpen"}) {
    if (!runCommand(id, session.app)) {
      std::fprintf(stderr, "skyrig-cli: command %s is not available in this build\n", id);
      return kExitStopped;
    }
  }
  std::cout << projectSummary(session.app.doc);
  // A layer or the landings refused: the summary shows what was read, the exit code says so.
  return reportedTrouble(session.ui) ? kExitStopped : kExitSuccess;
}

const bool registered = registerSubcommand(
    {20, "summary", "Load the layers and landings, print a summary",
     [](CLI::App& command) -> SubcommandAction {
       auto root = std::make_shared<std::string>(".");
       addRootOption(command, *root);
       return [root] { return runSummary(*root); };
     }});

}  // namespace

}  // namespace skyrig::cli
