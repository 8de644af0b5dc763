#include "gis/SpatialReference.h"

#include <cpl_conv.h>
#include <ogr_spatialref.h>

#include "gis/GdalSetup.h"

namespace skyrig::gis {

namespace {

bool load(const std::string& wkt, OGRSpatialReference& crs) {
  return !wkt.empty() && crs.importFromWkt(wkt.c_str()) == OGRERR_NONE;
}

// "EPSG:26917" when the definition carries an authority code for the whole system.
std::string authorityCode(const OGRSpatialReference& crs) {
  const char* name = crs.GetAuthorityName(nullptr);
  const char* code = crs.GetAuthorityCode(nullptr);
  if (name == nullptr || code == nullptr) return {};
  return std::string(name) + ":" + code;
}

}  // namespace

std::string crsFromDefinition(const std::string& definition, std::string& wkt) {
  GdalErrorCapture errors;
  OGRSpatialReference crs;
  if (definition.find_first_not_of(" \t\r\n") == std::string::npos)
    return "the coordinate system is empty";
  if (crs.SetFromUserInput(definition.c_str()) != OGRERR_NONE || crs.IsEmpty()) {
    const std::string why = errors.text();
    return "GDAL does not know the coordinate system \"" + definition + "\"" +
           (why.empty() ? std::string() : " (" + why + ")");
  }
  char* text = nullptr;
  const char* options[] = {"FORMAT=WKT2_2019", nullptr};
  if (crs.exportToWkt(&text, options) != OGRERR_NONE || text == nullptr) {
    CPLFree(text);
    return "GDAL cannot express the coordinate system \"" + definition + "\" as WKT";
  }
  wkt = text;
  CPLFree(text);
  return {};
}

bool sameCrs(const std::string& wktA, const std::string& wktB) {
  GdalErrorCapture quiet;
  OGRSpatialReference a;
  OGRSpatialReference b;
  if (!load(wktA, a) || !load(wktB, b)) return wktA == wktB;
  const char* options[] = {"IGNORE_DATA_AXIS_TO_SRS_AXIS_MAPPING=YES", "CRITERION=EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS", nullptr};
  return a.IsSame(&b, options) != 0;
}

std::string crsLabel(const std::string& wkt) {
  if (wkt.empty()) return "none";
  GdalErrorCapture quiet;
  OGRSpatialReference crs;
  if (!load(wkt, crs)) return "unreadable";
  const char* name = crs.GetName();
  std::string label = name != nullptr ? name : "";
  const std::string code = authorityCode(crs);
  if (!code.empty()) return label + " (" + code + ")";
  // A system defined by its parameters alone (a PROJ string) has no name worth showing: its
  // definition says what it is.
  if (label.empty() || label == "unknown" || label == "unnamed") {
    char* proj = nullptr;
    std::string text;
    if (crs.exportToProj4(&proj) == OGRERR_NONE && proj != nullptr) text = proj;
    CPLFree(proj);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text.empty() ? "unnamed" : text;
  }
  return label;
}

std::string crsForCommand(const std::string& wkt) {
  GdalErrorCapture quiet;
  OGRSpatialReference crs;
  if (!load(wkt, crs)) return "'" + wkt + "'";
  const std::string code = authorityCode(crs);
  if (!code.empty()) return code;
  char* proj = nullptr;
  std::string text;
  if (crs.exportToProj4(&proj) == OGRERR_NONE && proj != nullptr) text = proj;
  CPLFree(proj);
  return "'" + text + "'";
}

}  // namespace skyrig::gis
