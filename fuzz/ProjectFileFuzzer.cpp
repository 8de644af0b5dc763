// The project file reader on any input, and the settings applied to a fresh view's defaults.
#include "FuzzApp.h"
#include "app/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  ProjectSettings settings;
  std::string error;
  if (parseProjectFile(std::string(reinterpret_cast<const char*>(data), size), f.root, settings,
                       error)) {
    applyProjectSettings(settings, *f.doc, *f.view);
    initialUpdate(*f.doc, *f.view);
  }
  return 0;
}
