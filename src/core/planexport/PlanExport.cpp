#include "planexport/PlanExport.h"

#include <filesystem>

#include "view/AppContext.h"
#include "seams/Paths.h"
#include "seams/Ui.h"
#include "document/CSkyrigDoc.h"
#include "gis/GisFiles.h"
#include "planexport/PlanLayers.h"
#include "planexport/PlanSolution.h"
#include "view/CSkyrigView.h"

namespace skyrig {

std::string planFileSystemPath(const std::string& name, const char* extension) {
  return "E:/thesis/output/" + name + extension;
}

PlanExportReport exportPlan(const AppContext& app, const std::string& name) {
  return exportPlan(app, name, separateRunSolution(app));
}

PlanExportReport exportPlan(const AppContext& app, const std::string& name,
                            const PlanSolution& solution, const PlanSolution* improved) {
  PlanExportReport report;
  const CSkyrigDoc& doc = app.doc;
  report.hasPlan = doc.ncols > 0 && doc.nrows > 0 && !solution.empty();
  if (!report.hasPlan) return report;
  const Georeference& g = doc.georeference;
  report.hasCrs = !g.crsWkt.empty();
  PlanLayers plan = gatherPlanLayers(app, solution);
  report.landingsUsed = plan.landingsUsed;
  report.cablewaysUsed = plan.cablewaysUsed;
  PlanLayers improvedPlan;
  if (improved) {
    improvedPlan = gatherPlanLayers(app, *improved);
    for (const gis::FeatureLayer& layer : improvedPlan.layers) {
      if (layer.name == "timber_exits") continue;  // the same in both plans
      plan.layers.push_back(layer);
      plan.layers.back().name = "improved_" + layer.name;
    }
  }

  const auto attemptAs = [&](const std::string& base, const char* extension, auto write) {
    const std::string file = app.paths.resolve(planFileSystemPath(base, extension)).string();
    const std::string problem = write(file);
    if (problem.empty()) {
      report.written.push_back(file);
    } else {
      report.problems.push_back(problem);
      report.unwritten.push_back(file);
    }
  };
  const auto attempt = [&](const char* extension, auto write) { attemptAs(name, extension, write); };
  attempt(".gpkg", [&](const std::string& file) {
    return gis::writeGeoPackage(file, g.crsWkt, plan.layers);
  });
  attempt(".tif", [&](const std::string& file) {
    return gis::writeClassGeoTiff(file, g.crsWkt, g.westEdge, g.northEdge, g.cellSize, doc.ncols,
                                  doc.nrows, plan.classes, plan.colours);
  });
  if (report.hasCrs)
    attempt(".gpx", [&](const std::string& file) {
      return gis::writeGpxWaypoints(file, g.crsWkt, plan.waypoints);
    });
  if (!improved) return report;
  std::error_code ec;  // the improvement's own folder, which it normally made already
  std::filesystem::create_directories(
      app.paths.resolve(planFileSystemPath("improved/" + name, "")).parent_path(), ec);
  const auto attemptImproved = [&](const char* extension, auto write) {
    attemptAs("improved/" + name, extension, write);
  };
  attemptImproved(".tif", [&](const std::string& file) {
    return gis::writeClassGeoTiff(file, g.crsWkt, g.westEdge, g.northEdge, g.cellSize, doc.ncols,
                                  doc.nrows, improvedPlan.classes, improvedPlan.colours);
  });
  if (report.hasCrs)
    attemptImproved(".gpx", [&](const std::string& file) {
      return gis::writeGpxWaypoints(file, g.crsWkt, improvedPlan.waypoints);
    });
  return report;
}

std::string describePlanExport(const PlanExportReport& report) {
  if (!report.hasPlan) return "There is no plan to export yet: run Network > Optimizing first.";
  std::string text;
  for (const std::string& file : report.written) text += (text.empty() ? "" : ", ") + file;
  text = text.empty() ? "No GIS file was written." : "Written: " + text + ".";
  for (const std::string& problem : report.problems) text += "\nNot written: " + problem + ".";
  if (!report.hasCrs)
    text += "\nThe DTM has no coordinate system (set \"crs\" in skyrig.json for ASCII grids): "
            "the files carry none and no GPX file was written.";
  return text;
}

void exportPlanCommand(AppContext& app) {
  const PlanExportReport report = exportPlan(app, "plan");
  const bool failed = !report.hasPlan || !report.problems.empty();
  app.ui.message(describePlanExport(report),
                 failed ? MessageIcon::Exclamation : MessageIcon::Information);
}

}  // namespace skyrig
