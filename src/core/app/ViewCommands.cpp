// Binds the view operations and the mouse modes to the command table.
#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "mouse/BoundaryAndExits.h"
#include "mouse/LandingDeletion.h"
#include "mouse/LandingPlacement.h"
#include "view/CSkyrigView.h"
#include "view/MapLayers.h"
#include "view/ViewOperations.h"

namespace skyrig {

void bindViewCommands(CommandTable& table) {
  table.bind("LayersShowDem", [](AppContext& app) { showDem(app.doc, app.view, app.canvas); });
  table.bind("LayersShowVolume",
             [](AppContext& app) { showVolume(app.doc, app.view, app.canvas); });
  table.bind("LayersShowHarvestArea",
             [](AppContext& app) { drawOverlay(app.doc, app.view, app.canvas); });
  table.bind("ZoomIn", [](AppContext& app) { zoomIn(app.doc, app.view, app.canvas); });
  table.bind("ZoomOut", [](AppContext& app) { zoomOut(app.doc, app.view, app.canvas); });
  table.bind("NetworkRoadsDraw", [](AppContext& app) { showDem(app.doc, app.view, app.canvas); });
  table.bind("CablewaysWriteIds", [](AppContext& app) { writeLandingIds(app.doc, app.canvas); });
  table.bind("LandingsPlace", prepareLandingPlacement);
  table.bind("LandingsDelete", deleteLandingByForm);
  table.bind("BoundaryByMouse", startBoundaryByMouse);
  table.bind("NetworkRoadsTimberExits", startTimberExitPlacement);
}

}  // namespace skyrig
