#include "app/ProjectSchema.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "document/Blanks.h"
#include "document/CSkyrigDoc.h"
#include "document/CableSystemTable.h"
#include "params/FieldText.h"
#include "document/RoadCostTable.h"
#include "document/SingleValueTable.h"

namespace skyrig {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kPathNames[] = {"dtmPath",      "volumePath",    "streamPath",
                                      "roadPath",     "boundaryPath",  "landingsPath",
                                      "cablewaysPath", "resultFilePath"};

// Whole numbers as integers, so that the schema reads "20", not "20.0".
Json numberValue(double value) {
  if (std::floor(value) == value && std::fabs(value) < 1e15)
    return static_cast<long long>(value);
  return std::stod(formatNumber(value));
}

// "Tower height (m)": the form label and unit.
std::string labelText(const char* label, const char* unit) {
  std::string text = trimmedBlanks(label);
  if (*unit != '\0') text += std::string(" (") + unit + ")";
  return text;
}

void addRange(Json& schema, const ParameterRange& formRange) {
  const ParameterRange range = projectFileRange(formRange);
  schema["minimum"] = numberValue(range.low);
  schema["maximum"] = numberValue(range.high);
}

// Cable system defaults: one value, or the generic one and those of systems 1 to 3.
std::string defaultsText(const CableDefaults& d) {
  if (d[0] == d[1] && d[0] == d[2] && d[0] == d[3]) return "default " + formatNumber(d[0]);
  return "default " + formatNumber(d[1]) + ", " + formatNumber(d[2]) + ", " + formatNumber(d[3]) +
         " for systems 1 to 3, " + formatNumber(d[0]) + " for systems 4 and 5";
}

Json cableSystemSchema() {
  Json properties;
  properties[kCableSystemNameKey] = {
      {"type", "string"},
      {"maxLength", kMaxCableSystemName},
      {"description", "blanks are removed; default MADILL6150, KOLLER-300, TY-290 for systems 1 "
                      "to 3, ? for systems 4 and 5"}};
  for (int number = 0; number < 48; ++number) {
    const CableParameter* p = cableParameter(number);
    if (p == nullptr) continue;
    Json field;
    field["type"] = p->kind == ParameterKind::Integer ? "integer" : "number";
    addRange(field, p->range);
    field["description"] = labelText(p->label, p->unit) + "; " + defaultsText(p->defaults);
    properties[p->name] = field;
  }
  for (const CableFlag& f : cableFlags()) {
    std::string text = std::string(f.label) + "; default ";
    text += f.defaults[1] ? "true for system 1, false for the others" : "false";
    properties[f.name] = {{"type", "boolean"}, {"description", text}};
  }
  return {{"type", "object"}, {"additionalProperties", false}, {"properties", properties}};
}

Json roadCostsSchema() {
  Json properties;
  for (int number = 0; number < kRoadCostFieldCount; ++number) {
    const RoadCostParameter& p = roadCostParameter(number);
    if (p.index > 0) continue;
    Json field;
    if (p.index < 0) {
      field["type"] = "number";
      addRange(field, p.range);
      field["default"] = numberValue(p.defaultValue);
      field["description"] = labelText(p.label, p.unit);
    } else {
      Json defaults = Json::array();
      std::string classes;
      for (int k = 0; k < 7; ++k) {
        const RoadCostParameter& c = roadCostParameter(number + k);
        defaults.push_back(numberValue(c.defaultValue));
        classes += (k == 0 ? "" : ", ") + std::string(c.label);
      }
      field["type"] = "array";
      Json items = {{"type", "number"}};
      addRange(items, p.range);
      field["items"] = items;
      field["minItems"] = 7;
      field["maxItems"] = 7;
      field["default"] = defaults;
      field["description"] = std::string(p.group) + ", multipliers of the classes " + classes;
    }
    properties[p.name] = field;
  }
  return {{"type", "object"}, {"additionalProperties", false}, {"properties", properties}};
}

// "^([1-9]|[1-8][0-9]|90)$" for 1..90: the decimal keys 1..max (max below 100).
std::string numberKeyPattern(int max) {
  if (max < 10) return "^[1-" + std::to_string(max) + "]$";
  const int tens = max / 10;
  const int ones = max % 10;
  std::string pattern = "^([1-9]";
  if (tens > 1) pattern += "|[1-" + std::to_string(tens - 1) + "][0-9]";
  pattern += "|" + std::to_string(tens) + (ones == 0 ? "0" : "[0-" + std::to_string(ones) + "]");
  return pattern + ")$";
}

Json cellSchema() {
  return {{"type", "integer"}, {"minimum", 1}, {"maximum", kMaxGridCells}};
}

}  // namespace

std::string projectFileSchema() {
  Json paths;
  for (const char* name : kPathNames) paths[name] = {{"type", "string"}};

  Json landingCost = {{"type", "number"}};
  addRange(landingCost, kLandingConstructionCost.range);
  landingCost["default"] = numberValue(kLandingConstructionCost.defaultValue);
  landingCost["description"] =
      labelText(kLandingConstructionCost.label, kLandingConstructionCost.unit);

  Json schema;
  schema["$schema"] = "https://json-schema.org/draft/2020-12/schema";
  schema["title"] = "Skyrig project file (skyrig.json)";
  schema["type"] = "object";
  schema["additionalProperties"] = false;
  Json& properties = schema["properties"];
  properties["$schema"] = {{"type", "string"}};
  properties["workspaceRoot"] = {
      {"type", "string"},
      {"description", "folder that the system paths E:/thesis/... map onto; relative to the "
                      "project folder; default the project folder"}};
  properties["crs"] = {
      {"type", "string"},
      {"description", "coordinate system of the layers: any definition GDAL accepts (an EPSG "
                      "code, WKT, a PROJ string); carried as written"}};
  properties["paths"] = {{"type", "object"}, {"additionalProperties", false}, {"properties", paths}};
  properties["cableSystems"] = {
      {"type", "object"},
      {"additionalProperties", false},
      {"patternProperties", {{numberKeyPattern(kCableSystemCount), cableSystemSchema()}}}};
  properties["roadCosts"] = roadCostsSchema();
  properties[kLandingConstructionCost.name] = {
      {"type", "object"},
      {"additionalProperties", false},
      {"patternProperties", {{numberKeyPattern(kMaxLandings), landingCost}}}};
  properties["timberExits"] = {
      {"type", "array"},
      {"maxItems", kMaxTimberExits},
      {"items",
       {{"type", "object"},
        {"additionalProperties", false},
        {"required", {"col", "row"}},
        {"properties", {{"col", cellSchema()}, {"row", cellSchema()}}}}}};
  properties["runs"] = {
      {"type", "object"},
      {"additionalProperties", false},
      {"properties",
       {{"separate",
         {{"type", "boolean"}, {"default", true}, {"description", "make the separate run"}}},
        {"allAtOnce",
         {{"type", "boolean"}, {"default", false}, {"description", "make the all-at-once run"}}},
        {"improve",
         {{"type", "boolean"},
          {"default", false},
          {"description", "improve the plan after the separate run"}}}}}};
  return schema.dump(2) + "\n";
}

}  // namespace skyrig
