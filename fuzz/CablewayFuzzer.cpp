// Open File (cable roads) on any input, with as many landings as the input's first number
// names (so the count check passes and the roads are read), then Save File.
#include "FuzzApp.h"
#include "document/CablewayFile.h"
#include "document/TextScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  std::int32_t count = 0;
  TextScanner scanner(std::string_view(reinterpret_cast<const char*>(data), size));
  if (scanner.readInt(count) == ScanResult::Ok && count >= 0 && count <= kMaxLandings)
    f.doc->landingCount = count;
  f.doc->paths.cablewaysPath = f.writeInput("cableroads.dat", data, size);
  openCableways(*f.doc, f.paths, f.ui);
  saveCableways(*f.doc, f.paths, f.ui);
  f.ui.clearLog();
  return 0;
}
