// Binds the runs operations to the command table.
#include "app/CommandTable.h"
#include "planexport/PlanExport.h"
#include "runs/OptimizationRuns.h"
#include "runs/PlanImprovement.h"
#include "runs/Reports.h"
#include "runs/ResultDrawing.h"
#include "runs/ResultsFile.h"

namespace skyrig {

void bindRunsCommands(CommandTable& table) {
  table.bind("NetworkOptimizing", runSeparateOptimization);
  table.bind("NetworkOptimizingAllAtOnce", runAllAtOnceOptimization);
  table.bind("NetworkImprovePlan", runImprovePlan);
  table.bind("NetworkHarvestingUnit", drawHarvestingUnit);
  table.bind("ResultsShowLandings", showLandings);
  table.bind("ResultsShowCableways", showCableways);
  table.bind("ResultsShowRoads", showRoads);
  table.bind("ResultsShowTimberCells", showTimberCells);
  table.bind("ResultsClearHarvestUnit", clearHarvestUnit);
  table.bind("ResultsShowAll", showAllResults);
  table.bind("ResultsOpenFile", [](AppContext& app) { readResultsFile(app); });
  table.bind("ResultsSaveFile", [](AppContext& app) { writeResultsFile(app); });
  table.bind("ResultsRoadReports", writeRoadMileageReport);
  table.bind("ResultsExportPlan", exportPlanCommand);
}

}  // namespace skyrig
