// skyrig-cli plan PROJECT_DIR: plans a project folder end to end.
#include <cstdio>

#include "Subcommands.h"

namespace skyrig::cli {

int runPlanCommand(int /*argc*/, char** /*argv*/) {
  std::fputs("skyrig-cli plan: not available in this build yet\n", stderr);
  return 1;
}

}  // namespace skyrig::cli
