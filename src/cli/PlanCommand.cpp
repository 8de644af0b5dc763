// skyrig-cli plan [--quiet|--verbose] PROJECT_DIR: plans a project folder end to end: the five
// layers and the landings file, cable road generation and batch analysis, timber exits, the
// separate run (and the all-at-once run when the project file asks for it), the reports, the
// results file, the map sheet, profile sheets and plan report, then the summary table.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "ConsoleOutput.h"
#include "PlanSheets.h"
#include "PlanSummary.h"
#include "PngOutput.h"
#include "QtMessages.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "app/ProjectFile.h"
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

// Runs one command as a step of the plan; false when the step showed a message that stops the
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
  return !(stopOnMessage && session.ui.messages().size() > messagesBefore);
}

bool writeMap(Session& session, ConsoleOutput& console, const std::string& systemPath,
              std::vector<std::string>& outputs) {
  const std::string file = session.paths.resolve(systemPath).string();
  std::string error;
  if (!writePng(*session.canvas, file, error)) {
    console.message("(no map picture: " + error + ")");
    return false;
  }
  outputs.push_back(file);
  return true;
}

}  // namespace

int runPlanCommand(int argc, char** argv) {
  Verbosity verbosity = Verbosity::Normal;
  std::vector<std::string> positional;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--quiet" || arg == "-q")
      verbosity = Verbosity::Quiet;
    else if (arg == "--verbose" || arg == "-v")
      verbosity = Verbosity::Verbose;
    else
      positional.push_back(arg);
  }
  if (positional.size() != 1 || positional[0].rfind("-", 0) == 0) {
    std::fprintf(stderr, "usage: skyrig-cli plan [--quiet|--verbose] PROJECT_DIR\n");
    return 2;
  }
  const std::filesystem::path projectDir = std::filesystem::absolute(positional[0]);
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
  step(session, console, "LayersShowDem", "terrain map", false);
  step(session, console, "CablewaysGenerate", "cable road generation", false);
  step(session, console, "AnalysesCableways", "cable road analysis", false);
  step(session, console, "CablewaysSaveFile", "cable road file", false);
  outputs.push_back(session.paths.resolve("e:/thesis/output/Cableroaddata.dat").string());
  outputs.push_back(session.paths.resolve("E:\\thesis\\output\\CableAnalTime.txt").string());

  if (settings.runSeparate) {
    step(session, console, "NetworkOptimizing", "separate optimization run", false);
    step(session, console, "ResultsRoadReports", "road mileage report", false);
    for (const char* file :
         {"E:\\thesis\\output\\T&Results.txt", "E:\\thesis\\output\\T&ResultsSepFinal.txt",
          "e:/thesis/output/ResultFile.dat", "E:\\thesis\\output\\cablereport.txt",
          "E:\\thesis\\output\\roadreport.txt", "E:\\thesis\\output\\RoadMileage.txt",
          "e:\\thesis\\output\\bestcablepath.txt", "e:\\thesis\\output\\bestroadpath.txt"})
      outputs.push_back(session.paths.resolve(file).string());
  }
  if (settings.runAllAtOnce) {
    step(session, console, "NetworkOptimizingAllAtOnce", "all-at-once optimization run", false);
    writeMap(session, console, "E:/thesis/output/plan-allatonce.png", outputs);
    for (const char* file : {"E:\\thesis\\output\\T&ResultsAllAtOnce.txt", "e:\\thesis\\output\\allpath.txt"})
      outputs.push_back(session.paths.resolve(file).string());
  }

  console.beginStep("map sheet, profile sheets and plan report");
  const std::string project = projectName(projectDir);
  const SheetsWritten sheets = writePlanSheets(session.app, project, sheetDate());
  console.endStep();
  for (const std::string& problem : sheets.problems) console.message("sheets: " + problem);
  outputs.insert(outputs.end(), sheets.files.begin(), sheets.files.end());

  PlanFigures figures = gatherPlanFigures(session.app);
  const PlanSheetData plan = gatherPlanSheetData(*session.doc, session.view->runs, session.paths);
  if (plan.hasPlan)
    for (int s = static_cast<int>(CellService::NoRoadReaches); s < kCellServiceCount; ++s)
      if (plan.unservedCells[s] > 0)
        figures.unservedReasons.push_back({cellServiceText(static_cast<CellService>(s)),
                                           plan.unservedCells[s], plan.unservedVolume[s]});
  {
    const std::filesystem::path csv = session.paths.resolve(kPlanSummaryCsv);
    std::ofstream out(csv);
    out << planCsvHeader() << '\n' << planCsvLine(project, figures, plan, total.seconds()) << '\n';
    if (out)
      outputs.push_back(csv.string());
    else
      console.message("the summary line " + csv.string() + " cannot be written");
  }
  if (verbosity == Verbosity::Quiet) return 0;
  if (settings.runSeparate) std::cout << formatPlanSummary(figures);
  std::cout << formatRunComparison(plan);
  char line[128];
  std::snprintf(line, sizeof line, "%-34s %.1f s\n", "Run time", total.seconds());
  std::cout << line << "\nOutput files\n";
  int profileSheets = 0;
  for (const std::string& file : outputs) {
    // The profile sheets are one line for all.
    if (std::filesystem::path(file).parent_path().filename() == "profiles") {
      if (profileSheets++ == 0)
        std::cout << "  " << (std::filesystem::path(file).parent_path() / "L*-R*.pdf").string() << "\n";
      continue;
    }
    const bool present = std::filesystem::exists(file, ec);
    std::cout << "  " << file << (present ? "" : "  (not written)") << "\n";
  }
  if (profileSheets > 0)
    std::cout << "  (" << profileSheets << " profile sheets, one per cable road used)\n";
  return 0;
}

}  // namespace skyrig::cli
