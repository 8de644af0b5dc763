// Layer files in formats other than the ESRI ASCII grid (GeoTIFF, Erdas Imagine, VRT, ...),
// read through GDAL into the text reader's terms: the header's whole-metre grid geometry and
// the values in file order, so that alignment, value rules and capacities stay the same.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "document/Georeference.h"
#include "document/RasterFile.h"

namespace skyrig {

class Paths;
class Ui;

// The value a no-data cell takes, as the ESRI ASCII grids of the system write it.
inline constexpr double kNoDataValue = -9999.0;

struct GisRasterFile {
  // ncols, nrows, cellSize; xll and yll are the centres of column 1 and of the southern row,
  // truncated toward zero to whole metres, as the text reader drops fractions.
  RasterHeader header;
  std::vector<double> values;  // band 1, row by row from the north; no-data as kNoDataValue
  Georeference georeference;   // exact corner, cell size and coordinate system of the file
  int bandCount = 0;
  std::string driver;
};

// True when the file at systemPath is a raster GDAL reads in a format other than the ESRI
// ASCII grid; such files go through readGisRasterFile, all others through the text reader.
bool isGisRasterFile(const Paths& paths, const std::string& systemPath);

// Reads the file; "" or what is wrong (unreadable, rotated, cells that are not square whole
// metres, over maxColumnsRows columns or rows, coordinates beyond 32 bits).
std::string readGisRasterFile(const Paths& paths, const std::string& systemPath,
                              int maxColumnsRows, GisRasterFile& file);

// A cell value as float: values beyond float's range become infinite (a float cast of them would
// be undefined), which the loaders' checks then refuse.
inline float toFloat(double v) {
  constexpr double kLargest = 3.4028234663852886e38;  // FLT_MAX
  if (v > kLargest) return std::numeric_limits<float>::infinity();
  if (v < -kLargest) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

// Passes each value (in file order) to `check`; "" or "value i (row r, column c) <what check
// says>" for the first it refuses.
template <typename T>
std::string checkGisValues(const GisRasterFile& file, const std::vector<T>& values,
                           const RasterValueCheck<T>& check) {
  if (!check) return {};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string problem = check(values[i]);
    if (problem.empty()) continue;
    const std::size_t ncols = static_cast<std::size_t>(file.header.ncols);
    return "value " + std::to_string(i + 1) + " (row " + std::to_string(i / ncols + 1) +
           ", column " + std::to_string(i % ncols + 1) + ") " + problem;
  }
  return {};
}

// Shows, when the file has several bands, that band 1 was read (information icon).
void noteBandsRead(Ui& ui, const Paths& paths, const std::string& systemPath,
                   const GisRasterFile& file);

// The gdalwarp command that puts `source` onto the DTM's grid (and coordinate system, when it
// has one); `resampling` is GDAL's method name ("near", "average", ...).
std::string gdalwarpOntoDtm(const Georeference& dtm, int dtmColumns, int dtmRows,
                            const std::string& source, const char* resampling);

}  // namespace skyrig
