#include "view/ViewOperations.h"

#include <algorithm>
#include <climits>
#include <string>

#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/MapLayers.h"

namespace skyrig {

namespace {

void redrawAtExtent(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  canvas.setWindowExtent(view.windowExtent);
  canvas.clear();
  showDem(doc, view, canvas);
}

}  // namespace

void zoomIn(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  if (view.windowExtent > kMinWindowExtent) view.windowExtent -= kZoomStep;
  redrawAtExtent(doc, view, canvas);
}

void zoomOut(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas) {
  // No upper limit short of the integer range.
  if (view.windowExtent <= INT_MAX - kZoomStep) view.windowExtent += kZoomStep;
  redrawAtExtent(doc, view, canvas);
}

void labelLanding(const CSkyrigDoc& doc, Canvas& canvas, int landing) {
  const Landing& l = doc.landings[landing];
  if (!isInsideGrid(doc, l.col, l.row)) return;
  labelCell(doc, canvas, l.col, l.row, std::to_string(landing));
}

void writeLandingIds(const CSkyrigDoc& doc, Canvas& canvas) {
  const int count = std::clamp(doc.landingCount, 0, kMaxLandings);
  for (int i = 1; i <= count; ++i) labelLanding(doc, canvas, i);
}

}  // namespace skyrig
