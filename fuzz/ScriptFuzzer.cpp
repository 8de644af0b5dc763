// The runner script interpreter on any input, over the harness's terrain. Menu commands that
// run analyses or optimizations are taken out: they are not parsing and take seconds each.
#include <sstream>

#include "FuzzApp.h"
#include "app/CommandTable.h"
#include "app/ScriptInterpreter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  std::string text(reinterpret_cast<const char*>(data), size);
  // Paths stay inside the workspace: no absolute paths, no way up, no device files.
  if (text.find_first_of("/\\") != std::string::npos || text.find("..") != std::string::npos)
    return 0;
  for (const char* slow : {"Analyses", "Optimizing", "Generate", "Contour", "Buffer", "Clump",
                           "Report", "Mileage"})
    if (text.find(slow) != std::string::npos) return 0;
  std::istringstream script(text);
  ScriptInterpreter interpreter(f.app, f.ui);
  interpreter.writePicture = [](const std::string&, std::string& error) {
    error = "no pictures in the fuzzer";
    return false;
  };
  interpreter.run(script);
  f.ui.clearLog();
  f.canvas.calls.clear();
  if (f.doc->ncols != 12 || f.doc->nrows != 10 || f.doc->xll != 500000) f.loadTerrain();
  return 0;
}
