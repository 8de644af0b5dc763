// Redraws the map as last shown (the volume map while it is the one shown, else the DEM) by
// running the view's own Show command.
#pragma once

#include "view/AppContext.h"
#include "app/CommandTable.h"
#include "view/CSkyrigView.h"

namespace skyrig {

inline void redrawMap(AppContext& app) {
  runCommand(app.view.volumeShown ? "LayersShowVolume" : "LayersShowDem", app);
}

}  // namespace skyrig
