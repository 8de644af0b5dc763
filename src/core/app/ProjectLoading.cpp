#include "app/ProjectLoading.h"

#include <system_error>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "document/CablewayFile.h"
#include "runs/PathFileReader.h"
#include "runs/ResultDrawing.h"
#include "runs/ResultsFile.h"
#include "runs/RunFiles.h"
#include "seams/Paths.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/MapLayers.h"

namespace skyrig {

namespace {

bool fileExists(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

// Landings as placed on the map: a black cell with the landing's number.
void drawLandings(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  for (int i = 1; i <= doc.landingCount && i <= kMaxLandings; ++i) {
    const Landing& landing = doc.landings[i];
    if (landing.system < 1) continue;
    fillCell(doc, app.canvas, landing.col, landing.row, {0, 0, 0});
    labelCell(doc, app.canvas, landing.col, landing.row, std::to_string(i));
  }
}

void drawTimberExits(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  for (int i = 1; i <= doc.timberExitCount; ++i) {
    const auto& exit = doc.timberExits[static_cast<std::size_t>(i)];
    fillCell(doc, app.canvas, exit.col, exit.row, {0, 255, 0});
  }
}

// The volume each landing receives in the run's best cable solution. The results file lists
// the cable road of every path of that solution in the path file's order, so each path's
// volume goes to the landing of its entry (summed in that order, in 32-bit floats, as the
// run's link flows are).
void landingVolumesFromBestPaths(AppContext& app) {
  auto& runs = app.view.runs;
  runs.landingVolume.fill(0.0f);
  PathFileReader reader(app.paths, app.ui, kBestCablePathFile, INT32_MAX,
                        PathFileReader::EmptyPath::Pass);
  if (!reader.isOpen() || reader.entryCount() != runs.cableAssignments.count) return;
  PerLanding<float> volumes{};
  PathEntry entry;
  for (int i = 1; reader.next(entry); ++i) {
    if (i > runs.cableAssignments.count) return;
    const int landing = runs.cableAssignments[i].landing;
    if (landing >= 1 && landing <= kMaxLandings) volumes[static_cast<std::size_t>(landing)] += entry.volume;
  }
  if (!reader.damaged()) runs.landingVolume = volumes;
}

}  // namespace

const std::vector<ProjectInput>& projectInputs() {
  static const std::vector<ProjectInput> inputs = {
      {"FileOpenDtm", "terrain model"},  {"FileOpenVolume", "timber volume"},
      {"FileOpenStreams", "streams"},    {"FileOpenRoads", "existing roads"},
      {"BoundaryByFile", "harvest unit"}, {"LandingsOpen", "landings"}};
  return inputs;
}

const std::string& projectInputPath(const AppContext& app, const ProjectInput& input) {
  const InputPaths& p = app.doc.paths;
  const std::string_view id = input.commandId;
  if (id == "FileOpenDtm") return p.dtmPath;
  if (id == "FileOpenVolume") return p.volumePath;
  if (id == "FileOpenStreams") return p.streamPath;
  if (id == "FileOpenRoads") return p.roadPath;
  if (id == "BoundaryByFile") return p.boundaryPath;
  return p.landingsPath;
}

void startProject(AppContext& app, const ProjectSettings& settings) {
  app.paths.setRoot(settings.workspaceRoot);
  initialUpdate(app.doc, app.view);
  applyProjectSettings(settings, app.doc, app.view);
}

bool placeTimberExits(AppContext& app, const ProjectSettings& settings, std::string& error) {
  CSkyrigDoc& doc = app.doc;
  for (const CellPoint& exit : settings.timberExits) {
    if (!isInsideGrid(doc, exit.col, exit.row)) {
      error = "timber exit C" + std::to_string(exit.col) + "R" + std::to_string(exit.row) +
              " lies outside the " + std::to_string(doc.ncols) + " x " +
              std::to_string(doc.nrows) + " grid";
      return false;
    }
  }
  for (const CellPoint& exit : settings.timberExits) {
    if (doc.timberExitCount >= kMaxTimberExits) break;
    ++doc.timberExitCount;
    doc.timberExits[static_cast<std::size_t>(doc.timberExitCount)] = {exit.row, exit.col};
  }
  return true;
}

std::filesystem::path earlierCablewaysFile(const AppContext& app) {
  return app.paths.resolve(kCablewaysSavePath);
}

std::filesystem::path earlierResultsFile(const AppContext& app) {
  return app.paths.resolve(kResultsFileWritten);
}

bool hasEarlierPlan(const AppContext& app) {
  return fileExists(earlierCablewaysFile(app)) && fileExists(earlierResultsFile(app));
}

bool loadEarlierPlan(AppContext& app) {
  // The readers take their file from the stored input paths; point them at the run's output
  // for the moment and put the user's paths back afterwards.
  const std::string cablewaysPath = app.doc.paths.cablewaysPath;
  const std::string resultFilePath = app.view.resultFilePath;
  app.doc.paths.cablewaysPath = std::string(kCablewaysSavePath);
  app.view.resultFilePath = std::string(kResultsFileWritten);
  bool cablewaysRead = true;
  openCableways(app.doc, app.paths, app.ui);
  for (int i = 1; i <= app.doc.landingCount; ++i)
    if (app.doc.landings[i].system > 0 && !app.doc.landingAnalysed[i]) cablewaysRead = false;
  const bool resultsRead = cablewaysRead && readResultsFile(app);
  if (resultsRead) landingVolumesFromBestPaths(app);
  app.doc.paths.cablewaysPath = cablewaysPath;
  app.view.resultFilePath = resultFilePath;
  return resultsRead;
}

bool openProject(AppContext& app, const std::filesystem::path& projectDir,
                 ProjectOpening& opening, std::string& error) {
  ProjectSettings settings;
  if (!readProjectFile(projectDir, settings, error)) return false;
  opening = {};
  opening.settings = settings;
  startProject(app, settings);
  for (const ProjectInput& input : projectInputs()) {
    const std::string& path = projectInputPath(app, input);
    if (path.empty()) continue;
    if (!fileExists(app.paths.resolve(path))) {
      opening.missingInputs.push_back(std::string(input.what) + " (" +
                                      app.paths.resolve(path).string() + ")");
      continue;
    }
    runCommand(input.commandId, app);
  }
  if (app.doc.ncols > 0) placeTimberExits(app, settings, opening.exitError);
  if (app.doc.ncols > 0 && app.doc.landingCount > 0 && hasEarlierPlan(app))
    opening.planLoaded = loadEarlierPlan(app);
  return true;
}

void drawProject(AppContext& app, bool withPlan) {
  showDem(app.doc, app.view, app.canvas);
  if (withPlan) {
    drawPlanOverlay(app);
    return;
  }
  drawLandings(app);
  drawTimberExits(app);
}

void drawPlanOverlay(AppContext& app) {
  showAllResults(app);
  drawLandings(app);
  drawTimberExits(app);
}

}  // namespace skyrig
