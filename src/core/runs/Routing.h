// The routing a reader of a solution goes through: the path file, or the solution the solver
// handed back when it is at hand (the file's name still names it in messages).
#pragma once

#include <string_view>

#include "document/Solution.h"

namespace skyrig {

struct Routing {
  Routing(std::string_view file) : pathFile(file) {}
  Routing(const char* file) : pathFile(file) {}
  Routing(std::string_view file, const Solution& inMemory) : pathFile(file), solution(&inMemory) {}

  std::string_view pathFile;
  const Solution* solution = nullptr;
};

}  // namespace skyrig
