#include "app/ProjectFile.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "app/Json.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

constexpr const char* kPathNames[] = {"dtmPath",      "volumePath",    "streamPath",
                                      "roadPath",     "boundaryPath",  "landingsPath",
                                      "cablewaysPath", "resultFilePath"};

// Cable system fields by name: the float field numbers of the parameter set.
struct NamedField {
  const char* name;
  int number;
};
constexpr NamedField kCableFields[] = {
    {"maxYardingDistance", 0},        {"maxLateralYardingDistance", 1},
    {"towerHeight", 2},               {"intSupportHeight", 3},
    {"maxSparTreeHeight", 4},         {"minSparTreeHeight", 5},
    {"maxSkylineTension", 6},         {"maxMainlineTension", 7},
    {"skylineUnitWeight", 8},         {"mainlineUnitWeight", 9},
    {"haulbackUnitWeight", 10},       {"carriageWeight", 11},
    {"effectiveChokerLength", 12},    {"carriageDepth", 13},
    {"logLength", 14},                {"logDiameter", 15},
    {"logToGroundAngle", 16},         {"frictionCoefficient", 17},
    {"groundClearance", 18},          {"allowableDeflection", 19},
    {"slopeLimitWithoutHaulback", 20}, {"maxSlopeChange", 21},
    {"woodDensity", 24},              {"powerEfficiency", 25},
    {"enginePower", 26},              {"hookTime", 27},
    {"riggingCost", 28},              {"unhookTime", 29},
    {"hourlyCost", 30},               {"delayPercent", 31},
    {"fellingCost", 32},              {"moveInCost", 33},
    {"initialSetupHours", 34},        {"roadChangeHours", 35},
    {"maxPayloadPerTurn", 36},        {"minPayloadPerTurn", 37},
    {"loadFactor", 38},               {"maxSpeedPartialSuspension", 39},
    {"maxSpeedFullSuspension", 40},   {"avgOuthaulSpeed", 41},
    {"lateralYardingSpeed", 42},      {"beyondLateralZoneMultiplier", 43},
    {"lateralMultiplierFirstThird", 44}, {"lateralMultiplierSecondThird", 45},
    {"lateralMultiplierLastThird", 46}, {"giveUpDistance", 47},
};
constexpr const char* kCableFlags[] = {"englishUnits", "haulbackLine", "downhillAvailable"};

struct Range {
  const char* name;
  double low;
  double high;
};
// The ranges the parameter forms enforce.
constexpr Range kCableRanges[] = {{"maxIntSupports", 0, 20},
                                  {"beyondLateralZoneMultiplier", 1, 1000000},
                                  {"giveUpDistance", 0, 1000000},
                                  {"delayPercent", 0, 100}};

constexpr const char* kRoadScalars[] = {"haulingCost", "constructionCost", "gradeLimit",
                                        "sideSlopeLimit", "streamCrossingMultiplier"};

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
  bool number(const std::string& path, const JsonValue& v, double low, double high) {
    if (!expect(path, v, JsonValue::Kind::Number)) return false;
    if (!std::isfinite(v.number) || v.number < low || v.number > high) {
      std::ostringstream out;
      out << "must be a number between " << low << " and " << high;
      return fail(path, v, out.str());
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

constexpr double kHuge = 1.0e30;

bool readCableSystem(Checker& check, const std::string& path, int system, const JsonValue& obj,
                     ProjectSettings& settings) {
  if (!check.expect(path, obj, JsonValue::Kind::Object)) return false;
  for (const auto& [key, v] : obj.members) {
    const std::string keyPath = path + "." + key;
    if (key == "name") {
      if (!check.expect(keyPath, v, JsonValue::Kind::String)) return false;
      std::string name;
      for (char ch : v.text)
        if (ch != ' ') name += ch;
      if (name.size() > 20) return check.fail(keyPath, v, "at most 20 characters");
      settings.cableSystemNames[system] = name;
      continue;
    }
    if (key == "maxIntSupports") {
      if (!check.integer(keyPath, v, 0, 20)) return false;
      settings.cableSystemValues[system][key] = v.number;
      continue;
    }
    bool isFlag = false;
    for (const char* flag : kCableFlags) isFlag = isFlag || key == flag;
    if (isFlag) {
      if (!check.expect(keyPath, v, JsonValue::Kind::Bool)) return false;
      settings.cableSystemValues[system][key] = v.boolean ? 1.0 : 0.0;
      continue;
    }
    bool known = false;
    for (const NamedField& f : kCableFields) known = known || key == f.name;
    if (!known)
      return check.unknown(path, v, key,
                           "name, maxIntSupports, englishUnits, haulbackLine, downhillAvailable "
                           "and the numeric fields such as towerHeight");
    double low = -kHuge, high = kHuge;
    for (const Range& r : kCableRanges)
      if (key == r.name) low = r.low, high = r.high;
    if (!check.number(keyPath, v, low, high)) return false;
    settings.cableSystemValues[system][key] = v.number;
  }
  return true;
}

bool readRoadCosts(Checker& check, const JsonValue& obj, ProjectSettings& settings) {
  if (!check.expect("roadCosts", obj, JsonValue::Kind::Object)) return false;
  for (const auto& [key, v] : obj.members) {
    const std::string keyPath = "roadCosts." + key;
    if (key == "gradeMultiplier" || key == "sideSlopeMultiplier") {
      if (!check.expect(keyPath, v, JsonValue::Kind::Array)) return false;
      if (v.items.size() != 7) return check.fail(keyPath, v, "needs exactly 7 numbers");
      std::array<float, 7> row{};
      for (std::size_t i = 0; i < 7; ++i) {
        if (!check.number(keyPath + "[" + std::to_string(i) + "]", v.items[i], -kHuge, kHuge))
          return false;
        row[i] = static_cast<float>(v.items[i].number);
      }
      settings.roadCostClasses[key] = row;
      continue;
    }
    bool known = false;
    for (const char* name : kRoadScalars) known = known || key == name;
    if (!known)
      return check.unknown("roadCosts", v, key,
                           "haulingCost, gradeMultiplier, constructionCost, sideSlopeMultiplier, "
                           "gradeLimit, sideSlopeLimit, streamCrossingMultiplier");
    const double low = key == "streamCrossingMultiplier" ? 1 : -kHuge;
    const double high = key == "streamCrossingMultiplier" ? 10000000 : kHuge;
    if (!check.number(keyPath, v, low, high)) return false;
    settings.roadCostValues[key] = v.number;
  }
  return true;
}

bool readNumberedObject(Checker& check, const std::string& path, const JsonValue& v, int low,
                        int high, int& number) {
  char* end = nullptr;
  const std::string key = path.substr(path.rfind('.') + 1);  // outlives `end`
  const long n = std::strtol(key.c_str(), &end, 10);
  if (*end != '\0' || n < low || n > high)
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
        if (!readNumberedObject(check, path, sv, 1, kCableSystemCount, system)) return done(false);
        if (!readCableSystem(check, path, system, sv, result)) return done(false);
      }
    } else if (key == "roadCosts") {
      if (!readRoadCosts(check, v, result)) return done(false);
    } else if (key == "landingConstructionCosts") {
      if (!check.expect(key, v, JsonValue::Kind::Object)) return done(false);
      for (const auto& [number, cv] : v.members) {
        int id = 0;
        const std::string path = key + "." + number;
        if (!readNumberedObject(check, path, cv, 1, kMaxLandings, id)) return done(false);
        if (!check.number(path, cv, 0, 100000000)) return done(false);
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
        if (name != "separate" && name != "allAtOnce" && name != "improve")
          return done(check.unknown("runs", rv, name, "separate, allAtOnce, improve"));
        if (!check.expect("runs." + name, rv, JsonValue::Kind::Bool)) return done(false);
        (name == "separate"    ? result.runSeparate
         : name == "allAtOnce" ? result.runAllAtOnce
                               : result.runImprove) = rv.boolean;
      }
    } else {
      return done(check.unknown("", v, key,
                                "$schema, workspaceRoot, paths, cableSystems, roadCosts, "
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
      if (name == "maxIntSupports") params.maxIntSupports = static_cast<std::int32_t>(value);
      if (name == "englishUnits") params.englishUnits = value != 0.0;
      if (name == "haulbackLine") params.haulbackLine = value != 0.0;
      if (name == "downhillAvailable") params.downhillAvailable = value != 0.0;
      for (const NamedField& f : kCableFields)
        if (name == f.name) *cableSystemFloatField(params, f.number) = static_cast<float>(value);
    }
  }
  for (const auto& [system, name] : settings.cableSystemNames) doc.cableSystems[system].name = name;
  RoadCostParams& road = doc.roadCosts;
  for (const auto& [name, value] : settings.roadCostValues) {
    const float f = static_cast<float>(value);
    if (name == "haulingCost") road.haulingCost = f;
    if (name == "constructionCost") road.constructionCost = f;
    if (name == "gradeLimit") road.gradeLimit = f;
    if (name == "sideSlopeLimit") road.sideSlopeLimit = f;
    if (name == "streamCrossingMultiplier") road.streamCrossingMultiplier = f;
  }
  for (const auto& [name, row] : settings.roadCostClasses)
    (name == "gradeMultiplier" ? road.gradeMultiplier : road.sideSlopeMultiplier) = row;
  for (const auto& [id, cost] : settings.landingConstructionCosts)
    doc.landingConstructionCost[id] = cost;
}

}  // namespace skyrig
