// Map coordinates and the basic drawing operations of the view: cell rectangles, cell fills,
// lines between cells and labels. Logical units are metres with y pointing north; the centre
// of cell (1, 1) is at (marginX, -marginY).
#pragma once

#include <string_view>

#include "seams/Canvas.h"

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;

struct MapPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

struct MapRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const MapRect&, const MapRect&) = default;
};

// Ground point -> logical map point: lx = X - xll + marginX, ly = Y - yMax - marginY.
MapPoint groundToMap(const CSkyrigDoc& doc, const CSkyrigView& view, double groundX,
                     double groundY);
// Logical map point -> ground point (used by every mouse handler).
void mapToGround(const CSkyrigDoc& doc, const CSkyrigView& view, double lx, double ly,
                 double& groundX, double& groundY);
// Logical map point of the centre of cell (c, r).
MapPoint cellCentre(const CSkyrigDoc& doc, const CSkyrigView& view, int c, int r);
// The cell rectangle, each side truncated toward zero.
MapRect cellRectangle(const CSkyrigDoc& doc, int c, int r);

// Fills cell (c, r); ignored outside 1..ncols x 1..nrows.
void fillCell(const CSkyrigDoc& doc, Canvas& canvas, int c, int r, Rgb colour);
// Line between the (x, y) points of two cells; width >= 1 solid, width < 1 dotted width 5.
void cellLine(const CSkyrigDoc& doc, const CSkyrigView& view, Canvas& canvas, int c1, int r1,
              int c2, int r2, int width, Rgb colour);
// Text in "Arial", height 50, top-left at the cell rectangle's (left, top).
void labelCell(const CSkyrigDoc& doc, Canvas& canvas, int c, int r, std::string_view text);

}  // namespace skyrig
