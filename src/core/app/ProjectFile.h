// The project file "skyrig.json" of a project folder: workspace root and input paths,
// parameter overrides by field name, timber exits by cell, and which runs to make.
// Every key is checked; an error names the key path and nothing is applied.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "document/CableSystemParams.h"
#include "document/Records.h"
#include "document/RoadCostParams.h"

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;

struct ProjectSettings {
  std::filesystem::path workspaceRoot;                  // absolute once read
  std::string crs;  // the coordinate system definition, as written (any GDAL accepts)
  std::map<std::string, std::string> paths;             // dtmPath ... resultFilePath
  std::map<int, std::map<std::string, double>> cableSystemValues;  // system -> field -> value
  std::map<int, std::string> cableSystemNames;
  std::map<std::string, double> roadCostValues;         // scalar fields
  std::map<std::string, std::array<float, 7>> roadCostClasses;  // the two multiplier rows
  std::map<int, float> landingConstructionCosts;
  std::vector<CellPoint> timberExits;                   // (col, row)
  bool runSeparate = true;
  bool runAllAtOnce = false;
  bool runImprove = false;  // improve the plan after the separate run
};

// Reads PROJECT_DIR/skyrig.json; a missing file gives the defaults. False with a message
// naming the key path (e.g. "cableSystems.2.maxIntSupports: ...") on any fault.
bool readProjectFile(const std::filesystem::path& projectDir, ProjectSettings& settings,
                     std::string& error);

// Parses the text of a project file (projectDir resolves a relative workspace root); false with
// the message (key path and line) in `error`, `settings` untouched then.
bool parseProjectFile(const std::string& text, const std::filesystem::path& projectDir,
                      ProjectSettings& settings, std::string& error);

// Applies the overrides to a document whose view's initial update has run.
void applyProjectSettings(const ProjectSettings& settings, CSkyrigDoc& doc, CSkyrigView& view);

}  // namespace skyrig
