// Open Landings on any input, then Save Landings of what was read.
#include "FuzzApp.h"
#include "document/LandingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  f.doc->paths.landingsPath = f.writeInput("landings.dat", data, size);
  openLandings(*f.doc, f.paths, f.ui);
  saveLandings(*f.doc, f.paths, f.ui);
  f.ui.clearLog();
  return 0;
}
