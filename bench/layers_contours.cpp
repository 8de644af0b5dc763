// Contour tracing of a 699 x 699 DTM at intervals of 10 m and 1 m: seconds and segments.
// Baseline, measured in the same run: the same tracer started on every cell of every level,
// where the program starts it only on the cells a level crosses.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

#include "document/CSkyrigDoc.h"
#include "layers/ContourLines.h"
#include "seams/ScriptedUi.h"
#include "view/CSkyrigView.h"

using namespace skyrig;

namespace {

// Rolling terrain from 500 to about 1200 m: two crossing valleys and a ridge.
void makeTerrain(CSkyrigDoc& doc) {
  const int n = 699;
  doc.ncols = doc.nrows = n;
  doc.cellSize = 10;
  doc.xll = 500000;
  doc.yll = 4000000;
  doc.xMax = doc.xll + 10 * (n - 1);
  doc.yMax = doc.yll + 10 * (n - 1);
  doc.minElevation = 9999;
  doc.maxElevation = -9999;
  for (int c = 1; c <= n; ++c) {
    for (int r = 1; r <= n; ++r) {
      const double u = c / 60.0, v = r / 45.0;
      const int z = static_cast<int>(850 + 200 * std::sin(u) * std::cos(v) +
                                     120 * std::sin(0.37 * u + 0.81 * v) + 0.3 * (c - r));
      doc.dtm(c, r) = {cellX(doc, c), cellY(doc, r), z};
      doc.minElevation = std::min(doc.minElevation, z);
      doc.maxElevation = std::max(doc.maxElevation, z);
    }
  }
}

// Tracing as first written: every cell of every level starts a trace, crossed or not.
void traceEveryCell(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  doc.contours.allocate();
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) doc.contours.count(c, r) = 0;
  const int levels = contourLevelCount(doc.maxElevation, doc.minElevation, doc.contourInterval);
  for (int k = 1; k <= levels; ++k) {
    const double level = contourLevel(doc.minElevation, doc.contourInterval, k) + 0.1;
    view.layers.contourVisited.fill(0);
    view.layers.contourStart.fill(0);
    view.layers.penX = -1;
    for (int r = 1; r <= doc.nrows - 1; ++r) {
      for (int c = 1; c <= doc.ncols - 1; ++c) {
        traceContour(doc, view, canvas, c, r, level, 0);
        view.layers.penX = -1;
      }
    }
  }
  doc.contours.tracedMarker = 0;
}

long keptSegments(const CSkyrigDoc& doc) {
  long segments = 0;
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r) segments += doc.contours.count(c, r);
  return segments;
}

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
  auto doc = makeDocument();
  auto view = std::make_unique<CSkyrigView>();
  makeTerrain(*doc);
  NullCanvas canvas;
  ScriptedUi ui;
  std::printf("DTM 699 x 699, elevations %d..%d m\n", doc->minElevation, doc->maxElevation);
  for (const int interval : {10, 1}) {
    doc->contourInterval = interval;
    auto start = std::chrono::steady_clock::now();
    traceAllContours(*doc, *view, canvas, ui);
    const double traceSeconds = seconds(start);
    const long segments = keptSegments(*doc);

    start = std::chrono::steady_clock::now();
    traceEveryCell(*doc, *view, canvas);
    const double baseSeconds = seconds(start);
    std::printf("interval %2d m: %3d levels, %ld segments kept, %.3f s; every cell traced: "
                "%ld segments, %.3f s; ratio %.2f\n",
                interval, contourLevelCount(doc->maxElevation, doc->minElevation, interval),
                segments, traceSeconds, keptSegments(*doc), baseSeconds,
                baseSeconds / traceSeconds);
  }
  return 0;
}
