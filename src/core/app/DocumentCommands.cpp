// Binds the document operations (layers, landing and cable road files) to the command table.
#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "document/CablewayFile.h"
#include "document/LandingsFile.h"
#include "document/OpenDtm.h"
#include "document/OpenLayers.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

void bindDocumentCommands(CommandTable& table) {
  // File New / Open of the (empty) project file run the view's initial update only.
  table.bind("FileNew", [](AppContext& app) { initialUpdate(app.doc, app.view); });
  table.bind("FileOpen", [](AppContext& app) { initialUpdate(app.doc, app.view); });

  table.bind("FileOpenDtm", [](AppContext& app) { openDtm(app.doc, app.paths, app.ui); });
  table.bind("FileOpenVolume", [](AppContext& app) { openVolume(app.doc, app.paths, app.ui); });
  table.bind("FileOpenStreams", [](AppContext& app) { openStreams(app.doc, app.paths, app.ui); });
  table.bind("FileOpenRoads", [](AppContext& app) { openRoads(app.doc, app.paths, app.ui); });
  table.bind("BoundaryByFile",
             [](AppContext& app) { openHarvestUnitByFile(app.doc, app.paths, app.ui); });
  table.bind("LandingsOpen", [](AppContext& app) { openLandings(app.doc, app.paths, app.ui); });
  table.bind("LandingsSave", [](AppContext& app) { saveLandings(app.doc, app.paths, app.ui); });
  table.bind("CablewaysOpenFile",
             [](AppContext& app) { openCableways(app.doc, app.paths, app.ui); });
  table.bind("CablewaysSaveFile",
             [](AppContext& app) { saveCableways(app.doc, app.paths, app.ui); });
}

}  // namespace skyrig
