// Writing GIS files safely: each file is written under a temporary name in its own folder and
// renamed over the target only when complete, so a failure never leaves a half-written file
// where a good one stood.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gis/FeatureLayers.h"

namespace skyrig::gis {

// The layers in one GeoPackage in coordinate system `crsWkt` ("" = none). Returns "" or what
// went wrong, naming the file.
std::string writeGeoPackage(const std::filesystem::path& file, const std::string& crsWkt,
                            const std::vector<FeatureLayer>& layers);

struct ClassColour {
  std::uint8_t red = 0, green = 0, blue = 0;
};

// A one-band byte GeoTIFF with a colour table (entry i colours class i; class 0 is no data).
// `classes` holds ncols x nrows values row by row from the north; westEdge and northEdge are
// the outer corner of the north-western cell.
std::string writeClassGeoTiff(const std::filesystem::path& file, const std::string& crsWkt,
                              double westEdge, double northEdge, double cellSize, int ncols,
                              int nrows, const std::vector<std::uint8_t>& classes,
                              const std::vector<ClassColour>& colours);

// Waypoints in a GPX file, transformed from `crsWkt` (which must not be empty) to WGS 84.
std::string writeGpxWaypoints(const std::filesystem::path& file, const std::string& crsWkt,
                              const std::vector<Waypoint>& waypoints);

}  // namespace skyrig::gis
