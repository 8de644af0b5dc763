// The subcommands of skyrig-cli. Each returns the process exit code.
#pragma once

namespace skyrig::cli {

int runScriptCommand(int argc, char** argv);   // run [--root DIR] SCRIPT
int runSummaryCommand(int argc, char** argv);  // summary [--root DIR]
int runSolveCommand(int argc, char** argv);    // solve LINKFILE SALEFILE PATHFILE ITERLOG
int runPlanCommand(int argc, char** argv);     // plan PROJECT_DIR

}  // namespace skyrig::cli
