// The exit codes of skyrig-cli, the same in every subcommand.
#pragma once

namespace skyrig::cli {

inline constexpr int kExitSuccess = 0;      // done; the plan or solution was made
inline constexpr int kExitStopped = 1;      // the data stopped the work: a file missing or
                                            // refused, a solve failed, an output not written
inline constexpr int kExitBadCommand = 2;   // a bad command line, script or project file

inline constexpr const char* kExitCodesHelp =
    "Exit codes: 0 success; 1 the work stopped because of the data (a file missing or refused,\n"
    "a solve failed, an output not written); 2 a bad command line, script or project file.";

}  // namespace skyrig::cli
