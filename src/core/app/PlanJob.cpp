#include "app/PlanJob.h"

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "seams/Ui.h"
#include "view/AppContext.h"

namespace skyrig {

std::vector<PlanStep> planSteps(bool runSeparate, bool runAllAtOnce) {
  std::vector<PlanStep> steps = {
      {"LayersShowDem", "terrain map", "", {}},
      {"CablewaysGenerate", "cable road generation", "", {}},
      {"AnalysesCableways", "cable road analysis", "E:/thesis/output/plan-cableroads.png", {}},
      {"CablewaysSaveFile", "cable road file", "",
       {"e:/thesis/output/Cableroaddata.dat", "E:\\thesis\\output\\CableAnalTime.txt"}}};
  if (runSeparate) {
    steps.push_back({"NetworkOptimizing", "separate optimization run", "E:/thesis/output/plan-map.png", {}});
    steps.push_back({"ResultsRoadReports", "road mileage report", "",
                     {"E:\\thesis\\output\\T&Results.txt", "E:\\thesis\\output\\T&ResultsSepFinal.txt",
                      "e:/thesis/output/ResultFile.dat", "E:\\thesis\\output\\cablereport.txt",
                      "E:\\thesis\\output\\roadreport.txt", "E:\\thesis\\output\\RoadMileage.txt",
                      "e:\\thesis\\output\\bestcablepath.txt", "e:\\thesis\\output\\bestroadpath.txt"}});
  }
  if (runAllAtOnce)
    steps.push_back({"NetworkOptimizingAllAtOnce", "all-at-once optimization run",
                     "E:/thesis/output/plan-allatonce.png",
                     {"E:\\thesis\\output\\T&ResultsAllAtOnce.txt", "e:\\thesis\\output\\allpath.txt"}});
  return steps;
}

std::string planPrerequisiteMissing(const AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  if (doc.ncols < 1) return "Open a project (or File > Open DTM) first: there is no terrain model.";
  int placed = 0;
  for (int i = 1; i <= doc.landingCount && i <= kMaxLandings; ++i)
    if (doc.landings[i].system > 0) ++placed;
  if (placed == 0)
    return "Place landings first (Landings > Place a landing location, or open the landings file).";
  if (doc.timberExitCount < 1)
    return "Place a timber exit first (Network > Roads > Timber Exits): the roads need a place "
           "where the logs leave the area.";
  return {};
}

bool runPlanJob(AppContext& app, bool runSeparate, bool runAllAtOnce,
                const std::function<void(const PlanStep&)>& before) {
  const std::string missing = planPrerequisiteMissing(app);
  if (!missing.empty()) {
    app.ui.message(missing, MessageIcon::Exclamation);
    return false;
  }
  for (const PlanStep& step : planSteps(runSeparate, runAllAtOnce)) {
    if (!app.ui.progress(std::string("Planning: ") + step.what)) return false;
    if (before) before(step);
    runCommand(step.commandId, app);
  }
  return app.ui.progress("Planning: done");
}

}  // namespace skyrig
