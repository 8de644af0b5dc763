// The JSON schema of the project file (docs/skyrig.schema.json), generated from the parameter
// tables and the reader's keys; `skyrig-cli schema` prints it.
#pragma once

#include <string>

namespace skyrig {

std::string projectFileSchema();

}  // namespace skyrig
