// A project file for a folder that has none: the raster layers and the landings file found in
// the folder are named in it by what their file names say they are.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace skyrig {

// The layers found, as "dtmPath: Forest/dem.dat" lines, in the order of the project's inputs.
std::vector<std::string> findProjectLayers(const std::filesystem::path& projectDir);

// Writes PROJECT_DIR/skyrig.json naming the layers found (paths relative to the folder);
// false with the reason when the folder cannot be written or already has a project file.
bool createProjectFile(const std::filesystem::path& projectDir, std::string& error);

}  // namespace skyrig
