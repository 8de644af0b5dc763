// Loads the sample project's terrain and landings with the program's own loaders, for the
// cable tests and benchmarks (the stream buffer stays empty).
#pragma once

#include <string>

#include "document/CSkyrigDoc.h"
#include "document/LandingsFile.h"
#include "document/OpenDtm.h"
#include "seams/Paths.h"
#include "seams/ScriptedUi.h"

namespace skyrig::sample {

inline std::string sampleRoot() { return std::string(SKYRIG_SOURCE_DIR) + "/examples/southzone"; }

// Reads the DTM and the landings from their default paths (set by the view's initial update)
// under the sample's folder; false when either is refused.
inline bool loadSampleProject(CSkyrigDoc& doc) {
  const Paths paths(sampleRoot());
  ScriptedUi ui;
  openDtm(doc, paths, ui);
  openLandings(doc, paths, ui);
  return ui.messages().empty() && doc.ncols > 0 && doc.landingCount > 0;
}

}  // namespace skyrig::sample
