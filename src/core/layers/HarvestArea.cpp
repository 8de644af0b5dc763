#include "layers/HarvestArea.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/MapRedraw.h"

namespace skyrig {

namespace {

constexpr Rgb kEraseColour{255, 255, 255};
constexpr float kVerticalSlope = 1.0e9f;
constexpr float kSteepSlope = 100000.0f;

int vertexCount(const CSkyrigDoc& doc) {
  return std::clamp<int>(doc.boundaryPointCount, 0, kMaxBoundaryPoints);
}

// Edge k runs from vertex k to vertex k + 1; the last edge closes on vertex 1.
void edgeEnds(const CSkyrigDoc& doc, int k, CellPoint& from, CellPoint& to) {
  from = doc.boundaryPoints[k];
  to = doc.boundaryPoints[k == vertexCount(doc) ? 1 : k + 1];
}

bool inTable(int c, int r) {
  return c >= 1 && c <= kMaxGridCells && r >= 1 && r <= kMaxGridCells;
}

void markCell(CSkyrigDoc& doc, int c, int r) {
  if (inTable(c, r)) doc.unitCellFlags(c, r) = 1;
}

// Membership of a cell; cells outside the table are non-members.
int memberAt(const CSkyrigDoc& doc, int c, int r) {
  return c >= 0 && c < kGridSlots && r >= 0 && r < kGridSlots && doc.unitCellFlags(c, r) == 1;
}

int membersAround(const CSkyrigDoc& doc, int c, int r) {
  int members = 0;
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr) members += memberAt(doc, c + dc, r + dr);
  return members;
}

UnitBox clippedToTable(const UnitBox& b) {
  return {std::max(b.minCol, 1), std::max(b.minRow, 1), std::min(b.maxCol, kMaxGridCells),
          std::min(b.maxRow, kMaxGridCells)};
}

void widen(UnitBox& box, int c, int r) {
  box.minCol = std::min(box.minCol, c);
  box.maxCol = std::max(box.maxCol, c);
  box.minRow = std::min(box.minRow, r);
  box.maxRow = std::max(box.maxRow, r);
}

}  // namespace

void markBoundaryOutline(CSkyrigDoc& doc) {
  for (int k = 1; k <= vertexCount(doc); ++k) {
    CellPoint p1, p2;
    edgeEnds(doc, k, p1, p2);
    float a = kVerticalSlope;
    float b = 0.0f;
    if (p1.col != p2.col) {
      a = static_cast<float>(p1.row - p2.row) / static_cast<float>(p1.col - p2.col);
      b = static_cast<float>(p2.row) - static_cast<float>(p2.col) * a;
    }
    const float steepness = std::fabs(a);
    const int colStep = p2.col >= p1.col ? 1 : -1;
    const int rowStep = p2.row >= p1.row ? 1 : -1;
    if (steepness <= 1.0f || steepness == 10000.0f) {
      for (int c = p1.col;; c += colStep) {
        markCell(doc, c, static_cast<int>(static_cast<float>(c) * a + b));
        if (c == p2.col) break;
      }
    } else if (steepness < 10000.0f) {
      for (int r = p1.row;; r += rowStep) {
        markCell(doc, static_cast<int>((static_cast<float>(r) - b) / a), r);
        if (r == p2.row) break;
      }
    } else {
      for (int r = p1.row;; r += rowStep) {
        markCell(doc, p2.col, r);
        if (r == p2.row) break;
      }
    }
  }
}

int boundaryCrossings(const CSkyrigDoc& doc, int c, int r, int centreCol, int centreRow) {
  float m = kVerticalSlope;
  float q = static_cast<float>(c);
  if (c != centreCol) {
    m = static_cast<float>(r - centreRow) / static_cast<float>(c - centreCol);
    q = static_cast<float>(centreRow) - static_cast<float>(centreCol) * m;
  }
  const float segMinCol = static_cast<float>(std::min(c, centreCol));
  const float segMaxCol = static_cast<float>(std::max(c, centreCol));
  const float segMinRow = static_cast<float>(std::min(r, centreRow));
  const float segMaxRow = static_cast<float>(std::max(r, centreRow));
  int crossings = 0;
  bool counted = false;
  float lastX = 0.0f, lastY = 0.0f;
  for (int k = 1; k <= vertexCount(doc); ++k) {
    CellPoint p1, p2;
    edgeEnds(doc, k, p1, p2);
    float a = kVerticalSlope;
    float b = static_cast<float>(p1.col);
    if (p1.col != p2.col) {
      a = static_cast<float>(p1.row - p2.row) / static_cast<float>(p1.col - p2.col);
      b = static_cast<float>(p2.row) - static_cast<float>(p2.col) * a;
    }
    const bool edgeSteep = a >= kSteepSlope;
    const bool segSteep = m >= kSteepSlope;
    float x = 0.0f, y = 0.0f;
    if (!edgeSteep && !segSteep) {
      if (m == a) continue;
      x = (b - q) / (m - a);
      y = m * x + q;
    } else if (edgeSteep && !segSteep) {
      x = b;
      y = m * x + q;
    } else if (segSteep && !edgeSteep) {
      x = q;
      y = x * a + b;
    } else {
      continue;
    }
    const bool onEdge = x >= static_cast<float>(std::min(p1.col, p2.col)) &&
                        x <= static_cast<float>(std::max(p1.col, p2.col)) &&
                        y >= static_cast<float>(std::min(p1.row, p2.row)) &&
                        y <= static_cast<float>(std::max(p1.row, p2.row));
    const bool onSegment = x >= segMinCol && x <= segMaxCol && y >= segMinRow && y <= segMaxRow;
    if (!onEdge || !onSegment) continue;
    if (counted && x == lastX && y == lastY) continue;
    ++crossings;
    counted = true;
    lastX = x;
    lastY = y;
  }
  return crossings;
}

PolygonSide boundarySide(const CSkyrigDoc& doc, int c, int r) {
  bool inside = false;
  for (int k = 1; k <= vertexCount(doc); ++k) {
    CellPoint p1, p2;
    edgeEnds(doc, k, p1, p2);
    const std::int64_t dc = p2.col - p1.col, dr = p2.row - p1.row;
    const std::int64_t cross = dc * (r - p1.row) - dr * (c - p1.col);
    if (cross == 0 && c >= std::min(p1.col, p2.col) && c <= std::max(p1.col, p2.col) &&
        r >= std::min(p1.row, p2.row) && r <= std::max(p1.row, p2.row))
      return PolygonSide::OnBoundary;
    // Half-open in rows so a vertex on the ray counts for exactly one of its two edges.
    if ((p1.row > r) != (p2.row > r)) {
      // The edge meets row r east of c exactly when cross has the sign of dr.
      if ((dr > 0 && cross > 0) || (dr < 0 && cross < 0)) inside = !inside;
    }
  }
  return inside ? PolygonSide::Inside : PolygonSide::Outside;
}

void fillAreaGaps(CSkyrigDoc& doc, const UnitBox& box) {
  const UnitBox b = clippedToTable(box);
  for (int c = b.minCol; c <= b.maxCol; ++c)
    for (int r = b.minRow; r <= b.maxRow; ++r)
      if (doc.unitCellFlags(c, r) != 1 && membersAround(doc, c, r) > 6)
        doc.unitCellFlags(c, r) = 1;
}

void trimAreaSpurs(CSkyrigDoc& doc, const UnitBox& box) {
  const UnitBox b = clippedToTable(box);
  for (int c = b.minCol; c <= b.maxCol; ++c)
    for (int r = b.minRow; r <= b.maxRow; ++r)
      if (doc.unitCellFlags(c, r) == 1 && 9 - membersAround(doc, c, r) > 6)
        doc.unitCellFlags(c, r) = 0;
}

void computeHarvestArea(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  const int vertices = vertexCount(doc);
  for (int k = 1; k <= vertices; ++k) {
    CellPoint p1, p2;
    edgeEnds(doc, k, p1, p2);
    if (isInsideGrid(doc, p1.col, p1.row) && isInsideGrid(doc, p2.col, p2.row))
      cellLine(doc, view, canvas, p1.col, p1.row, p2.col, p2.row, 5, kEraseColour);
  }

  doc.unitCellFlags.fill(0);
  UnitBox box{kGridSlots, kGridSlots, 0, 0};
  for (int r = 1; r <= doc.nrows; ++r) {
    for (int c = 1; c <= doc.ncols; ++c) {
      if (doc.harvestUnitGrid(c, r) == 0) continue;
      doc.unitCellFlags(c, r) = 1;
      widen(box, c, r);
    }
  }
  for (int k = 1; k <= vertices; ++k) widen(box, doc.boundaryPoints[k].col, doc.boundaryPoints[k].row);
  doc.unitBox = box;

  markBoundaryOutline(doc);

  const UnitBox scan = clippedToTable(box);
  const int centreCol = box.minCol + (box.maxCol - box.minCol) / 2;
  const int centreRow = box.minRow + (box.maxRow - box.minRow) / 2;
  // Counting crossings toward the centre tells inside from outside only when the centre is
  // itself inside; otherwise (L- or U-shaped units, degenerate polygons) test each cell.
  const bool centreInside = boundarySide(doc, centreCol, centreRow) == PolygonSide::Inside;
  for (int c = scan.minCol; c <= scan.maxCol; ++c) {
    for (int r = scan.minRow; r <= scan.maxRow; ++r) {
      const bool member = centreInside
                              ? boundaryCrossings(doc, c, r, centreCol, centreRow) % 2 == 0
                              : boundarySide(doc, c, r) != PolygonSide::Outside;
      if (member) doc.unitCellFlags(c, r) = 1;
    }
  }

  fillAreaGaps(doc, box);
  trimAreaSpurs(doc, box);
  view.drawingBoundary = 0;
}

void computeHarvestArea(AppContext& app) {
  computeHarvestArea(app.doc, app.view, app.canvas);
  redrawShownLayer(app);
}

}  // namespace skyrig
