// skyrig-cli plan PROJECT_DIR: plans a project folder end to end: the five layers and the
// landings file, cable road generation and batch analysis, timber exits, the separate run (and
// the all-at-once run when the project file asks for it), the reports, the results file and
// map pictures, then the summary table.
#include <chrono>
#include <cstdio>
#include <iostream>

#include "runs/PlanSummary.h"
#include "PngOutput.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/CommandTable.h"
#include "app/ProjectFile.h"
#include "app/PlanJob.h"
#include "app/ProjectLoading.h"
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
  startProject(session.app, settings);
  std::cout << "Skyrig plan of " << projectDir.string() << "\n   workspace root "
            << settings.workspaceRoot.string() << std::endl;

  for (const ProjectInput& input : projectInputs()) {
    if (!step(session, input.commandId, input.what, true)) {
      std::fprintf(stderr, "skyrig-cli plan: stopped: the %s could not be read\n", input.what);
      return 1;
    }
  }
  CSkyrigDoc& doc = *session.doc;
  if (doc.ncols < 1 || doc.landingCount < 1) {
    std::fprintf(stderr, "skyrig-cli plan: stopped: the project needs a terrain model and landings\n");
    return 1;
  }
  if (!placeTimberExits(session.app, settings, error)) {
    std::fprintf(stderr, "skyrig-cli plan: %s\n", error.c_str());
    return 2;
  }

  std::vector<std::string> outputs;
  for (const PlanStep& planStep : planSteps(settings.runSeparate, settings.runAllAtOnce)) {
    step(session, planStep.commandId, planStep.what, false);
    if (*planStep.mapPicture != '\0') writeMap(session, planStep.mapPicture, outputs);
    for (const char* file : planStep.files) outputs.push_back(session.paths.resolve(file).string());
    const std::string_view id = planStep.commandId;
    if (id == "ResultsRoadReports")
      writeGisFiles(session, "plan", separateRunSolution(session.app), outputs);
    if (id == "NetworkOptimizingAllAtOnce")
      writeGisFiles(session, "plan-allatonce", allAtOnceSolution(session.app), outputs);
  }

  if (settings.runSeparate) std::cout << formatPlanSummary(gatherPlanFigures(session.app));
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
