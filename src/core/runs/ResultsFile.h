// The results file: the result lists, and per cell the working volume, the harvest unit flag
// and the yarding point, so a planning run's outcome can be shown again without running it.
#pragma once

namespace skyrig {

struct AppContext;

// Writes "e:/thesis/output/ResultFile.dat"; `cancelled` adds the cancel note after the cells.
// False (after one message naming the file) when it cannot be written.
bool writeResultsFile(AppContext& app, bool cancelled = false);

// Reads the file named by the view's resultFilePath. The whole file is checked first (counts
// within the lists' capacities, one cell line per cell of the loaded grid); a file that fails
// is refused with one message and nothing changes.
bool readResultsFile(AppContext& app);

}  // namespace skyrig
