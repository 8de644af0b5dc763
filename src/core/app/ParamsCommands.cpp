// Binds the parameter forms to the command table.
#include "app/CommandTable.h"
#include "params/ParamsFormOpening.h"

namespace skyrig {

void bindParamsCommands(CommandTable& table) {
  table.bind("InputCableSystem", [](AppContext& app) { openCableSystemForm(app.doc, app.ui); });
  table.bind("InputOperationData",
             [](AppContext& app) { openOperationDataForm(app.doc, app.ui); });
  table.bind("InputRoadCosts", [](AppContext& app) { openRoadCostsForm(app.doc, app.ui); });
  table.bind("InputLandingCosts",
             [](AppContext& app) { openLandingInfoForm(app.doc, app.ui, 1); });
}

}  // namespace skyrig
