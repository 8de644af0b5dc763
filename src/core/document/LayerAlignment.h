// Places a layer raster on the DTM grid: the offsets that map DTM cell (c, r) to layer cell
// (c + dc, r + dr), found by matching the first row and column coordinates within half a cell.
#pragma once

#include <optional>

#include "document/RasterFile.h"

namespace skyrig {

struct CSkyrigDoc;

struct LayerOffsets {
  int dc = 0;
  int dr = 0;
  friend bool operator==(const LayerOffsets&, const LayerOffsets&) = default;
};

// Tolerance h = cellSize / 2 (truncated), distances in whole metres. If the layer's first row
// lies on or south of the DTM's first row, the first DTM row within h of it gives dr = 1 - r;
// otherwise the first layer row within h of the DTM's first row gives dr = r' - 1. Columns
// likewise, with "on or east of" the DTM's first column. Empty when no row or no column
// matches (the layer does not overlap the DTM).
std::optional<LayerOffsets> alignLayer(const CSkyrigDoc& doc, const RasterHeader& layer);

}  // namespace skyrig
