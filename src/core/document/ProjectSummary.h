// A plain-text summary of the loaded project: grid, elevations, harvest unit, volume, streams,
// roads and landings. Printed by the headless runner after loading a project.
#pragma once

#include <string>

namespace skyrig {

struct CSkyrigDoc;

// One fact per line, each line ending in '\n'. Areas in ha, volumes in m3 (of volumeGrid).
std::string projectSummary(const CSkyrigDoc& doc);

}  // namespace skyrig
