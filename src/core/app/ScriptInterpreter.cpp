#include "app/ScriptInterpreter.h"

#include <sstream>
#include <vector>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "mouse/MouseHandlers.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

std::string trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> splitParts(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto bar = text.find(" | ", start);
    parts.push_back(trim(text.substr(start, bar == std::string::npos ? std::string::npos
                                                                       : bar - start)));
    if (bar == std::string::npos) break;
    start = bar + 3;
  }
  return parts;
}

bool parseInts(const std::string& text, std::vector<int>& values, std::size_t count) {
  std::istringstream in(text);
  values.clear();
  int v = 0;
  while (in >> v) values.push_back(v);
  in.clear();
  std::string extra;
  if (in >> extra) return false;
  return values.size() == count;
}

std::string* pathByName(AppContext& app, const std::string& name) {
  InputPaths& p = app.doc.paths;
  if (name == "dtmPath") return &p.dtmPath;
  if (name == "volumePath") return &p.volumePath;
  if (name == "streamPath") return &p.streamPath;
  if (name == "roadPath") return &p.roadPath;
  if (name == "boundaryPath") return &p.boundaryPath;
  if (name == "landingsPath") return &p.landingsPath;
  if (name == "cablewaysPath") return &p.cablewaysPath;
  if (name == "resultFilePath") return &app.view.resultFilePath;
  return nullptr;
}

}  // namespace

ScriptResult ScriptInterpreter::run(std::istream& script) {
  ScriptResult result;
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    std::string error;
    if (!runLine(line, error)) {
      result.ok = false;
      result.errorLine = number;
      result.error = error;
      return result;
    }
  }
  return result;
}

bool ScriptInterpreter::runLine(const std::string& rawLine, std::string& error) {
  const std::string line = trim(rawLine);
  if (line.empty() || line[0] == '#') return true;
  const auto space = line.find(' ');
  const std::string verb = line.substr(0, space);
  const std::string rest = space == std::string::npos ? std::string() : trim(line.substr(space));

  if (verb == "command") {
    const Command* command = CommandTable::instance().findByPath(rest);
    if (command == nullptr) {
      error = "unknown menu command \"" + rest + "\"";
      return false;
    }
    if (!command->operation) {
      error = "the command \"" + command->displayPath() + "\" is not available";
      return false;
    }
    command->operation(app_);
    return true;
  }
  if (verb == "answer") {
    const std::vector<std::string> parts = splitParts(rest);
    if (parts.size() < 2 || parts[0].empty() || (parts[1] != "ok" && parts[1] != "cancel")) {
      error = "answer needs: answer TITLE | ok|cancel [| LABEL=VALUE ...]";
      return false;
    }
    FormAnswer answer;
    answer.title = parts[0];
    answer.ok = parts[1] == "ok";
    for (std::size_t i = 2; i < parts.size(); ++i) {
      const auto eq = parts[i].find('=');
      if (eq == std::string::npos) {
        answer.edits.emplace_back(parts[i], std::string());  // a button
      } else {
        answer.edits.emplace_back(trim(parts[i].substr(0, eq)), trim(parts[i].substr(eq + 1)));
      }
    }
    ui_.queueAnswer(std::move(answer));
    return true;
  }
  if (verb == "press" || verb == "move" || verb == "release" || verb == "click" ||
      verb == "dblclick" || verb == "drag") {
    return mouseLine(verb, rest, error);
  }
  if (verb == "set") {
    std::istringstream in(rest);
    std::string what, name;
    in >> what >> name;
    std::string value;
    std::getline(in, value);
    value = trim(value);
    if (what != "path" || name.empty()) {
      error = "set needs: set path NAME VALUE";
      return false;
    }
    std::string* target = pathByName(app_, name);
    if (target == nullptr) {
      error = "unknown path \"" + name + "\" (dtmPath, volumePath, streamPath, roadPath, "
              "boundaryPath, landingsPath, cablewaysPath, resultFilePath)";
      return false;
    }
    *target = value;
    return true;
  }
  if (verb == "png") {
    if (rest.empty()) {
      error = "png needs a file name";
      return false;
    }
    if (!writePicture) {
      error = "this runner cannot write pictures";
      return false;
    }
    std::string reason;
    if (!writePicture(rest, reason)) {
      error = "cannot write " + rest + ": " + reason;
      return false;
    }
    return true;
  }
  error = "unknown script line \"" + line + "\"";
  return false;
}

bool ScriptInterpreter::mouseLine(const std::string& verb, const std::string& rest,
                                  std::string& error) {
  std::vector<int> v;
  const std::size_t count = verb == "drag" ? 4 : 2;
  if (!parseInts(rest, v, count)) {
    error = verb + (count == 4 ? " needs C1 R1 C2 R2" : " needs C R");
    return false;
  }
  for (std::size_t i = 0; i < count; i += 2) {
    if (!isInsideGrid(app_.doc, v[i], v[i + 1])) {
      error = "cell (" + std::to_string(v[i]) + ", " + std::to_string(v[i + 1]) +
              ") is not on the loaded grid";
      return false;
    }
  }
  const MapPoint a = cellCentre(app_.doc, app_.view, v[0], v[1]);
  if (verb == "press") handleMouse(app_, MouseAction::Press, a.x, a.y);
  if (verb == "move") handleMouse(app_, MouseAction::Move, a.x, a.y);
  if (verb == "release") handleMouse(app_, MouseAction::Release, a.x, a.y);
  if (verb == "click") {
    handleMouse(app_, MouseAction::Press, a.x, a.y);
    handleMouse(app_, MouseAction::Release, a.x, a.y);
  }
  if (verb == "dblclick") {
    // The platform reports a double click as press, release, double click, release.
    handleMouse(app_, MouseAction::Press, a.x, a.y);
    handleMouse(app_, MouseAction::Release, a.x, a.y);
    handleMouse(app_, MouseAction::DoubleClick, a.x, a.y);
    handleMouse(app_, MouseAction::Release, a.x, a.y);
  }
  if (verb == "drag") {
    const MapPoint b = cellCentre(app_.doc, app_.view, v[2], v[3]);
    handleMouse(app_, MouseAction::Press, a.x, a.y);
    handleMouse(app_, MouseAction::Move, b.x, b.y);
    handleMouse(app_, MouseAction::Release, b.x, b.y);
  }
  return true;
}

}  // namespace skyrig
