// skyrig-cli plan PROJECT_DIR: plans a project folder end to end: the five layers and the
// landings file, cable road generation and batch analysis, timber exits, the separate run (and
// the all-at-once run when the project file asks for it), the reports, the results file and
// map pictures, then the summary table.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>

#include "PlanComparison.h"
#include "PlanSummary.h"
#include "PngOutput.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "app/ProjectFile.h"
#include "planexport/PlanExport.h"
#include "planexport/PlanSolution.h"

namespace skyrig::cli {

namespace {

using Seconds = std::chrono::duration<double>;

class Stopwatch {
 public:
  double seconds() const {
    return Seconds(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Messages shown since `from` that are warnings or errors (not information).
bool warnedSince(const Session& session, std::size_t from) {
  const std::vector<std::string> messages = session.ui.messages();
  for (std::size_t i = from; i < messages.size(); ++i)
    if (messages[i].rfind("message information:", 0) != 0) return true;
  return false;
}

// Runs one command and prints the step with its time; false when the step showed a warning
// that stops the plan (a layer or landings file that could not be read).
bool step(Session& session, const char* id, const char* what, bool stopOnMessage) {
  const Command* command = CommandTable::instance().findById(id);
  std::cout << "== " << what << " (" << command->displayPath() << ")" << std::endl;
  const std::size_t messagesBefore = session.ui.messages().size();
  Stopwatch watch;
  if (!runCommand(id, session.app)) {
    std::cerr << "skyrig-cli plan: the command " << command->displayPath()
              << " is not available in this build\n";
    return false;
  }
  char line[64];
  std::snprintf(line, sizeof line, "   done in %.1f s", watch.seconds());
  std::cout << line << std::endl;
  return !(stopOnMessage && warnedSince(session, messagesBefore));
}

bool writeMap(Session& session, const std::string& systemPath,
              std::vector<std::string>& outputs) {
  const std::string file = session.paths.resolve(systemPath).string();
  std::string error;
  if (!writePng(*session.canvas, file, error)) {
    std::cout << "   (no map picture: " << error << ")" << std::endl;
    return false;
  }
  outputs.push_back(file);
  return true;
}

// The plan's GeoPackage, GeoTIFF and GPX files under `name` in the output folder.
void writeGisFiles(Session& session, const std::string& name, const PlanSolution& solution,
                   std::vector<std::string>& outputs) {
  std::cout << "== GIS files of the plan as " << name << ".*" << std::endl;
  Stopwatch watch;
  const PlanExportReport report = exportPlan(session.app, name, solution);
  std::string text = describePlanExport(report);
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 4))
    text.replace(at, 1, "\n   ");
  std::cout << "   " << text << std::endl;
  char line[64];
  std::snprintf(line, sizeof line, "   done in %.1f s", watch.seconds());
  std::cout << line << std::endl;
  outputs.insert(outputs.end(), report.written.begin(), report.written.end());
}

}  // namespace

int runPlanCommand(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skyrig-cli plan PROJECT_DIR\n");
    return 2;
  }
  const std::filesystem::path projectDir = std::filesystem::absolute(argv[2]);
  std::error_code ec;
  if (!std::filesystem::is_directory(projectDir, ec)) {
    std::fprintf(stderr, "skyrig-cli plan: %s is not a folder\n", projectDir.string().c_str());
    return 2;
  }
  ProjectSettings settings;
  std::string error;
  if (!readProjectFile(projectDir, settings, error)) {
    std::fprintf(stderr, "skyrig-cli plan: %s\n", error.c_str());
    return 2;
  }

  Stopwatch total;
  Session session(settings.workspaceRoot.string());
  session.ui.echo = [](const std::string& line) { std::cout << "   " << line << std::endl; };
  session.ui.recordProgress = true;
  applyProjectSettings(settings, *session.doc, *session.view);
  std::cout << "Skyrig plan of " << projectDir.string() << "\n   workspace root "
            << settings.workspaceRoot.string() << std::endl;

  struct Load {
    const char* id;
    const char* what;
  };
  for (const Load& load : {Load{"FileOpenDtm", "terrain model"}, Load{"FileOpenVolume", "timber volume"},
                           Load{"FileOpenStreams", "streams"}, Load{"FileOpenRoads", "existing roads"},
                           Load{"BoundaryByFile", "harvest unit"}, Load{"LandingsOpen", "landings"}}) {
    if (!step(session, load.id, load.what, true)) {
      std::fprintf(stderr, "skyrig-cli plan: stopped: the %s could not be read\n", load.what);
      return 1;
    }
  }
  CSkyrigDoc& doc = *session.doc;
  if (doc.ncols < 1 || doc.landingCount < 1) {
    std::fprintf(stderr, "skyrig-cli plan: stopped: the project needs a terrain model and landings\n");
    return 1;
  }
  for (const CellPoint& exit : settings.timberExits) {
    if (!isInsideGrid(doc, exit.col, exit.row)) {
      std::fprintf(stderr, "skyrig-cli plan: timber exit C%dR%d lies outside the %d x %d grid\n",
                   exit.col, exit.row, doc.ncols, doc.nrows);
      return 2;
    }
    ++doc.timberExitCount;
    doc.timberExits[static_cast<std::size_t>(doc.timberExitCount)] = {exit.row, exit.col};
  }

  std::vector<std::string> outputs;
  step(session, "LayersShowDem", "terrain map", false);
  step(session, "CablewaysGenerate", "cable road generation", false);
  step(session, "AnalysesCableways", "cable road analysis", false);
  writeMap(session, "E:/thesis/output/plan-cableroads.png", outputs);
  step(session, "CablewaysSaveFile", "cable road file", false);
  outputs.push_back(session.paths.resolve("e:/thesis/output/Cableroaddata.dat").string());
  outputs.push_back(session.paths.resolve("E:\\thesis\\output\\CableAnalTime.txt").string());

  double separateSeconds = 0;
  if (settings.runSeparate) {
    const Stopwatch separate;
    step(session, "NetworkOptimizing", "separate optimization run", false);
    separateSeconds = separate.seconds();
    writeMap(session, "E:/thesis/output/plan-map.png", outputs);
    step(session, "ResultsRoadReports", "road mileage report", false);
    for (const char* file :
         {"E:\\thesis\\output\\T&Results.txt", "E:\\thesis\\output\\T&ResultsSepFinal.txt",
          "e:/thesis/output/ResultFile.dat", "E:\\thesis\\output\\cablereport.txt",
          "E:\\thesis\\output\\roadreport.txt", "E:\\thesis\\output\\RoadMileage.txt",
          "e:\\thesis\\output\\bestcablepath.txt", "e:\\thesis\\output\\bestroadpath.txt"})
      outputs.push_back(session.paths.resolve(file).string());
    writeGisFiles(session, "plan", separateRunSolution(session.app), outputs);
  }
  // The improvement starts from the separate run's plan and writes only files of its own.
  std::optional<PlanImprovement> improvement;
  if (settings.runSeparate && settings.runImprove) {
    std::cout << "== plan improvement (Network > Improve Plan)" << std::endl;
    const Stopwatch watch;
    improvement = improvePlan(session.app);
    char line[64];
    std::snprintf(line, sizeof line, "   done in %.1f s", watch.seconds());
    std::cout << line << std::endl;
    if (improvement)
      for (const std::string& file : improvement->files)
        outputs.push_back(session.paths.resolve(file).string());
  }
  if (settings.runAllAtOnce) {
    step(session, "NetworkOptimizingAllAtOnce", "all-at-once optimization run", false);
    writeMap(session, "E:/thesis/output/plan-allatonce.png", outputs);
    for (const char* file : {"E:\\thesis\\output\\T&ResultsAllAtOnce.txt", "e:\\thesis\\output\\allpath.txt"})
      outputs.push_back(session.paths.resolve(file).string());
    writeGisFiles(session, "plan-allatonce", allAtOnceSolution(session.app), outputs);
  }

  if (settings.runSeparate) std::cout << formatPlanSummary(gatherPlanFigures(session.app));
  if (improvement) std::cout << formatPlanComparison(*improvement, separateSeconds);
  char line[128];
  std::snprintf(line, sizeof line, "%-34s %.1f s\n", "Run time", total.seconds());
  std::cout << line << "\nOutput files\n";
  for (const std::string& file : outputs) {
    const bool present = std::filesystem::exists(file, ec);
    std::cout << "  " << file << (present ? "" : "  (not written)") << "\n";
  }
  return 0;
}

}  // namespace skyrig::cli
