// skyrig-cli solve: runs the network solver on a link file and a sale file.
#include <cstdio>

#include "Subcommands.h"

namespace skyrig::cli {

int runSolveCommand(int /*argc*/, char** /*argv*/) {
  std::fputs("skyrig-cli solve: not available in this build\n", stderr);
  return 1;
}

}  // namespace skyrig::cli
