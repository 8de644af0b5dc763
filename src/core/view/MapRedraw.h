// Redraws the map as last shown: the volume map while it is the one shown, else the DEM.
#pragma once

#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapLayers.h"

namespace skyrig {

inline void redrawShownLayer(AppContext& app) {
  if (app.view.volumeShown)
    showVolume(app.doc, app.view, app.canvas);
  else
    showDem(app.doc, app.view, app.canvas);
}

}  // namespace skyrig
