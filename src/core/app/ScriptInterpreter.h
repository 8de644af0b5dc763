// ScriptInterpreter: runs a headless script line by line against one program instance:
// menu commands by path, queued form answers, mouse events at cell centres, path settings and
// picture output. Script errors name the line.
//
//   command File > Open DTM
//   answer Fish Stream Buffer | ok | Fish Stream Buffer=30
//   press C R | move C R | release C R | click C R | dblclick C R | drag C1 R1 C2 R2
//   set path dtmPath /data/dem.asc
//   png map.png
//   # comment
#pragma once

#include <functional>
#include <istream>
#include <string>

#include "seams/ScriptedUi.h"
#include "view/AppContext.h"

namespace skyrig {

struct ScriptResult {
  bool ok = true;
  int errorLine = 0;  // 1-based line of the script error
  std::string error;
};

class ScriptInterpreter {
 public:
  ScriptInterpreter(AppContext& app, ScriptedUi& ui) : app_(app), ui_(ui) {}

  // Writes the current map picture; returns false with a reason when it cannot.
  std::function<bool(const std::string& file, std::string& error)> writePicture;

  ScriptResult run(std::istream& script);
  // Runs one line; false with `error` set on a script error.
  bool runLine(const std::string& line, std::string& error);

 private:
  bool mouseLine(const std::string& verb, const std::string& rest, std::string& error);
  AppContext& app_;
  ScriptedUi& ui_;
};

}  // namespace skyrig
