#include "view/MapDrawing.h"

#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

// Map coordinates of points far off the map (a yarding point or road end from a damaged file)
// are clamped to a range an int holds; NaN goes to 0.
int toMapCoordinate(double v) {
  constexpr double kLimit = 1.0e9;
  if (v != v) return 0;
  if (v < -kLimit) return static_cast<int>(-kLimit);
  if (v > kLimit) return static_cast<int>(kLimit);
  return static_cast<int>(v);
}

}  // namespace

MapPoint groundToMap(const CSkyrigDoc& doc, const CSkyrigView& view, double groundX,
                     double groundY) {
  return {toMapCoordinate(groundX - doc.xll + view.marginX),
          toMapCoordinate(groundY - doc.yMax - view.marginY)};
}

void mapToGround(const CSkyrigDoc& doc, const CSkyrigView& view, double lx, double ly,
                 double& groundX, double& groundY) {
  groundX = lx + doc.xll - view.marginX;
  groundY = ly + doc.yMax + view.marginY;
}

MapPoint cellCentre(const CSkyrigDoc& doc, const CSkyrigView& view, int c, int r) {
  return groundToMap(doc, view, doc.dtm(c, r).x, doc.dtm(c, r).y);
}

MapRect cellRectangle(const CSkyrigDoc& doc, int c, int r) {
  const double h = doc.cellSize / 2.0;
  const double x = doc.dtm(c, r).x;
  const double y = doc.dtm(c, r).y;
  return {toMapCoordinate(x - doc.xll - h + 100), toMapCoordinate(y - doc.yMax - h - 100),
          toMapCoordinate(x - doc.xll + h + 100), toMapCoordinate(y - doc.yMax + h - 100)};
}

void fillCell(const CSkyrigDoc& doc, Canvas& canvas, int c, int r, Rgb colour) {
  if (!isInsideGrid(doc, c, r)) return;
  const MapRect rect = cellRectangle(doc, c, r);
  canvas.fillRect(rect.left, rect.top, rect.right, rect.bottom, colour);
}

void cellLine(const CSkyrigDoc& doc, const CSkyrigView& view, Canvas& canvas, int c1, int r1,
              int c2, int r2, int width, Rgb colour) {
  const MapPoint a = cellCentre(doc, view, c1, r1);
  const MapPoint b = cellCentre(doc, view, c2, r2);
  if (width >= 1)
    canvas.line(a.x, a.y, b.x, b.y, width, colour, PenStyle::Solid);
  else
    canvas.line(a.x, a.y, b.x, b.y, 5, colour, PenStyle::Dotted);
}

void labelCell(const CSkyrigDoc& doc, Canvas& canvas, int c, int r, std::string_view text) {
  const MapRect rect = cellRectangle(doc, c, r);
  canvas.text(rect.left, rect.top, text, 50, Rgb{0, 0, 0});
}

}  // namespace skyrig
