#include "document/OpenLayers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "document/FileMessages.h"
#include "document/GisRasterFile.h"
#include "document/LayerAlignment.h"
#include "document/RasterFile.h"
#include "document/WholeFile.h"
#include "gis/SpatialReference.h"
#include "seams/Paths.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

template <typename FileValue>
struct LayerRaster {
  RasterHeader header;
  std::vector<FileValue> values;  // row by row from the north, as in the file
  LayerOffsets offsets;
};

enum class LayerLoad {
  Read,     // read and aligned: ready to copy
  Stopped,  // empty path, unopenable file or other cell size: nothing to copy
  Refused   // the file is unusable: the document must stay as it was
};

// A layer file read through GDAL may be larger than the grid (it is cropped to the DTM), up to
// this many columns and rows.
constexpr int kMaxGisLayerCells = 4096;

float fileValue(double v, float) { return toFloat(v); }
std::int32_t fileValue(double v, std::int32_t) {
  constexpr double low = std::numeric_limits<std::int32_t>::min();
  constexpr double high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::trunc(std::clamp(v, low, high)));
}

// The GDAL counterpart of the text reader's steps: the same checks of cell size and overlap,
// and besides them the coordinate system, which an ESRI ASCII grid does not carry.
template <typename FileValue>
LayerLoad readGisLayer(const CSkyrigDoc& doc, const Paths& paths, Ui& ui, const std::string& path,
                       const char* resampling, LayerRaster<FileValue>& layer,
                       const RasterValueCheck<FileValue>& check) {
  GisRasterFile file;
  std::string problem = readGisRasterFile(paths, path, kMaxGisLayerCells, file);
  const std::string source = paths.resolve(path).string();
  std::vector<FileValue> values(file.values.size());
  for (std::size_t i = 0; i < file.values.size(); ++i)
    values[i] = fileValue(file.values[i], FileValue{});
  if (problem.empty()) problem = checkGisValues<FileValue>(file, values, check);
  if (!problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return LayerLoad::Refused;
  }
  const Georeference& dtm = doc.georeference;
  if (file.header.cellSize != doc.cellSize) {
    ui.message("Grid size is different from that of DTM. " + source + " has cells of " +
                   std::to_string(file.header.cellSize) + " m, the DTM of " +
                   std::to_string(doc.cellSize) + " m. This puts it onto the DTM's grid:\n" +
                   gdalwarpOntoDtm(dtm, doc.ncols, doc.nrows, source, resampling),
               MessageIcon::Exclamation);
    return LayerLoad::Stopped;
  }
  const std::string& crs = file.georeference.crsWkt;
  if (!crs.empty() && !dtm.crsWkt.empty() && !gis::sameCrs(crs, dtm.crsWkt)) {
    ui.message("The coordinate system of " + source + " (" + gis::crsLabel(crs) +
                   ") is not the DTM's (" + gis::crsLabel(dtm.crsWkt) +
                   "). This puts it onto the DTM's grid:\n" +
                   gdalwarpOntoDtm(dtm, doc.ncols, doc.nrows, source, resampling),
               MessageIcon::Exclamation);
    return LayerLoad::Refused;
  }
  const std::optional<LayerOffsets> offsets = alignLayer(doc, file.header);
  if (!offsets) {
    reportFileProblem(ui, paths, path, "the layer does not overlap the DTM");
    return LayerLoad::Refused;
  }
  layer.header = file.header;
  layer.offsets = *offsets;
  layer.values = std::move(values);
  noteBandsRead(ui, paths, path, file);
  return LayerLoad::Read;
}

template <typename FileValue>
LayerLoad readLayer(const CSkyrigDoc& doc, const Paths& paths, Ui& ui, const std::string& path,
                    const char* resampling, LayerRaster<FileValue>& layer,
                    const RasterValueCheck<FileValue>& check) {
  if (path.empty()) return LayerLoad::Stopped;
  if (isGisRasterFile(paths, path))
    return readGisLayer(doc, paths, ui, path, resampling, layer, check);
  std::string bytes;
  switch (readWholeFile(paths, path, bytes)) {
    case WholeFileResult::Ok:
      break;
    case WholeFileResult::CannotOpen:
      reportUnableToOpen(ui);
      return LayerLoad::Stopped;
    case WholeFileResult::ReadFailed:
      reportFileProblem(ui, paths, path, "the file could not be read to its end");
      return LayerLoad::Refused;
  }
  TextScanner scanner(bytes);
  std::string problem = readRasterHeader(scanner, layer.header);
  if (problem.empty()) problem = readRasterValues(scanner, layer.header, layer.values, check);
  if (!problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return LayerLoad::Refused;
  }
  if (layer.header.cellSize != doc.cellSize) {
    ui.message("Grid size is different from that of DTM.", MessageIcon::Exclamation);
    return LayerLoad::Stopped;
  }
  const std::optional<LayerOffsets> offsets = alignLayer(doc, layer.header);
  if (!offsets) {
    reportFileProblem(ui, paths, path, "the layer does not overlap the DTM");
    return LayerLoad::Refused;
  }
  layer.offsets = *offsets;
  return LayerLoad::Read;
}

// Every DTM cell (c, r) := layer cell (c + dc, r + dr), or 0 where the layer does not reach.
// Cells outside the DTM extent keep their contents.
template <typename FileValue, typename Cell, typename Convert>
void copyAligned(const CSkyrigDoc& doc, const LayerRaster<FileValue>& layer, Grid<Cell>& grid,
                 Convert convert) {
  const RasterHeader& h = layer.header;
  for (int c = 1; c <= doc.ncols; ++c) {
    const std::int64_t layerC = c + layer.offsets.dc;
    for (int r = 1; r <= doc.nrows; ++r) {
      const std::int64_t layerR = r + layer.offsets.dr;
      const bool inside = layerC >= 1 && layerC <= h.ncols && layerR >= 1 && layerR <= h.nrows;
      grid(c, r) =
          inside
              ? convert(
                    layer.values[static_cast<std::size_t>((layerR - 1) * h.ncols + (layerC - 1))])
              : Cell{0};
    }
  }
}

std::uint16_t markerValue(std::int32_t v) { return v < 0 ? 0 : static_cast<std::uint16_t>(v); }

// Marker cells hold 0 to 65535; negative values are the no-data marks and become 0.
std::string checkMarker(std::int32_t v) {
  return v > 65535 ? "is above 65535, the largest value a layer cell holds" : std::string();
}

// A cell's timber volume, m3. Negative values and NaN are no-data marks that become 0; an
// infinite or absurdly large volume can only be a mistake and would overflow the sums.
inline constexpr float kMaxCellVolume = 1.0e6f;
std::string checkVolume(float v) {
  return v > kMaxCellVolume ? "is not a cell volume (at most 1000000 m3)" : std::string();
}

// Reads a whole-number layer into grid; returns how the load ended.
LayerLoad openMarkerLayer(CSkyrigDoc& doc, const Paths& paths, Ui& ui, const std::string& path,
                          Grid<std::uint16_t>& grid) {
  LayerRaster<std::int32_t> layer;
  const LayerLoad load =
      readLayer<std::int32_t>(doc, paths, ui, path, "near", layer, checkMarker);
  if (load == LayerLoad::Read) copyAligned(doc, layer, grid, markerValue);
  return load;
}

}  // namespace

void openVolume(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  LayerRaster<float> layer;
  if (readLayer<float>(doc, paths, ui, doc.paths.volumePath, "sum", layer, checkVolume) !=
      LayerLoad::Read)
    return;
  // Negative volumes and NaN (no data) become 0.
  copyAligned(doc, layer, doc.volumeGridOriginal, [](float v) { return v >= 0.0f ? v : 0.0f; });
  doc.volumeGrid = doc.volumeGridOriginal;
}

void openStreams(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  openMarkerLayer(doc, paths, ui, doc.paths.streamPath, doc.streamGrid);
}

void openRoads(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  openMarkerLayer(doc, paths, ui, doc.paths.roadPath, doc.roadGrid);
}

void openHarvestUnitByFile(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  if (openMarkerLayer(doc, paths, ui, doc.paths.boundaryPath, doc.harvestUnitGrid) !=
      LayerLoad::Refused)
    markUnitCells(doc);
}

void markUnitCells(CSkyrigDoc& doc) {
  UnitBox box{kGridSlots, kGridSlots, 0, 0};
  for (int r = 1; r <= doc.nrows; ++r) {
    for (int c = 1; c <= doc.ncols; ++c) {
      if (doc.harvestUnitGrid(c, r) == 0) continue;
      doc.unitCellFlags(c, r) = 1;
      box.minCol = std::min(box.minCol, c);
      box.minRow = std::min(box.minRow, r);
      box.maxCol = std::max(box.maxCol, c);
      box.maxRow = std::max(box.maxRow, r);
    }
  }
  doc.unitBox = box;
}

}  // namespace skyrig
