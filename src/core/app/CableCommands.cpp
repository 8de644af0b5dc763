// Binds the cable road operations to the command table.
#include "app/CommandTable.h"
#include "cable/BatchAnalysis.h"
#include "cable/CablewayGeneration.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

void bindCableCommands(CommandTable& table) {
  table.bind("CablewaysGenerate", [](AppContext& app) { generateCableways(app); });
  table.bind("CablewaysCheckProfile", [](AppContext& app) { app.view.pickingCableway = 1; });
  table.bind("AnalysesCableways", [](AppContext& app) { analyseAllCableways(app); });
}

}  // namespace skyrig
