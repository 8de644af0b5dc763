// Save Project: the project file "skyrig.json" written back from the document (paths and
// parameter values that differ from the defaults, timber exits), keeping every key it does not
// write as it was, and the landings to the project's landings file.
#pragma once

#include <filesystem>
#include <string>

namespace skyrig {

struct AppContext;

// The project file's text for the document's state. `previousText` is the file it replaces
// ("" for none): keys this writer does not own ("$schema", "crs", "runs", keys of later
// versions) stay as they are, in their order. `projectDir` is where the file goes: a workspace
// root other than that folder is written as an absolute path. False with the reason when
// `previousText` is not a JSON object.
bool projectFileText(const AppContext& app, const std::string& previousText,
                     const std::filesystem::path& projectDir, std::string& text,
                     std::string& error);

// Where the landings of the project are kept: the stored landings path, resolved.
std::filesystem::path projectLandingsFile(const AppContext& app);

struct SavedProject {
  std::filesystem::path projectFile;
  std::filesystem::path landingsFile;
  std::filesystem::path backup;  // the previous project file, kept as skyrig.json.bak ("" if none)
};

// Writes PROJECT_DIR/skyrig.json and the landings file, each to a temporary file that replaces
// the old one only when complete; the previous project file is kept as skyrig.json.bak.
// `previousText` as for projectFileText. False with the reason; then no file is replaced.
bool saveProject(const AppContext& app, const std::filesystem::path& projectDir,
                 const std::string& previousText, SavedProject& saved, std::string& error);

}  // namespace skyrig
