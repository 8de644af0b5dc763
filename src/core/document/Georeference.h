// Where the grid lies on the earth, for the plan's GIS exports: the DTM's coordinate system and
// the exact outer corner of its north-western cell. Planning itself uses the whole-metre cell
// coordinates of the grid geometry.
#pragma once

#include <string>

namespace skyrig {

struct Georeference {
  std::string crsWkt;       // "" = the DTM has no coordinate system
  std::string crsOrigin;    // where it came from ("the DTM file", "skyrig.json"), for the summary
  double westEdge = 0.0;    // outer west edge of column 1
  double northEdge = 0.0;   // outer north edge of row 1
  double cellSize = 0.0;    // m (or the CRS's unit)
  bool fromDtmFile = false; // read by GDAL (exact corner) rather than from an ASCII header
};

}  // namespace skyrig
