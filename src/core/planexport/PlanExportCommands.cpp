// Binds the plan's GIS export to the command table.
#include "app/CommandTable.h"
#include "planexport/PlanExport.h"

namespace skyrig {

void bindPlanExportCommands(CommandTable& table) {
  table.bind("ResultsExportPlan", exportPlanCommand);
}

}  // namespace skyrig
