// skyrig-cli plan PROJECT_DIR: plans a project folder end to end: the five layers and the
// landings file, cable road generation and batch analysis, timber exits, the separate run (and
// the all-at-once run when the project file asks for it), the reports, the results file and
// map pictures, then the summary table. Exit 1 when a layer cannot be read or an output of
// the plan was not written by this run (a solve failed, a file could not be created).
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "ExitCodes.h"
#include "PlanComparison.h"
#include "runs/PlanSummary.h"
#include "PngOutput.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "app/ProjectFile.h"
#include "gis/SpatialReference.h"
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

// Every file the plan writes, as system paths, in the order they are listed.
constexpr const char* kCableRoadFiles[] = {"E:/thesis/output/plan-cableroads.png",
                                           "e:/thesis/output/Cableroaddata.dat",
                                           "E:\\thesis\\output\\CableAnalTime.txt"};
constexpr const char* kSeparateRunFiles[] = {
    "E:/thesis/output/plan-map.png",           "E:\\thesis\\output\\T&Results.txt",
    "E:\\thesis\\output\\T&ResultsSepFinal.txt", "e:/thesis/output/ResultFile.dat",
    "E:\\thesis\\output\\cablereport.txt",       "E:\\thesis\\output\\roadreport.txt",
    "E:\\thesis\\output\\RoadMileage.txt",       "e:\\thesis\\output\\bestcablepath.txt",
    "e:\\thesis\\output\\bestroadpath.txt"};
constexpr const char* kAllAtOnceFiles[] = {"E:/thesis/output/plan-allatonce.png",
                                           "E:\\thesis\\output\\T&ResultsAllAtOnce.txt",
                                           "e:\\thesis\\output\\allpath.txt"};

bool isPicture(const std::string& file) {
  return file.size() > 4 && file.compare(file.size() - 4, 4, ".png") == 0;
}

// The output files of the plan with their times before it ran, to tell what this run wrote.
class Outputs {
 public:
  explicit Outputs(const Paths& paths) : paths_(paths) {}

  void add(const char* systemPath) {
    const std::string file = paths_.resolve(systemPath).string();
    if (isPicture(file) && !canWritePictures()) return;
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(file, ec);
    files_.push_back({file, ec ? std::nullopt : std::optional(time), false});
  }
  // A file this run is known to have written.
  void wrote(const std::string& file) { files_.push_back({file, std::nullopt, true}); }

  // Lists the files, marking those this run did not write; true when it wrote them all.
  bool report(std::ostream& out) const {
    bool all = true;
    for (const Entry& entry : files_) {
      const std::string& file = entry.file;
      std::error_code ec;
      const auto now = std::filesystem::last_write_time(file, ec);
      const bool written = entry.written || (!ec && (!entry.before || *entry.before != now));
      all = all && written;
      out << "  " << file << (written ? "" : "  (not written)") << "\n";
    }
    return all;
  }

 private:
  struct Entry {
    std::string file;
    std::optional<std::filesystem::file_time_type> before;
    bool written;
  };
  const Paths& paths_;
  std::vector<Entry> files_;
};

// The plan's GeoPackage, GeoTIFF and GPX files under `name` in the output folder.
void writeGisFiles(Session& session, const std::string& name, const PlanSolution& solution,
                   Outputs& outputs) {
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
  for (const std::string& file : report.written) outputs.wrote(file);
}

void writeMap(Session& session, const std::string& systemPath) {
  std::string error;
  if (!writePng(*session.canvas, session.paths.resolve(systemPath).string(), error))
    std::cout << "   (no map picture: " << error << ")" << std::endl;
}

int runPlan(const std::filesystem::path& projectDir) {
  ProjectSettings settings;
  std::string error;
  if (!readProjectFile(projectDir, settings, error)) {
    std::fprintf(stderr, "skyrig-cli plan: %s\n", error.c_str());
    return kExitBadCommand;
  }
  if (!settings.crs.empty()) {
    std::string wkt;
    const std::string problem = gis::crsFromDefinition(settings.crs, wkt);
    if (!problem.empty()) {
      std::fprintf(stderr, "skyrig-cli plan: crs: %s\n", problem.c_str());
      return kExitBadCommand;
    }
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
      return kExitStopped;
    }
  }
  CSkyrigDoc& doc = *session.doc;
  if (doc.ncols < 1 || doc.landingCount < 1) {
    std::fprintf(stderr, "skyrig-cli plan: stopped: the project needs a terrain model and landings\n");
    return kExitStopped;
  }
  for (const CellPoint& exit : settings.timberExits) {
    if (!isInsideGrid(doc, exit.col, exit.row)) {
      std::fprintf(stderr, "skyrig-cli plan: timber exit C%dR%d lies outside the %d x %d grid\n",
                   exit.col, exit.row, doc.ncols, doc.nrows);
      return kExitBadCommand;
    }
    ++doc.timberExitCount;
    doc.timberExits[static_cast<std::size_t>(doc.timberExitCount)] = {exit.row, exit.col};
  }

  Outputs outputs(session.paths);
  for (const char* file : kCableRoadFiles) outputs.add(file);
  if (settings.runSeparate)
    for (const char* file : kSeparateRunFiles) outputs.add(file);
  if (settings.runAllAtOnce)
    for (const char* file : kAllAtOnceFiles) outputs.add(file);

  step(session, "LayersShowDem", "terrain map", false);
  step(session, "CablewaysGenerate", "cable road generation", false);
  step(session, "AnalysesCableways", "cable road analysis", false);
  writeMap(session, kCableRoadFiles[0]);
  step(session, "CablewaysSaveFile", "cable road file", false);

  double separateSeconds = 0;
  if (settings.runSeparate) {
    const Stopwatch separate;
    step(session, "NetworkOptimizing", "separate optimization run", false);
    separateSeconds = separate.seconds();
    writeMap(session, kSeparateRunFiles[0]);
    step(session, "ResultsRoadReports", "road mileage report", false);
    writeGisFiles(session, "plan", separateRunSolution(session.app), outputs);
  }
  // The improvement starts from the separate run's plan and writes only files of its own.
  std::optional<PlanImprovement> improvement;
  if (settings.runSeparate && settings.runImprove) {
    std::cout << "== plan improvement (Network > Improve Plan)" << std::endl;
    const Stopwatch watch;
    improvement = improvePlan(session.app);
    char done[64];
    std::snprintf(done, sizeof done, "   done in %.1f s", watch.seconds());
    std::cout << done << std::endl;
    if (improvement)
      for (const std::string& file : improvement->files)
        outputs.wrote(session.paths.resolve(file).string());
  }
  if (settings.runAllAtOnce) {
    step(session, "NetworkOptimizingAllAtOnce", "all-at-once optimization run", false);
    writeMap(session, kAllAtOnceFiles[0]);
    writeGisFiles(session, "plan-allatonce", allAtOnceSolution(session.app), outputs);
  }

  if (settings.runSeparate) std::cout << formatPlanSummary(gatherPlanFigures(session.app));
  if (improvement) std::cout << formatPlanComparison(*improvement, separateSeconds);
  char line[128];
  std::snprintf(line, sizeof line, "%-34s %.1f s\n", "Run time", total.seconds());
  std::cout << line << "\nOutput files\n";
  if (!outputs.report(std::cout)) {
    std::cout << std::flush;
    std::fputs("skyrig-cli plan: stopped: some output files were not written\n", stderr);
    return kExitStopped;
  }
  return kExitSuccess;
}

const bool registered = registerSubcommand(
    {40, "plan", "Plan a project folder end to end (reads PROJECT_DIR/skyrig.json)",
     [](CLI::App& command) -> SubcommandAction {
       auto projectDir = std::make_shared<std::string>();
       command.add_option("PROJECT_DIR", *projectDir, "The project folder")
           ->required()
           ->check(CLI::ExistingDirectory);
       return [projectDir] { return runPlan(std::filesystem::absolute(*projectDir)); };
     }});

}  // namespace

}  // namespace skyrig::cli
