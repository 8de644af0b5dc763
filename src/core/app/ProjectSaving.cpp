#include "app/ProjectSaving.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "document/CSkyrigDoc.h"
#include "document/LandingsFile.h"
#include "document/CableSystemParams.h"
#include "document/RoadCostParams.h"
#include "seams/OutputFile.h"
#include "seams/Paths.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

using Json = nlohmann::ordered_json;

// The shortest decimal that reads back as the same 32-bit float, so 0.1f is written "0.1".
Json number(float value) {
  char text[32];
  for (int digits = 6; digits <= 9; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) break;
  }
  return Json(std::strtod(text, nullptr));
}

std::string withoutBlanks(const std::string& name) {
  std::string out;
  for (char ch : name)
    if (ch != ' ') out += ch;
  return out;
}

// Sets `key` of `object` to `value`, or removes it when `value` is null; an object left empty
// is removed from its parent by the caller.
void setOrErase(Json& object, const std::string& key, Json value) {
  if (value.is_null() || (value.is_object() && value.empty()))
    object.erase(key);
  else
    object[key] = std::move(value);
}

Json pathsObject(const AppContext& app, const Json& previous) {
  const InputPaths defaults = defaultInputPaths();
  const InputPaths& p = app.doc.paths;
  const std::pair<const char*, std::pair<const std::string*, const std::string*>> entries[] = {
      {"dtmPath", {&p.dtmPath, &defaults.dtmPath}},
      {"volumePath", {&p.volumePath, &defaults.volumePath}},
      {"streamPath", {&p.streamPath, &defaults.streamPath}},
      {"roadPath", {&p.roadPath, &defaults.roadPath}},
      {"boundaryPath", {&p.boundaryPath, &defaults.boundaryPath}},
      {"landingsPath", {&p.landingsPath, &defaults.landingsPath}},
      {"cablewaysPath", {&p.cablewaysPath, &defaults.cablewaysPath}},
  };
  Json out = previous.is_object() ? previous : Json::object();
  for (const auto& [name, values] : entries)
    setOrErase(out, name, *values.first == *values.second ? Json() : Json(*values.first));
  setOrErase(out, "resultFilePath",
             app.view.resultFilePath == kDefaultResultFilePath ? Json()
                                                               : Json(app.view.resultFilePath));
  return out;
}

// Cable system fields by project-file name and field number.
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

Json cableSystemsObject(const AppContext& app, const Json& previous) {
  Json out = previous.is_object() ? previous : Json::object();
  for (int s = 1; s <= kCableSystemCount; ++s) {
    const CableSystemParams& params = app.doc.cableSystems[s];
    const CableSystemParams defaults = defaultCableSystem(s);
    const std::string key = std::to_string(s);
    Json system = out.contains(key) && out[key].is_object() ? out[key] : Json::object();
    for (const NamedField& field : kCableFields) {
      const float value = *cableSystemFloatField(params, field.number);
      const float preset = *cableSystemFloatField(defaults, field.number);
      setOrErase(system, field.name, value == preset ? Json() : number(value));
    }
    setOrErase(system, "maxIntSupports",
               params.maxIntSupports == defaults.maxIntSupports ? Json() : Json(params.maxIntSupports));
    const std::pair<const char*, bool> flags[] = {
        {"englishUnits", (params.englishUnits != 0) != (defaults.englishUnits != 0)},
        {"haulbackLine", (params.haulbackLine != 0) != (defaults.haulbackLine != 0)},
        {"downhillAvailable", (params.downhillAvailable != 0) != (defaults.downhillAvailable != 0)}};
    const bool values[] = {params.englishUnits != 0, params.haulbackLine != 0,
                           params.downhillAvailable != 0};
    for (int i = 0; i < 3; ++i)
      setOrErase(system, flags[i].first, flags[i].second ? Json(values[i]) : Json());
    const std::string name = withoutBlanks(params.name);
    setOrErase(system, "name", name == withoutBlanks(defaults.name) ? Json() : Json(name));
    setOrErase(out, key, system);
  }
  return out;
}

Json roadCostsObject(const AppContext& app, const Json& previous) {
  Json out = previous.is_object() ? previous : Json::object();
  const RoadCostParams& costs = app.doc.roadCosts;
  const RoadCostParams defaults;
  const std::pair<const char*, std::pair<float, float>> scalars[] = {
      {"haulingCost", {costs.haulingCost, defaults.haulingCost}},
      {"constructionCost", {costs.constructionCost, defaults.constructionCost}},
      {"gradeLimit", {costs.gradeLimit, defaults.gradeLimit}},
      {"sideSlopeLimit", {costs.sideSlopeLimit, defaults.sideSlopeLimit}},
      {"streamCrossingMultiplier", {costs.streamCrossingMultiplier, defaults.streamCrossingMultiplier}}};
  for (const auto& [name, values] : scalars)
    setOrErase(out, name, values.first == values.second ? Json() : number(values.first));
  const std::pair<const char*, std::pair<const std::array<float, 7>*, const std::array<float, 7>*>>
      rows[] = {{"gradeMultiplier", {&costs.gradeMultiplier, &defaults.gradeMultiplier}},
                {"sideSlopeMultiplier", {&costs.sideSlopeMultiplier, &defaults.sideSlopeMultiplier}}};
  for (const auto& [name, row] : rows) {
    Json values = Json::array();
    for (float v : *row.first) values.push_back(number(v));
    setOrErase(out, name, *row.first == *row.second ? Json() : values);
  }
  return out;
}

constexpr float kDefaultLandingConstructionCost = 5000.0f;  // $

Json landingCostsObject(const AppContext& app) {
  Json out = Json::object();
  for (int i = 1; i <= app.doc.landingCount && i <= kMaxLandings; ++i) {
    const float cost = app.doc.landingConstructionCost[i];
    if (cost != kDefaultLandingConstructionCost) out[std::to_string(i)] = number(cost);
  }
  return out;
}

Json timberExitsArray(const AppContext& app) {
  Json out = Json::array();
  for (int i = 1; i <= app.doc.timberExitCount && i <= kMaxTimberExits; ++i) {
    const auto& exit = app.doc.timberExits[static_cast<std::size_t>(i)];
    Json cell = Json::object();
    cell["col"] = exit.col;
    cell["row"] = exit.row;
    out.push_back(cell);
  }
  return out;
}

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

}  // namespace

bool projectFileText(const AppContext& app, const std::string& previousText,
                     const std::filesystem::path& projectDir, std::string& text,
                     std::string& error) {
  Json root = Json::object();
  if (!previousText.empty()) {
    root = Json::parse(previousText, nullptr, false);
    if (root.is_discarded() || !root.is_object()) {
      error = "the project file it replaces is not a JSON object";
      return false;
    }
  }
  const auto section = [&root](const char* key) {
    return root.contains(key) ? root[key] : Json();
  };
  if (sameFolder(app.paths.root(), projectDir))
    root.erase("workspaceRoot");
  else
    root["workspaceRoot"] = std::filesystem::absolute(app.paths.root()).lexically_normal().string();
  setOrErase(root, "paths", pathsObject(app, section("paths")));
  setOrErase(root, "cableSystems", cableSystemsObject(app, section("cableSystems")));
  setOrErase(root, "roadCosts", roadCostsObject(app, section("roadCosts")));
  setOrErase(root, "landingConstructionCosts", landingCostsObject(app));
  const Json exits = timberExitsArray(app);
  if (exits.empty())
    root.erase("timberExits");
  else
    root["timberExits"] = exits;
  text = root.dump(2) + "\n";
  return true;
}

std::filesystem::path projectLandingsFile(const AppContext& app) {
  return app.paths.resolve(app.doc.paths.landingsPath);
}

namespace {

// Opens the file's temporary and writes the text; false with the reason (nothing left behind).
bool writeWhole(OutputFile& file, const std::string& text, std::string& error) {
  if (!file) {
    error = "cannot write " + file.target().string() + ": " + file.error();
    return false;
  }
  std::fwrite(text.data(), 1, text.size(), file.get());
  return true;
}

bool commit(OutputFile& file, std::string& error) {
  if (file.commit()) return true;
  error = "cannot write " + file.target().string() + ": " + file.error();
  return false;
}

}  // namespace

bool saveProject(const AppContext& app, const std::filesystem::path& projectDir,
                 const std::string& previousText, SavedProject& saved, std::string& error) {
  std::string text;
  if (!projectFileText(app, previousText, projectDir, text, error)) return false;
  saved = {};
  saved.projectFile = projectDir / "skyrig.json";
  std::error_code ec;
  const std::filesystem::path landings = projectLandingsFile(app);
  const bool writeLandings = app.doc.landingCount > 0 || std::filesystem::exists(landings, ec);

  // Both files are written whole before either replaces its old version.
  OutputFile projectFile(saved.projectFile);
  if (!writeWhole(projectFile, text, error)) return false;
  OutputFile landingsFile;
  if (writeLandings) {
    landingsFile = OutputFile(landings);
    if (!writeWhole(landingsFile, landingsText(app.doc), error)) return false;
  }
  if (std::filesystem::exists(saved.projectFile, ec)) {
    saved.backup = projectDir / "skyrig.json.bak";
    std::filesystem::copy_file(saved.projectFile, saved.backup,
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
      error = "cannot keep the previous project file as " + saved.backup.string() + ": " +
              ec.message();
      return false;
    }
  }
  if (writeLandings) {
    if (!commit(landingsFile, error)) return false;
    saved.landingsFile = landings;
  }
  return commit(projectFile, error);
}

}  // namespace skyrig
