// The bundled sample for the benchmarks that time its runs: copied into a scratch folder, then
// loaded and its cable roads analysed with the program's own commands, the timber exit where
// the existing road enters the unit's box.
#pragma once

#include <cstdio>
#include <filesystem>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"

namespace skyrig::bench {

inline std::filesystem::path copySample(const char* scratchName) {
  const std::filesystem::path root = std::filesystem::temp_directory_path() / scratchName;
  std::filesystem::remove_all(root);
  std::filesystem::copy(std::filesystem::path(SKYRIG_SOURCE_DIR) / "examples/southzone", root,
                        std::filesystem::copy_options::recursive);
  return root;
}

inline bool loadAndAnalyseSample(AppContext& app) {
  for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                         "BoundaryByFile", "LandingsOpen", "CablewaysGenerate",
                         "AnalysesCableways"})
    if (!runCommand(id, app)) {
      std::fprintf(stderr, "the command %s is not available in this build\n", id);
      return false;
    }
  app.doc.timberExits[1] = {68, 72};
  app.doc.timberExitCount = 1;
  return true;
}

}  // namespace skyrig::bench
