// Rasters of any format GDAL reads (GeoTIFF, Erdas Imagine, VRT, ...): band 1 with its grid
// geometry and coordinate system, and the test that tells such a file from an ESRI ASCII grid,
// which keeps the program's own text reader.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace skyrig::gis {

struct GdalRaster {
  std::string driver;  // GDAL's short name of the format, e.g. "GTiff"
  int ncols = 0;
  int nrows = 0;
  int bandCount = 0;
  // Outer corner of the north-western cell and the cell extent, in the raster's CRS units.
  double westEdge = 0.0;
  double northEdge = 0.0;
  double cellWidth = 0.0;
  double cellHeight = 0.0;  // positive: rows run from north to south
  bool northUp = true;      // false: rotated, sheared or rows from south to north
  std::string crsWkt;       // "" when the file names no coordinate system
  // Band 1 row by row from the north, each row west to east; empty when the grid was larger
  // than the reader was asked to read.
  std::vector<double> values;

  double columnCentreX(int c) const { return westEdge + cellWidth * (c - 0.5); }  // c from 1
  double rowCentreY(int r) const { return northEdge - cellHeight * (r - 0.5); }   // r from 1
};

// True for a file that GDAL reads as some format other than the ESRI ASCII grid. False for an
// ESRI ASCII grid, and for anything GDAL does not recognise (the text reader reports on it).
bool isOtherGdalRaster(const std::filesystem::path& file);

// Opens `file` with GDAL and reads its geometry; reads band 1 into `values` only when both
// ncols and nrows are at most `maxColumnsRows`. Cells holding the band's no-data value, and NaN,
// become `noDataAs`. Returns "" or what is wrong, in words for the user.
std::string readGdalRaster(const std::filesystem::path& file, int maxColumnsRows,
                           double noDataAs, GdalRaster& raster);

}  // namespace skyrig::gis
