// Results > Open File on any input over the harness's terrain with two landings, then Show
// All Results of what was read.
#include "FuzzApp.h"
#include "runs/ResultDrawing.h"
#include "runs/ResultsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  f.doc->landingCount = 2;
  f.doc->landings[1] = Landing{3, 4, 1};
  f.doc->landings[2] = Landing{8, 9, 2};
  f.view->resultFilePath = f.writeInput("ResultFile.dat", data, size);
  if (readResultsFile(f.app)) showAllResults(f.app);
  f.canvas.calls.clear();
  f.ui.clearLog();
  return 0;
}
