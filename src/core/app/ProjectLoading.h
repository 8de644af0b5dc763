// Opening a project folder: its project file, the five layers and the landings file named
// there, its timber exits, and the plan an earlier run left in the folder. The command line's
// plan and the desktop's Open Project load a project through these steps.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/ProjectFile.h"

namespace skyrig {

struct AppContext;

// One input file of a project and the command that reads it.
struct ProjectInput {
  const char* commandId;  // "FileOpenDtm", ...
  const char* what;       // "terrain model", ...
};
// In reading order: terrain model, timber volume, streams, existing roads, harvest unit,
// landings.
const std::vector<ProjectInput>& projectInputs();

// The stored path a project input is read from.
const std::string& projectInputPath(const AppContext& app, const ProjectInput& input);

// Points the paths at the project's workspace root, runs the view's initial update and
// applies the project file's settings.
void startProject(AppContext& app, const ProjectSettings& settings);

// Places the project file's timber exits; false (and nothing placed) with a message naming the
// first exit outside the grid.
bool placeTimberExits(AppContext& app, const ProjectSettings& settings, std::string& error);

// The files an earlier planning run left: the cable road file and the results file.
std::filesystem::path earlierCablewaysFile(const AppContext& app);
std::filesystem::path earlierResultsFile(const AppContext& app);
bool hasEarlierPlan(const AppContext& app);

// Reads the earlier run's cable road file and results file into the document and the view's
// result lists (the stored input paths stay as they are); false when either was refused.
bool loadEarlierPlan(AppContext& app);

// What Open Project found.
struct ProjectOpening {
  ProjectSettings settings;
  std::vector<std::string> missingInputs;  // "streams (/full/path)" of files not present
  std::string exitError;                   // timber exits outside the grid
  bool planLoaded = false;
};

// Opens a project folder for looking at and working on: reads the project file (false with the
// key path and line in `error`, the document untouched), then starts the project, reads every
// input whose file exists (listing the others), places the timber exits and, when the folder
// holds an earlier plan, loads it.
bool openProject(AppContext& app, const std::filesystem::path& projectDir,
                 ProjectOpening& opening, std::string& error);

// The map of an opened project: the DEM with the harvest unit, the plan's results when one was
// loaded, the landings with their numbers and the timber exits.
void drawProject(AppContext& app, bool withPlan);
// Over the map as it is: the plan's results, the landings and the timber exits.
void drawPlanOverlay(AppContext& app);

}  // namespace skyrig
