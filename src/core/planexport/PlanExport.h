// The plan as GIS files in the output folder: <name>.gpkg (vector layers), <name>.tif (a class
// per cell with a colour table) and, when the DTM has a coordinate system, <name>.gpx (the
// waypoints for a handheld GPS, in WGS 84). Results > Export Plan... writes "plan".
#pragma once

#include <string>
#include <vector>

namespace skyrig {

struct AppContext;

struct PlanExportReport {
  std::vector<std::string> written;   // files written, as resolved
  std::vector<std::string> problems;  // what could not be written; earlier files stay
  std::vector<std::string> unwritten; // the files of those problems, as resolved
  bool hasPlan = false;               // false: no run has left a plan to export
  bool hasCrs = false;
  int landingsUsed = 0;
  int cablewaysUsed = 0;
};

// The system path of the output file `name` + `extension` ("E:/thesis/output/plan.gpkg").
std::string planFileSystemPath(const std::string& name, const char* extension);

struct PlanSolution;

// Writes the three files for `solution`. With `improved` (the improved plan), the GeoPackage
// also holds its layers, named "improved_" and the layer's name, and its raster and waypoints
// go to improved/<name>.tif and improved/<name>.gpx.
PlanExportReport exportPlan(const AppContext& app, const std::string& name,
                            const PlanSolution& solution, const PlanSolution* improved = nullptr);
// ... for the plan of the last separate run (or of the results file read).
PlanExportReport exportPlan(const AppContext& app, const std::string& name);

// One line for the run's log or summary: "plan.gpkg, plan.tif and plan.gpx written" and what
// went wrong or is missing (no coordinate system).
std::string describePlanExport(const PlanExportReport& report);

// Results > Export Plan...: exportPlan(app, "plan"), then a message with the outcome.
void exportPlanCommand(AppContext& app);

}  // namespace skyrig
