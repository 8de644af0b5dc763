// Reads a whole input file into memory as bytes (no line end translation).
#pragma once

#include <string>
#include <string_view>

namespace skyrig {

class Paths;

enum class WholeFileResult { Ok, CannotOpen, ReadFailed };

WholeFileResult readWholeFile(const Paths& paths, std::string_view systemPath, std::string& bytes);

}  // namespace skyrig
