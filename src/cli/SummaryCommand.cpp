// skyrig-cli summary [--root DIR]: loads the five layers and the landings file from their
// default paths and prints the project summary. skyrig-cli summary --csv PROJECT_DIR...: the
// one-line summaries that `plan` left in each project folder, as one CSV table.
#include <cstdio>
#include <iostream>

#include "PlanSheets.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "document/ProjectSummary.h"

namespace skyrig::cli {

int runSummaryCommand(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[2]) == "--csv") {
    if (argc < 4) {
      std::fprintf(stderr, "usage: skyrig-cli summary --csv PROJECT_DIR...\n");
      return 2;
    }
    return printSummaryCsv(std::vector<std::string>(argv + 3, argv + argc));
  }
  const CommonOptions options = parseCommonOptions(argc, argv, 2);
  if (!options.error.empty() || !options.positional.empty()) {
    std::fprintf(stderr, "usage: skyrig-cli summary [--root DIR]\n");
    return 2;
  }
  Session session(options.root);
  session.ui.echo = [](const std::string& line) { std::cout << line << '\n'; };
  for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                         "BoundaryByFile", "LandingsOpen"}) {
    if (!runCommand(id, session.app)) {
      std::fprintf(stderr, "skyrig-cli: command %s is not available in this build\n", id);
      return 1;
    }
  }
  std::cout << projectSummary(session.app.doc);
  return 0;
}

}  // namespace skyrig::cli
