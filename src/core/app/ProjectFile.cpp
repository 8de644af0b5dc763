#include "app/ProjectFile.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "app/Json.h"
#include "document/CableSystemTable.h"
#include "params/FieldText.h"
#include "document/RoadCostTable.h"
#include "document/SingleValueTable.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

constexpr const char* kPathNames[] = {"dtmPath",      "volumePath",    "streamPath",
                                      "roadPath",     "boundaryPath",  "landingsPath",
                                      "cablewaysPath", "resultFilePath"};

const CableParameter* cableParameterNamed(const std::string& name) {
  for (const CableParameter& p : cableParameters())
    if (name == p.name) return &p;
  return nullptr;
}

const CableFlag* cableFlagNamed(const std::string& name) {
  for (const CableFlag& f : cableFlags())
    if (name == f.name) return &f;
  return nullptr;
}

const RoadCostParameter* roadCostNamed(const std::string& name) {
  for (const RoadCostParameter& p : roadCostParameters())
    if (name == p.name) return &p;
  return nullptr;
}

// "haulingCost, gradeMultiplier, constructionCost, ..." in the record's order.
std::string roadCostNames() {
  std::string out;
  for (int n = 0; n < kRoadCostFieldCount; ++n) {
    const RoadCostParameter& p = roadCostParameter(n);
    if (p.index <= 0) out += (out.empty() ? "" : ", ") + std::string(p.name);
  }
  return out;
}

class Checker {
 public:
  std::string error;

  bool fail(const std::string& path, const JsonValue& v, const std::string& what) {
    error = path + " (line " + std::to_string(v.line) + "): " + what;
    return false;
  }
  bool expect(const std::string& path, const JsonValue& v, JsonValue::Kind kind) {
    if (v.kind == kind) return true;
    return fail(path, v, "expected " + std::string(jsonKindName(kind)) + ", found " +
                             std::string(jsonKindName(v.kind)));
  }
  bool number(const std::string& path, const JsonValue& v, const ParameterRange& range) {
    return number(path, v, range.low, range.high);
  }
  bool number(const std::string& path, const JsonValue& v, double low, double high) {
    if (!expect(path, v, JsonValue::Kind::Number)) return false;
    if (!std::isfinite(v.number) || v.number < low || v.number > high) {
      return fail(path, v,
                  "must be a number between " + formatNumber(low) + " and " + formatNumber(high));
    }
    return true;
  }
  bool integer(const std::string& path, const JsonValue& v, double low, double high) {
    if (!number(path, v, low, high)) return false;
    if (!v.isInteger) return fail(path, v, "must be an integer");
    return true;
  }
  bool unknown(const std::string& path, const JsonValue& v, const std::string& key,
               const std::string& known) {
    return fail(path.empty() ? key : path + "." + key, v, "unknown key (known keys: " + known + ")");
  }
};

std::string join(std::initializer_list<const char*> names) {
  std::string out;
  for (const char* n : names) out += (out.empty() ? "" : ", ") + std::string(n);
  return out;
}

bool readCableSystem(Checker& check, const std::string& path, int system, const JsonValue& obj,
                     ProjectSettings& settings) {
  if (!check.expect(path, obj, JsonValue::Kind::Object)) return false;
  for (const auto& [key, v] : obj.members) {
    const std::string keyPath = path + "." + key;
    if (key == kCableSystemNameKey) {
      if (!check.expect(keyPath, v, JsonValue::Kind::String)) return false;
      std::string name;
      for (char ch : v.text)
        if (ch != ' ') name += ch;
      if (name.size() > kMaxCableSystemName)
        return check.fail(keyPath, v,
                          "at most " + std::to_string(kMaxCableSystemName) + " characters");
      settings.cableSystemNames[system] = name;
      continue;
    }
    if (cableFlagNamed(key) != nullptr) {
      if (!check.expect(keyPath, v, JsonValue::Kind::Bool)) return false;
      settings.cableSystemValues[system][key] = v.boolean ? 1.0 : 0.0;
      continue;
    }
    const CableParameter* p = cableParameterNamed(key);
    if (p == nullptr)
      return check.unknown(path, v, key,
                           "name, maxIntSupports, englishUnits, haulbackLine, downhillAvailable "
                           "and the numeric fields such as towerHeight");
    const bool ok = p->kind == ParameterKind::Integer
                        ? check.integer(keyPath, v, p->range.low, p->range.high)
                        : check.number(keyPath, v, projectFileRange(p->range));
    if (!ok) return false;
    settings.cableSystemValues[system][key] = v.number;
  }
  return true;
}

bool readRoadCosts(Checker& check, const JsonValue& obj, ProjectSettings& settings) {
  if (!check.expect("roadCosts", obj, JsonValue::Kind::Object)) return false;
  for (const auto& [key, v] : obj.members) {
    const std::string keyPath = "roadCosts." + key;
    const RoadCostParameter* p = roadCostNamed(key);
    if (p == nullptr) return check.unknown("roadCosts", v, key, roadCostNames());
    if (p->index >= 0) {  // a row of seven classes
      if (!check.expect(keyPath, v, JsonValue::Kind::Array)) return false;
      if (v.items.size() != 7) return check.fail(keyPath, v, "needs exactly 7 numbers");
      std::array<float, 7> row{};
      for (std::size_t i = 0; i < 7; ++i) {
        if (!check.number(keyPath + "[" + std::to_string(i) + "]", v.items[i],
                          projectFileRange(p->range)))
          return false;
        row[i] = static_cast<float>(v.items[i].number);
      }
      settings.roadCostClasses[key] = row;
      continue;
    }
    if (!check.number(keyPath, v, projectFileRange(p->range))) return false;
    settings.roadCostValues[key] = v.number;
  }
  return true;
}

// The number a key of "cableSystems" or "landingConstructionCosts" names: plain digits, no sign,
// no leading zero, within low..high.
bool readNumberedKey(Checker& check, const std::string& path, const std::string& key,
                     const JsonValue& v, int low, int high, int& number) {
  long n = 0;
  bool digits = !key.empty() && key.size() <= 9 && key[0] != '0';
  for (char ch : key) {
    digits = digits && ch >= '0' && ch <= '9';
    if (digits) n = n * 10 + (ch - '0');
  }
  if (!digits || n < low || n > high)
    return check.fail(path, v,
                      "key must be a number from " + std::to_string(low) + " to " +
                          std::to_string(high));
  number = static_cast<int>(n);
  return true;
}

}  // namespace

bool parseProjectFile(const std::string& text, const std::filesystem::path& projectDir,
                      ProjectSettings& settings, std::string& error) {
  ProjectSettings result;
  result.workspaceRoot = projectDir;
  JsonValue root;
  std::string jsonError;
  if (!parseJson(text, root, jsonError)) {
    error = "skyrig.json is not valid JSON: " + jsonError;
    return false;
  }
  Checker check;
  auto done = [&](bool ok) {
    if (!ok) {
      error = check.error;
      return false;
    }
    return true;
  };
  if (!check.expect("(top level)", root, JsonValue::Kind::Object)) return done(false);
  for (const auto& [key, v] : root.members) {
    if (key == "$schema") {
      if (!check.expect(key, v, JsonValue::Kind::String)) return done(false);
    } else if (key == "workspaceRoot") {
      if (!check.expect(key, v, JsonValue::Kind::String)) return done(false);
      const std::filesystem::path p(v.text);
      result.workspaceRoot = p.is_absolute() ? p : projectDir / p;
    } else if (key == "paths") {
      if (!check.expect(key, v, JsonValue::Kind::Object)) return done(false);
      for (const auto& [name, pv] : v.members) {
        bool known = false;
        for (const char* n : kPathNames) known = known || name == n;
        if (!known)
          return done(check.unknown("paths", pv, name,
                                    join({"dtmPath", "volumePath", "streamPath", "roadPath",
                                          "boundaryPath", "landingsPath", "cablewaysPath",
                                          "resultFilePath"})));
        if (!check.expect("paths." + name, pv, JsonValue::Kind::String)) return done(false);
        result.paths[name] = pv.text;
      }
    } else if (key == "cableSystems") {
      if (!check.expect(key, v, JsonValue::Kind::Object)) return done(false);
      for (const auto& [number, sv] : v.members) {
        int system = 0;
        const std::string path = "cableSystems." + number;
        if (!readNumberedKey(check, path, number, sv, 1, kCableSystemCount, system)) return done(false);
        if (!readCableSystem(check, path, system, sv, result)) return done(false);
      }
    } else if (key == "roadCosts") {
      if (!readRoadCosts(check, v, result)) return done(false);
    } else if (key == "crs") {
      if (!check.expect(key, v, JsonValue::Kind::String)) return done(false);
      result.crs = v.text;
    } else if (key == kLandingConstructionCost.name) {
      if (!check.expect(key, v, JsonValue::Kind::Object)) return done(false);
      for (const auto& [number, cv] : v.members) {
        int id = 0;
        const std::string path = key + "." + number;
        if (!readNumberedKey(check, path, number, cv, 1, kMaxLandings, id)) return done(false);
        if (!check.number(path, cv, kLandingConstructionCost.range)) return done(false);
        result.landingConstructionCosts[id] = static_cast<float>(cv.number);
      }
    } else if (key == "timberExits") {
      if (!check.expect(key, v, JsonValue::Kind::Array)) return done(false);
      if (v.items.size() > static_cast<std::size_t>(kMaxTimberExits))
        return done(check.fail(key, v, "at most 19 timber exits"));
      for (std::size_t i = 0; i < v.items.size(); ++i) {
        const JsonValue& e = v.items[i];
        const std::string path = key + "[" + std::to_string(i) + "]";
        if (!check.expect(path, e, JsonValue::Kind::Object)) return done(false);
        CellPoint cell;
        for (const auto& [name, cv] : e.members) {
          if (name != "col" && name != "row") return done(check.unknown(path, cv, name, "col, row"));
          if (!check.integer(path + "." + name, cv, 1, kMaxGridCells)) return done(false);
          (name == "col" ? cell.col : cell.row) = static_cast<int>(cv.number);
        }
        if (cell.col == 0 || cell.row == 0)
          return done(check.fail(path, e, "needs both col and row"));
        result.timberExits.push_back(cell);
      }
    } else if (key == "runs") {
      if (!check.expect(key, v, JsonValue::Kind::Object)) return done(false);
      for (const auto& [name, rv] : v.members) {
        bool* flag = name == "separate"    ? &result.runSeparate
                     : name == "allAtOnce" ? &result.runAllAtOnce
                     : name == "improve"   ? &result.runImprove
                                           : nullptr;
        if (flag == nullptr)
          return done(check.unknown("runs", rv, name, "separate, allAtOnce, improve"));
        if (!check.expect("runs." + name, rv, JsonValue::Kind::Bool)) return done(false);
        *flag = rv.boolean;
      }
    } else {
      return done(check.unknown("", v, key,
                                "$schema, workspaceRoot, crs, paths, cableSystems, roadCosts, "
                                "landingConstructionCosts, timberExits, runs"));
    }
  }
  settings = std::move(result);
  return true;
}

bool readProjectFile(const std::filesystem::path& projectDir, ProjectSettings& settings,
                     std::string& error) {
  const std::filesystem::path file = projectDir / "skyrig.json";
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    settings = ProjectSettings{};
    settings.workspaceRoot = projectDir;
    return true;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot read " + file.string();
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return parseProjectFile(text.str(), projectDir, settings, error);
}

void applyProjectSettings(const ProjectSettings& settings, CSkyrigDoc& doc, CSkyrigView& view) {
  doc.crsDefinition = settings.crs;
  for (const auto& [name, value] : settings.paths) {
    InputPaths& p = doc.paths;
    if (name == "dtmPath") p.dtmPath = value;
    if (name == "volumePath") p.volumePath = value;
    if (name == "streamPath") p.streamPath = value;
    if (name == "roadPath") p.roadPath = value;
    if (name == "boundaryPath") p.boundaryPath = value;
    if (name == "landingsPath") p.landingsPath = value;
    if (name == "cablewaysPath") p.cablewaysPath = value;
    if (name == "resultFilePath") view.resultFilePath = value;
  }
  for (const auto& [system, values] : settings.cableSystemValues) {
    CableSystemParams& params = doc.cableSystems[system];
    for (const auto& [name, value] : values) {
      if (const CableFlag* flag = cableFlagNamed(name)) params.*flag->member = value != 0.0;
      const CableParameter* p = cableParameterNamed(name);
      if (p == nullptr) continue;
      if (p->member != nullptr) params.*p->member = static_cast<float>(value);
      else params.maxIntSupports = static_cast<std::int32_t>(value);
    }
  }
  for (const auto& [system, name] : settings.cableSystemNames) doc.cableSystems[system].name = name;
  for (const RoadCostParameter& p : roadCostParameters()) {
    if (p.index < 0) {
      const auto value = settings.roadCostValues.find(p.name);
      if (value != settings.roadCostValues.end())
        roadCostField(doc.roadCosts, p.number) = static_cast<float>(value->second);
    } else {
      const auto row = settings.roadCostClasses.find(p.name);
      if (row != settings.roadCostClasses.end())
        roadCostField(doc.roadCosts, p.number) = row->second[static_cast<std::size_t>(p.index)];
    }
  }
  for (const auto& [id, cost] : settings.landingConstructionCosts)
    doc.landingConstructionCost[id] = cost;
}

}  // namespace skyrig
