#include "layers/StreamBuffer.h"

#include <algorithm>
#include <cstdint>

#include "document/CSkyrigDoc.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kStreamColour{0, 0, 150};
constexpr Rgb kBufferColour{0, 0, 250};
constexpr Rgb kRoadColour{0, 200, 250};

}  // namespace

void buildStreamBuffer(CSkyrigDoc& doc, int widthMetres) {
  doc.streamBufferWidth = static_cast<std::uint16_t>(widthMetres);
  doc.streamBufferGrid.fill(0);
  doc.volumeGrid = doc.volumeGridOriginal;
  if (doc.streamBufferWidth == 0) return;
  // Without a DTM there is no cell size and no stream cell to buffer.
  const int h = doc.cellSize < 1 ? 0 : (doc.streamBufferWidth / doc.cellSize) / 2;
  for (int c = 1; c <= doc.ncols; ++c) {
    for (int r = 1; r <= doc.nrows; ++r) {
      const std::uint16_t stream = doc.streamGrid(c, r);
      if (stream == 0) continue;
      for (int bc = std::max(c - h, 1); bc <= std::min(c + h, doc.ncols); ++bc) {
        for (int br = std::max(r - h, 1); br <= std::min(r + h, doc.nrows); ++br) {
          doc.streamBufferGrid(bc, br) = stream;
          doc.volumeGrid(bc, br) = 0.0f;
        }
      }
    }
  }
}

void drawStreamsAndBuffer(const CSkyrigDoc& doc, Canvas& canvas) {
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.streamBufferGrid(c, r) > 0)
        fillCell(doc, canvas, c, r, doc.streamGrid(c, r) > 0 ? kStreamColour : kBufferColour);
}

void drawRoadCells(const CSkyrigDoc& doc, Canvas& canvas) {
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.roadGrid(c, r) > 0) fillCell(doc, canvas, c, r, kRoadColour);
}

}  // namespace skyrig
