#include "view/MapLayers.h"

#include <algorithm>

#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr int kBoundaryLineWidth = 5;  // logical units (m)

bool isUnitCell(const CSkyrigDoc& doc, int c, int r) { return doc.harvestUnitGrid(c, r) > 0; }

// A unit cell is on the outline when it lies on the grid border or one of its eight
// neighbours is outside the unit.
bool isOnUnitOutline(const CSkyrigDoc& doc, int c, int r) {
  if (c == 1 || r == 1 || c == doc.ncols || r == doc.nrows) return true;
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr)
      if ((dc != 0 || dr != 0) && doc.harvestUnitGrid(c + dc, r + dr) < 1) return true;
  return false;
}

}  // namespace

int demClass(int z, int minElevation, int maxElevation) {
  if (maxElevation == minElevation) return 0;
  const double share = static_cast<double>(z - minElevation) / (maxElevation - minElevation);
  const int elevationClass = static_cast<int>(share * 100.0 / 3.4);
  // Cells outside the loaded range (edited grids) keep to the 30 elevation colours.
  return std::clamp(elevationClass, 0, 29);
}

int volumeClass(float volume) {
  if (volume <= 0.0f) return 10;
  if (volume <= 0.5f) return 0;
  if (volume <= 0.7f) return 2;
  if (volume <= 0.9f) return 4;
  if (volume <= 1.05f) return 6;
  return 9;
}

void showDem(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      const int z = doc.dtm(c, r).z;
      if (z > 0)
        fillCell(doc, canvas, c, r, view.palette[demClass(z, doc.minElevation, doc.maxElevation)]);
    }
  drawOverlay(doc, view, canvas);
  view.volumeShown = 0;
}

void showVolume(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.dtm(c, r).z > 0)
        fillCell(doc, canvas, c, r, view.palette[30 + volumeClass(doc.volumeGridOriginal(c, r))]);
  drawOverlay(doc, view, canvas);
  view.volumeShown = 1;
}

void drawOverlay(const CSkyrigDoc& doc, const CSkyrigView& view, Canvas& canvas) {
  const int pointCount = std::clamp<int>(doc.boundaryPointCount, 0, kMaxBoundaryPoints);
  if (pointCount > 0) {
    const auto& p = doc.boundaryPoints;
    for (int k = 1; k < pointCount; ++k)
      cellLine(doc, view, canvas, p[k].col, p[k].row, p[k + 1].col, p[k + 1].row,
               kBoundaryLineWidth, kBlack);
    cellLine(doc, view, canvas, p[pointCount].col, p[pointCount].row, p[1].col, p[1].row,
             kBoundaryLineWidth, kBlack);
    const int exitCount = std::clamp(doc.timberExitCount, 0, kMaxTimberExits);
    for (int e = 1; e <= exitCount; ++e)
      fillCell(doc, canvas, doc.timberExits[e].col, doc.timberExits[e].row, kGreen);
  }
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (isUnitCell(doc, c, r) && isOnUnitOutline(doc, c, r)) {
        const MapRect rect = cellRectangle(doc, c, r);
        canvas.frameRect(rect.left, rect.top, rect.right, rect.bottom, 0, kBlack);
      }
}

}  // namespace skyrig
