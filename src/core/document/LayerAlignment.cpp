#include "document/LayerAlignment.h"

#include <cstdint>

#include "document/CSkyrigDoc.h"

namespace skyrig {

namespace {

bool within(std::int64_t a, std::int64_t b, std::int64_t h) { return (a > b ? a - b : b - a) <= h; }

}  // namespace

std::optional<LayerOffsets> alignLayer(const CSkyrigDoc& doc, const RasterHeader& layer) {
  const std::int64_t h = doc.cellSize / 2;
  std::optional<int> dr;
  const std::int64_t layerTop = layer.rowY(1);
  const std::int64_t dtmTop = doc.yMax;
  if (layerTop <= dtmTop) {
    for (int r = 1; r <= doc.nrows && !dr; ++r)
      if (within(layerTop, cellY(doc, r), h)) dr = 1 - r;
  } else {
    for (std::int64_t r = 1; r <= layer.nrows && !dr; ++r)
      if (within(layer.rowY(r), dtmTop, h)) dr = static_cast<int>(r - 1);
  }

  std::optional<int> dc;
  const std::int64_t layerLeft = layer.columnX(1);
  const std::int64_t dtmLeft = doc.xll;
  if (layerLeft >= dtmLeft) {
    for (int c = 1; c <= doc.ncols && !dc; ++c)
      if (within(layerLeft, cellX(doc, c), h)) dc = 1 - c;
  } else {
    for (std::int64_t c = 1; c <= layer.ncols && !dc; ++c)
      if (within(layer.columnX(c), dtmLeft, h)) dc = static_cast<int>(c - 1);
  }

  if (!dr || !dc) return std::nullopt;
  return LayerOffsets{*dc, *dr};
}

}  // namespace skyrig
