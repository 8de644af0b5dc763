// Coordinate systems as WKT text: parsed from what a user writes (EPSG code, PROJ string, WKT),
// compared, and named for messages and for the gdalwarp commands the messages suggest.
#pragma once

#include <string>

namespace skyrig::gis {

// Parses any definition GDAL accepts ("EPSG:26917", "+proj=utm +zone=17 ...", WKT) into WKT.
// Returns "" or what is wrong.
std::string crsFromDefinition(const std::string& definition, std::string& wkt);

// True when both name the same coordinate system (same datum, projection and units).
bool sameCrs(const std::string& wktA, const std::string& wktB);

// "NAD83 / UTM zone 17N (EPSG:26917)", or the name alone; "none" for an empty WKT.
std::string crsLabel(const std::string& wkt);

// The shortest form gdalwarp takes: "EPSG:26917", or the PROJ string in single quotes.
std::string crsForCommand(const std::string& wkt);

}  // namespace skyrig::gis
