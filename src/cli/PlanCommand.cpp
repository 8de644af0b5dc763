// skyrig-cli plan [--quiet|--verbose] PROJECT_DIR: plans a project folder end to end: the five
// layers and the landings file, cable road generation and batch analysis, timber exits, the
// separate run (and the all-at-once run when the project file asks for it), the reports, the
// results file, the GIS files, the map sheet, profile sheets and plan report, then the summary. Exit 1 when a layer cannot be read or an output of
// the plan was not written by this run (a solve failed, a file could not be created).
#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "PlanComparison.h"
#include "PlanSheets.h"
#include "runs/PlanSummary.h"
#include "PngOutput.h"
#include "QtMessages.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "app/ProjectFile.h"
#include "gis/SpatialReference.h"
#include "planexport/PlanExport.h"
#include "planexport/PlanSolution.h"
#include "runs/PlanSheetData.h"

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

// Runs one command as a step of the plan; false when the step showed a warning that stops the
// plan (a layer or landings file that could not be read).
bool step(Session& session, ConsoleOutput& console, const char* id, const char* what,
          bool stopOnMessage) {
  const Command* command = CommandTable::instance().findById(id);
  console.beginStep(what);
  const std::size_t messagesBefore = session.ui.messages().size();
  if (!runCommand(id, session.app)) {
    console.endStep();
    std::cerr << "skyrig-cli plan: the command " << command->displayPath()
              << " is not available in this build\n";
    return false;
  }
  console.endStep();
  return !(stopOnMessage && warnedSince(session, messagesBefore));
}

// Every file the plan writes, as system paths, in the order they are listed.
constexpr const char* kCableRoadFiles[] = {"e:/thesis/output/Cableroaddata.dat",
                                           "E:\\thesis\\output\\CableAnalTime.txt"};
constexpr const char* kSeparateRunFiles[] = {
    "E:\\thesis\\output\\T&Results.txt",
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
  // A file this run is known to have written, or known to have failed to write.
  void wrote(const std::string& file) { files_.push_back({file, std::nullopt, true}); }
  void failed(const std::string& file) { files_.push_back({file, std::nullopt, false, true}); }

  // Lists the files, marking those this run did not write (the profile sheets as one line);
  // true when it wrote them all.
  bool report(std::ostream& out) const {
    bool all = true;
    int profileSheets = 0;
    for (const Entry& entry : files_) {
      const std::string& file = entry.file;
      std::error_code ec;
      const auto now = std::filesystem::last_write_time(file, ec);
      const bool written =
          !entry.failed && (entry.written || (!ec && (!entry.before || *entry.before != now)));
      all = all && written;
      const std::filesystem::path folder = std::filesystem::path(file).parent_path();
      if (folder.filename() == "profiles" && written) {
        if (profileSheets++ == 0) out << "  " << (folder / "L*-R*.pdf").string() << "\n";
        continue;
      }
      out << "  " << file << (written ? "" : "  (not written)") << "\n";
    }
    if (profileSheets > 0)
      out << "  (" << profileSheets << " profile sheets, one per cable road used)\n";
    return all;
  }

 private:
  struct Entry {
    std::string file;
    std::optional<std::filesystem::file_time_type> before;
    bool written;
    bool failed = false;
  };
  const Paths& paths_;
  std::vector<Entry> files_;
};

// The plan's GeoPackage, GeoTIFF and GPX files under `name` in the output folder.
void writeGisFiles(Session& session, ConsoleOutput& console, const std::string& name,
                   const PlanSolution& solution, Outputs& outputs,
                   const PlanSolution* improved = nullptr) {
  console.beginStep("GIS files of the plan as " + name + ".*");
  const PlanExportReport report = exportPlan(session.app, name, solution, improved);
  console.endStep();
  console.line("  " + describePlanExport(report));
  for (const std::string& file : report.written) outputs.wrote(file);
  for (const std::string& file : report.unwritten) outputs.failed(file);
}

void writeMap(Session& session, ConsoleOutput& console, const std::string& systemPath) {
  std::string error;
  if (!writePng(*session.canvas, session.paths.resolve(systemPath).string(), error))
    console.message("(no map picture: " + error + ")");
}

int runPlan(const std::filesystem::path& projectDir, Verbosity verbosity) {
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

  routeQtMessages(verbosity == Verbosity::Verbose);
  Stopwatch total;
  ConsoleOutput console(verbosity, ConsoleOutput::stdoutIsTerminal());
  Session session(settings.workspaceRoot.string());
  session.ui.echo = [&console](const std::string& line) {
    constexpr std::string_view kProgress = "progress: ";
    if (line.rfind(kProgress, 0) == 0)
      console.progress(std::string_view(line).substr(kProgress.size()));
    else
      console.message(line);
  };
  session.ui.recordProgress = true;
  applyProjectSettings(settings, *session.doc, *session.view);
  console.line("Skyrig plan of " + projectDir.string() + "\n  workspace root " +
               settings.workspaceRoot.string());

  struct Load {
    const char* id;
    const char* what;
  };
  for (const Load& load : {Load{"FileOpenDtm", "terrain model"}, Load{"FileOpenVolume", "timber volume"},
                           Load{"FileOpenStreams", "streams"}, Load{"FileOpenRoads", "existing roads"},
                           Load{"BoundaryByFile", "harvest unit"}, Load{"LandingsOpen", "landings"}}) {
    if (!step(session, console, load.id, load.what, true)) {
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

  step(session, console, "LayersShowDem", "terrain map", false);
  step(session, console, "CablewaysGenerate", "cable road generation", false);
  step(session, console, "AnalysesCableways", "cable road analysis", false);
  step(session, console, "CablewaysSaveFile", "cable road file", false);

  double separateSeconds = 0;
  if (settings.runSeparate) {
    const Stopwatch separate;
    step(session, console, "NetworkOptimizing", "separate optimization run", false);
    separateSeconds = separate.seconds();
    step(session, console, "ResultsRoadReports", "road mileage report", false);
  }
  // The improvement starts from the separate run's plan and writes only files of its own.
  std::optional<PlanImprovement> improvement;
  if (settings.runSeparate && settings.runImprove) {
    console.beginStep("plan improvement");
    improvement = improvePlan(session.app);
    console.endStep();
    if (improvement)
      for (const char* file : {kImprovedCablePathFile, kImprovedRoadPathFile,
                               kImprovedCableReportFile, kImprovedRoadReportFile,
                               kImprovedPlanFile}) {
        const std::string resolved = session.paths.resolve(file).string();
        const auto& written = improvement->files;
        if (std::find(written.begin(), written.end(), file) != written.end())
          outputs.wrote(resolved);
        else
          outputs.failed(resolved);
      }
  }
  // The separate run's plan, and the improved plan's layers beside it.
  if (settings.runSeparate) {
    const PlanSolution improved =
        improvement ? planSolutionOf(*session.doc, improvement->improvedPaths) : PlanSolution{};
    writeGisFiles(session, console, "plan", separateRunSolution(session.app), outputs,
                  improvement ? &improved : nullptr);
  }
  if (settings.runAllAtOnce) {
    step(session, console, "NetworkOptimizingAllAtOnce", "all-at-once optimization run", false);
    writeMap(session, console, kAllAtOnceFiles[0]);
    writeGisFiles(session, console, "plan-allatonce", allAtOnceSolution(session.app), outputs);
  }

  console.beginStep("map sheet, profile sheets and plan report");
  const std::string project = projectName(projectDir);
  if (improvement) improvement->specifiedSeconds = separateSeconds;
  const SheetsWritten sheets =
      writePlanSheets(session.app, project, sheetDate(), improvement ? &*improvement : nullptr);
  console.endStep();
  for (const std::string& problem : sheets.problems) console.message("sheets: " + problem);
  for (const std::string& file : sheets.files) outputs.wrote(file);
  for (const std::string& file : sheets.unwritten) outputs.failed(file);

  PlanFigures figures = gatherPlanFigures(session.app);
  const PlanSheetData plan = gatherPlanSheetData(*session.doc, session.view->runs, session.paths);
  addUnservedReasons(figures, plan);
  {
    const std::filesystem::path csv = session.paths.resolve(kPlanSummaryCsv);
    std::ofstream out(csv);
    out << planCsvHeader() << '\n' << planCsvLine(project, figures, plan, total.seconds(),
                                                   improvement ? &*improvement : nullptr) << '\n';
    if (out)
      outputs.wrote(csv.string());
    else
      console.message("the summary line " + csv.string() + " cannot be written");
  }
  if (verbosity == Verbosity::Quiet) {
    std::ostringstream ignored;
    return outputs.report(ignored) ? kExitSuccess : kExitStopped;
  }
  if (settings.runSeparate) std::cout << formatPlanSummary(figures);
  std::cout << formatRunComparison(plan);
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
       auto quiet = std::make_shared<bool>(false);
       auto verbose = std::make_shared<bool>(false);
       command.add_option("PROJECT_DIR", *projectDir, "The project folder")
           ->required()
           ->check(CLI::ExistingDirectory);
       CLI::Option* quietFlag =
           command.add_flag("-q,--quiet", *quiet, "Print only messages, errors and nothing else");
       command.add_flag("-v,--verbose", *verbose, "Print every progress report as a line")
           ->excludes(quietFlag);
       return [projectDir, quiet, verbose] {
         const Verbosity verbosity =
             *quiet ? Verbosity::Quiet : *verbose ? Verbosity::Verbose : Verbosity::Normal;
         return runPlan(std::filesystem::absolute(*projectDir), verbosity);
       };
     }});

}  // namespace

}  // namespace skyrig::cli
