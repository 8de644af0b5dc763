#include "layers/ContourLines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "document/CSkyrigDoc.h"
#include "seams/Ui.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kContourColour{0, 0, 0};

// Per edge 1..4: its two corners as offsets from (c, r), the neighbour across it and the edge
// through which that neighbour is entered.
struct EdgeGeometry {
  int colA, rowA, colB, rowB;
  int stepCol, stepRow;
  int entryEdge;
};
constexpr EdgeGeometry kEdges[5] = {
    {0, 0, 0, 0, 0, 0, 0},
    {0, 0, 1, 0, 0, -1, 3},
    {1, 0, 1, 1, 1, 0, 4},
    {1, 1, 0, 1, 0, 1, 1},
    {0, 1, 0, 0, -1, 0, 2},
};

// Where the level crosses the edge between corners a and b, interpolated from the lower one,
// in drawing coordinates.
MapPoint crossingPoint(const CSkyrigDoc& doc, const CSkyrigView& view, const DtmCell* a,
                       const DtmCell* b, double level) {
  if (a->z > b->z) std::swap(a, b);
  const double t = (level - a->z) / (b->z - a->z);
  return groundToMap(doc, view, a->x + t * (b->x - a->x), a->y + t * (b->y - a->y));
}

void storeSegment(ContourStore& store, int c, int r, const ContourSegment& segment) {
  std::int16_t& count = store.count(c, r);
  store.slot(c, r, count) = segment;
  if (count < kMaxCountedContourSegments) ++count;
}

// Corner ranges of every cell the scan visits, laid out row by row as the scan runs.
void computeCornerRanges(const CSkyrigDoc& doc, LayersWorkArea& work) {
  work.contourCornerRanges.resize(static_cast<std::size_t>(kGridSlots) * kGridSlots);
  for (int c = 1; c <= doc.ncols - 1; ++c) {
    for (int r = 1; r <= doc.nrows - 1; ++r) {
      const int a = doc.dtm(c, r).z, b = doc.dtm(c + 1, r).z;
      const int d = doc.dtm(c + 1, r + 1).z, e = doc.dtm(c, r + 1).z;
      work.contourCornerRanges[static_cast<std::size_t>(r) * kGridSlots + c] = {
          std::min(std::min(a, b), std::min(d, e)), std::max(std::max(a, b), std::max(d, e))};
    }
  }
}

}  // namespace

int contourLevelCount(int maxElevation, int minElevation, int interval) {
  if (interval < 1) return 0;
  return (maxElevation - minElevation) / interval + 1;
}

int contourLevel(int minElevation, int interval, int k) { return minElevation + interval * k; }

bool traceContour(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas, int c, int r,
                  double level, int entryEdge) {
  LayersWorkArea& work = view.layers;
  const std::int32_t storedLevel = static_cast<std::int32_t>(level);
  for (;;) {
    if (work.contourVisited(c, r)) return false;
    if (c <= 1 || c >= doc.ncols || r <= 1 || r >= doc.nrows || doc.dtm(c, r).z < 0 ||
        work.contourStart(c, r)) {
      work.penX = -1;
      return false;
    }
    bool found = false;
    int exitEdge = 0;
    for (int edge = 1; edge <= 4 && exitEdge == 0; ++edge) {
      if (edge == entryEdge) continue;
      const EdgeGeometry& g = kEdges[edge];
      const DtmCell& a = doc.dtm(c + g.colA, r + g.rowA);
      const DtmCell& b = doc.dtm(c + g.colB, r + g.rowB);
      if (!((a.z < level && b.z > level) || (a.z > level && b.z < level))) continue;
      const MapPoint p = crossingPoint(doc, view, &a, &b, level);
      if (work.penX != -1) {
        canvas.line(work.penX, work.penY, p.x, p.y, 1, kContourColour, PenStyle::Solid);
        work.contourVisited(c, r) = 1;
        storeSegment(doc.contours, c, r, {work.penX, work.penY, p.x, p.y, storedLevel});
        work.penX = p.x;
        work.penY = p.y;
        exitEdge = edge;
      } else {
        work.penX = p.x;
        work.penY = p.y;
        work.contourStart(c, r) = 1;
        found = true;
      }
    }
    if (exitEdge == 0) {
      work.contourVisited(c, r) = 1;
      return found;
    }
    // Continue in the neighbour across the exit edge; its result is the result of the chain.
    c += kEdges[exitEdge].stepCol;
    r += kEdges[exitEdge].stepRow;
    entryEdge = kEdges[exitEdge].entryEdge;
  }
}

bool traceAllContours(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas, Ui& ui) {
  ContourStore& store = doc.contours;
  LayersWorkArea& work = view.layers;
  store.allocate();
  store.tracedMarker = -1;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) store.count(c, r) = 0;

  computeCornerRanges(doc, work);
  const int levels = contourLevelCount(doc.maxElevation, doc.minElevation, doc.contourInterval);
  for (int k = 1; k <= levels; ++k) {
    if (!ui.progress("Generating contour lines: level " + std::to_string(k) + " of " +
                     std::to_string(levels)))
      return false;
    // 0.1 m above the level keeps every corner elevation (whole metres) off the line.
    const double level = contourLevel(doc.minElevation, doc.contourInterval, k) + 0.1;
    work.contourVisited.fill(0);
    work.contourStart.fill(0);
    work.penX = -1;
    for (int r = 1; r <= doc.nrows - 1; ++r) {
      const CornerRange* ranges = &work.contourCornerRanges[static_cast<std::size_t>(r) * kGridSlots];
      for (int c = 1; c <= doc.ncols - 1; ++c) {
        // A cell the level does not cross would only be marked visited, and no chain can
        // enter it (chains enter through crossed edges), so it is skipped.
        if (!(ranges[c].low < level && level < ranges[c].high)) continue;
        traceContour(doc, view, canvas, c, r, level, 0);
        work.penX = -1;
      }
    }
  }
  store.tracedMarker = 0;
  return true;
}

void drawContourStore(const CSkyrigDoc& doc, Canvas& canvas) {
  const ContourStore& store = doc.contours;
  if (!store.allocated()) return;
  for (int r = 1; r <= doc.nrows - 1; ++r) {
    for (int c = 1; c <= doc.ncols - 1; ++c) {
      for (int k = 0; k < store.count(c, r); ++k) {
        const ContourSegment& s = store.slot(c, r, k);
        canvas.line(s.x1, s.y1, s.x2, s.y2, 1, kContourColour, PenStyle::Solid);
      }
    }
  }
}

}  // namespace skyrig
