#include "document/GisRasterFile.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "seams/Paths.h"
#include "seams/Ui.h"
#include "gis/RasterSource.h"
#include "gis/SpatialReference.h"

namespace skyrig {

namespace {

bool fitsInt32(double v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

std::string metres(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10g", v);
  return text;
}

}  // namespace

bool isGisRasterFile(const Paths& paths, const std::string& systemPath) {
  return gis::isOtherGdalRaster(paths.resolve(systemPath));
}

std::string readGisRasterFile(const Paths& paths, const std::string& systemPath,
                              int maxColumnsRows, GisRasterFile& file) {
  gis::GdalRaster raster;
  const std::string problem =
      gis::readGdalRaster(paths.resolve(systemPath), maxColumnsRows, kNoDataValue, raster);
  if (!problem.empty()) return problem;
  file = GisRasterFile{};
  file.bandCount = raster.bandCount;
  file.driver = raster.driver;
  if (!raster.northUp)
    return "the grid is rotated or its rows do not run from north to south; warp it north up "
           "with: gdalwarp \"" + paths.resolve(systemPath).string() + "\" north-up.tif";
  if (raster.ncols > maxColumnsRows || raster.nrows > maxColumnsRows)
    return "the grid has " + std::to_string(raster.ncols) + " columns and " +
           std::to_string(raster.nrows) + " rows; at most " + std::to_string(maxColumnsRows) +
           " of each fit";
  const double size = raster.cellWidth;
  const double whole = std::round(size);
  // Cell sizes stored in floating point carry tiny errors; anything beyond them is refused.
  if (!std::isfinite(size) || !std::isfinite(raster.cellHeight) || whole < 1.0 ||
      whole > 1.0e6 || std::fabs(size - whole) > 1e-6 * whole ||
      std::fabs(raster.cellHeight - size) > 1e-6 * whole)
    return "its cells are " + metres(raster.cellWidth) + " by " + metres(raster.cellHeight) +
           " units; the grid needs square cells of whole metres (resample it with gdalwarp -tr)";
  if (!std::isfinite(raster.westEdge) || !std::isfinite(raster.northEdge))
    return "its georeference is not a number";
  const double xFirst = std::trunc(raster.columnCentreX(1));
  const double ySouth = std::trunc(raster.rowCentreY(raster.nrows));
  if (!fitsInt32(xFirst) || !fitsInt32(ySouth) ||
      !fitsInt32(xFirst + whole * raster.ncols) || !fitsInt32(ySouth + whole * raster.nrows))
    return "the cell coordinates do not fit 32 bits";

  file.header.ncols = raster.ncols;
  file.header.nrows = raster.nrows;
  file.header.xll = static_cast<std::int32_t>(xFirst);
  file.header.yll = static_cast<std::int32_t>(ySouth);
  file.header.cellSize = static_cast<std::int32_t>(whole);
  file.header.noData = static_cast<std::int32_t>(kNoDataValue);
  file.values = std::move(raster.values);
  file.georeference.crsWkt = raster.crsWkt;
  file.georeference.crsOrigin = raster.crsWkt.empty() ? "" : "the DTM file";
  file.georeference.westEdge = raster.westEdge;
  file.georeference.northEdge = raster.northEdge;
  file.georeference.cellSize = raster.cellWidth;
  file.georeference.fromDtmFile = true;
  return {};
}

void noteBandsRead(Ui& ui, const Paths& paths, const std::string& systemPath,
                   const GisRasterFile& file) {
  if (file.bandCount <= 1) return;
  ui.message(paths.resolve(systemPath).string() + " has " + std::to_string(file.bandCount) +
                 " bands; band 1 was read.",
             MessageIcon::Information);
}

std::string gdalwarpOntoDtm(const Georeference& dtm, int dtmColumns, int dtmRows,
                            const std::string& source, const char* resampling) {
  const double east = dtm.westEdge + dtm.cellSize * dtmColumns;
  const double south = dtm.northEdge - dtm.cellSize * dtmRows;
  std::string command = "gdalwarp";
  if (!dtm.crsWkt.empty()) command += " -t_srs " + gis::crsForCommand(dtm.crsWkt);
  command += " -tr " + metres(dtm.cellSize) + " " + metres(dtm.cellSize) + " -te " +
             metres(dtm.westEdge) + " " + metres(south) + " " + metres(east) + " " +
             metres(dtm.northEdge) + " -r " + resampling + " \"" + source + "\" \"" +
             std::filesystem::path(source).replace_extension("").string() + "-ondtm.tif\"";
  return command;
}

}  // namespace skyrig
