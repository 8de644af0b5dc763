#include "document/OpenDtm.h"

#include <limits>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "document/FileMessages.h"
#include "document/GisRasterFile.h"
#include "document/RasterFile.h"
#include "document/WholeFile.h"
#include "gis/SpatialReference.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

void resetElevationExtremes(CSkyrigDoc& doc) {
  doc.maxElevation = -9999;
  doc.minElevation = 9999;
}

void resetUnitBoxAndStreams(CSkyrigDoc& doc) {
  doc.unitBox = {1, 1, doc.ncols, doc.nrows};
  doc.streamGrid.fill(0);
  doc.streamBufferGrid.fill(0);
}

bool fitsInt32(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

// True when v truncated toward zero is a 32-bit integer (false for NaN and infinities).
bool truncatesToInt32(float v) { return v >= -2147483648.0f && v < 2147483648.0f; }

// Checks the header; returns what is wrong, or an empty string.
std::string checkDtmHeader(const RasterHeader& header) {
  if (header.ncols > kMaxGridCells || header.nrows > kMaxGridCells)
    return "the grid has " + std::to_string(header.ncols) + " columns and " +
           std::to_string(header.nrows) + " rows; at most " + std::to_string(kMaxGridCells) +
           " of each fit";
  if (header.cellSize < 1)
    return "the cell size is " + std::to_string(header.cellSize) + " m; it must be at least 1 m";
  if (!fitsInt32(header.columnX(header.ncols)) || !fitsInt32(header.rowY(1)))
    return "the cell coordinates do not fit 32 bits";
  return {};
}

// An elevation is a finite whole-metre number; a cell holding the header's no-data value has
// none, and the analyses would take it for a pit that deep.
std::string checkElevation(float v, std::int32_t noData) {
  if (!truncatesToInt32(v)) return "is not an elevation";
  if (v == static_cast<float>(noData))
    return "is the no-data value " + std::to_string(noData) +
           ": the terrain needs an elevation in every cell";
  return {};
}

void commitDtm(CSkyrigDoc& doc, const RasterHeader& header, const std::vector<float>& values) {
  resetElevationExtremes(doc);
  doc.ncols = header.ncols;
  doc.nrows = header.nrows;
  doc.xll = header.xll;
  doc.yll = header.yll;
  doc.cellSize = header.cellSize;
  doc.xMax = doc.xll + doc.cellSize * (doc.ncols - 1);
  doc.yMax = doc.yll + doc.cellSize * (doc.nrows - 1);
  // Cells column by column, the order the grid is stored in.
  for (int c = 1; c <= doc.ncols; ++c) {
    const std::int32_t x = cellX(doc, c);
    const float* v = values.data() + (c - 1);
    for (int r = 1; r <= doc.nrows; ++r, v += doc.ncols)
      doc.dtm(c, r) = {x, cellY(doc, r), static_cast<std::int32_t>(*v)};
  }
  // Extremes in file order; each value is compared with the stored whole-metre extremes.
  for (const float v : values) {
    if (v > static_cast<float>(doc.maxElevation)) doc.maxElevation = static_cast<std::int32_t>(v);
    if (v < static_cast<float>(doc.minElevation) && v >= 0.0f)
      doc.minElevation = static_cast<std::int32_t>(v);
  }
}

// An ESRI ASCII grid's cell coordinates are its cell centres; its coordinate system is the
// project's "crs", when one is given and GDAL knows it.
void setTextGridGeoreference(CSkyrigDoc& doc, Ui& ui) {
  Georeference& g = doc.georeference;
  g = Georeference{};
  g.westEdge = doc.xll - doc.cellSize / 2.0;
  g.northEdge = doc.yMax + doc.cellSize / 2.0;
  g.cellSize = doc.cellSize;
  if (doc.crsDefinition.empty()) return;
  const std::string problem = gis::crsFromDefinition(doc.crsDefinition, g.crsWkt);
  if (!problem.empty()) {
    g.crsWkt.clear();
    ui.message("The project's coordinate system (\"crs\" in skyrig.json): " + problem +
                   ". The terrain is loaded without one; the plan's GIS files carry none.",
               MessageIcon::Exclamation);
    return;
  }
  g.crsOrigin = "skyrig.json";
}

// A DTM in a format other than the ESRI ASCII grid, read through GDAL; refused as a whole (with
// a message) or committed like the text reader's.
void openDtmThroughGdal(CSkyrigDoc& doc, const Paths& paths, Ui& ui, const std::string& path) {
  GisRasterFile file;
  std::string problem = readGisRasterFile(paths, path, kMaxGridCells, file);
  if (problem.empty()) problem = checkDtmHeader(file.header);
  std::vector<float> values(file.values.size());
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = toFloat(file.values[i]);
  if (problem.empty())
    problem = checkGisValues<float>(file, values, [](float v) {
      return checkElevation(v, static_cast<std::int32_t>(kNoDataValue));
    });
  if (!problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return;
  }
  commitDtm(doc, file.header, values);
  resetUnitBoxAndStreams(doc);
  doc.georeference = file.georeference;
  noteBandsRead(ui, paths, path, file);
}

}  // namespace

void openDtm(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  const std::string path = doc.paths.dtmPath;
  if (path.empty()) {
    resetElevationExtremes(doc);
    resetUnitBoxAndStreams(doc);
    return;
  }
  if (isGisRasterFile(paths, path)) {
    openDtmThroughGdal(doc, paths, ui, path);
    return;
  }
  // A file that cannot be opened or read changes nothing: the terrain and the stream layers
  // already loaded stay.
  std::string bytes;
  switch (readWholeFile(paths, path, bytes)) {
    case WholeFileResult::Ok:
      break;
    case WholeFileResult::CannotOpen:
      reportUnableToOpen(ui);
      return;
    case WholeFileResult::ReadFailed:
      reportFileProblem(ui, paths, path, "the file could not be read to its end");
      return;
  }

  TextScanner scanner(bytes);
  RasterHeader header;
  std::vector<float> values;
  std::string problem = readRasterHeader(scanner, header);
  if (problem.empty()) problem = checkDtmHeader(header);
  if (problem.empty())
    problem = readRasterValues(scanner, header, values,
                               [&](float v) { return checkElevation(v, header.noData); });
  if (!problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return;
  }
  commitDtm(doc, header, values);
  resetUnitBoxAndStreams(doc);
  setTextGridGeoreference(doc, ui);
}

}  // namespace skyrig
