// Contour lines traced from the DTM: every level of the contour interval is followed cell by
// cell, drawn while tracing and kept in the document's segment store for later redraws.
// A cell is the square between the centres of (c, r), (c+1, r), (c+1, r+1) and (c, r+1); its
// edges 1..4 run (c, r)-(c+1, r), (c+1, r)-(c+1, r+1), (c+1, r+1)-(c, r+1), (c, r+1)-(c, r).
#pragma once

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;
class Canvas;
class Ui;

// Levels traced for an interval (m): (max - min) / interval + 1; 0 for an interval below 1.
int contourLevelCount(int maxElevation, int minElevation, int interval);
// Elevation (m) of level k = 1..count: the first level lies one interval above the lowest.
int contourLevel(int minElevation, int interval, int k);

// Follows one contour at `level` (m) from cell (c, r), entered through `entryEdge` (0 for a
// start cell), until it closes, leaves the grid interior, meets a cell without data or a
// visited cell. Runs as a loop, so chain length never grows the stack. Returns whether the
// last cell examined found a crossing without continuing (a start with a single crossing).
bool traceContour(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas, int c, int r,
                  double level, int entryEdge);

// Clears the store and traces every level of doc.contourInterval, drawing while tracing.
// Progress goes to `ui` once a level; a cancel stops and leaves the store marked not traced.
bool traceAllContours(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas, Ui& ui);

// Draws the counted segments of every cell from the store in solid black, width 1.
void drawContourStore(const CSkyrigDoc& doc, Canvas& canvas);

}  // namespace skyrig
