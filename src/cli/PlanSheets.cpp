#include "PlanSheets.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

#include "view/AppContext.h"
#include "seams/Paths.h"
#include "app/ProjectFile.h"
#include "runs/PlanImprovement.h"
#include "runs/PlanSheetData.h"
#include "view/CSkyrigView.h"

#ifdef SKYRIG_HAVE_PNG
#include "SheetFiles.h"
#endif

namespace skyrig::cli {

namespace {

// Quotes a CSV field when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string number(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

std::string projectName(const std::filesystem::path& projectDir) {
  std::filesystem::path path = projectDir.lexically_normal();
  if (path.filename().empty()) path = path.parent_path();
  const std::string name = path.filename().string();
  return name.empty() ? "plan" : name;
}

std::string sheetDate() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) now = static_cast<std::time_t>(std::atoll(epoch));
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
  return text;
}

SheetsWritten writePlanSheets(AppContext& app, const std::string& project, const std::string& date,
                              const PlanImprovement* improvement) {
  SheetsWritten result;
#ifdef SKYRIG_HAVE_PNG
  const PlanSheetData plan = gatherPlanSheetData(app.doc, app.view.runs, app.paths);
  const std::filesystem::path output = app.paths.resolve("E:/thesis/output/plan-map.pdf").parent_path();
  const sheets::SheetTitle title{QString::fromStdString(project), QString::fromStdString(date)};
  sheets::SheetOutput written;
  sheets::writeMapSheet(app.doc, plan, title, output / "plan-map.pdf", output / "plan-map.png", written);
  const auto roads = sheets::usedRoads(plan);
  if (roads.empty())
    written.problems.push_back("the plan uses no cable road: no profile sheets");
  else
    sheets::writeProfileSheets(app.doc, plan, title, roads, output / "profiles",
                               output / "plan-profiles.pdf", written);
  sheets::writePlanReport(app.doc, plan, title, output / "plan-report.pdf", written, improvement);
  if (improvement)
    sheets::writeMapSheet(app.doc, gatherPlanSheetData(app.doc, improvement->improvedPaths),
                          sheets::improvedPlanTitle(title), output / "improved" / "plan-map.pdf",
                          output / "improved" / "plan-map.png", written);
  result.files = written.written;
  result.problems = written.problems;
  result.unwritten = written.unwritten;
#else
  (void)app, (void)project, (void)date, (void)improvement;
  result.problems.push_back("this build has no Qt: no sheets or report");
#endif
  return result;
}

bool writeScriptSheet(AppContext& app, int landing, int road, const std::string& file,
                      std::string& error) {
#ifdef SKYRIG_HAVE_PNG
  const PlanSheetData plan = gatherPlanSheetData(app.doc, app.view.runs, app.paths);
  std::filesystem::path root = app.paths.root().lexically_normal();
  const sheets::SheetTitle title{QString::fromStdString(projectName(root)), QString::fromStdString(sheetDate())};
  const std::filesystem::path path = file;
  sheets::SheetOutput written;
  if (landing < 0) {
    const bool png = path.extension() == ".png" || path.extension() == ".PNG";
    sheets::writeMapSheet(app.doc, plan, title, png ? std::filesystem::path() : path,
                          png ? path : std::filesystem::path(), written);
  } else {
    sheets::writeProfileSheets(app.doc, plan, title, {{landing, road}}, {}, path, written);
  }
  if (written.problems.empty() && !written.written.empty()) return true;
  error = written.problems.empty() ? "nothing to write" : written.problems.front();
  return false;
#else
  (void)app, (void)landing, (void)road, (void)file;
  error = "this build has no Qt";
  return false;
#endif
}

std::string formatRunComparison(const PlanSheetData& plan) {
  if (!plan.separateRun.present || !plan.allAtOnceRun.present) return {};
  std::ostringstream out;
  char line[256];
  out << "\nRuns side by side                  separate run    all at once\n";
  std::snprintf(line, sizeof line, "%-34s $ %12.2f  $ %12.2f\n", "Total cost", plan.separateRun.total,
                plan.allAtOnceRun.total);
  out << line;
  const bool separateBetter = plan.separateRun.total <= plan.allAtOnceRun.total;
  const double better = separateBetter ? plan.separateRun.total : plan.allAtOnceRun.total;
  const double worse = separateBetter ? plan.allAtOnceRun.total : plan.separateRun.total;
  std::snprintf(line, sizeof line, "%-34s the %s run, cheaper by $ %.2f (%.1f %%)\n", "Better plan",
                separateBetter ? "separate" : "all-at-once", worse - better,
                worse != 0 ? (worse - better) / worse * 100.0 : 0.0);
  out << line;
  return out.str();
}

std::string planCsvHeader() {
  return "project,landings_used,landings_placed,cable_roads_used,unit_volume_m3,served_m3,"
         "unserved_m3,new_road_m,cable_cost,road_cost,total_cost,all_at_once_total,iterations,"
         "run_seconds,improved_total,lower_bound,improved_gap_pct";
}

std::string planCsvLine(const std::string& project, const PlanFigures& f, const PlanSheetData& plan,
                        double seconds, const PlanImprovement* improvement) {
  const double unserved = f.unitVolume - f.servedVolume > 0 ? f.unitVolume - f.servedVolume : 0.0;
  std::ostringstream line;
  line << csvField(project) << ',' << f.landings.size() << ',' << f.landingsPlaced << ','
       << f.cableRoadsUsed << ',' << number(f.unitVolume, 1) << ',' << number(f.servedVolume, 1)
       << ',' << number(unserved, 1) << ','
       << (plan.hasMileage ? number(plan.mileageTotal, 1) : std::string()) << ','
       << (plan.separateRun.present ? number(plan.separateRun.cable, 2) : std::string()) << ','
       << (plan.separateRun.present ? number(plan.separateRun.road, 2) : std::string()) << ','
       << (plan.separateRun.present ? number(plan.separateRun.total, 2) : std::string()) << ','
       << (plan.allAtOnceRun.present ? number(plan.allAtOnceRun.total, 2) : std::string()) << ','
       << f.iterations << ',' << number(seconds, 1) << ',';
  // The improved plan's total, and the bound with the improved plan's gap when one was proven.
  if (improvement != nullptr) {
    const double improved = improvement->improved.costs.total();
    line << number(improved, 2);
    if (improvement->bound && improved > 0)
      line << ',' << number(*improvement->bound, 2) << ','
           << number(100.0 * (improved - *improvement->bound) / improved, 3);
    else
      line << ",,";
  } else {
    line << ",,";
  }
  return line.str();
}

int printSummaryCsv(const std::vector<std::string>& projectDirs) {
  std::cout << planCsvHeader() << '\n';
  int missing = 0;
  for (const std::string& dir : projectDirs) {
    const std::filesystem::path projectDir = std::filesystem::absolute(dir);
    ProjectSettings settings;
    std::string error;
    std::string line;
    if (readProjectFile(projectDir, settings, error)) {
      std::ifstream in(Paths(settings.workspaceRoot.string()).resolve(kPlanSummaryCsv));
      std::string header;
      if (in && std::getline(in, header) && std::getline(in, line) && !line.empty()) {
        std::cout << line << '\n';
        continue;
      }
      error = "not planned (no output/plan-summary.csv)";
    }
    ++missing;
    std::cerr << "skyrig-cli summary: " << dir << ": " << error << '\n';
    std::cout << csvField(projectName(projectDir)) << ",,,,,,,,,,,,,,,,\n";
  }
  return missing == 0 ? 0 : 1;
}

}  // namespace skyrig::cli
