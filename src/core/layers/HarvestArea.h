// The harvest area from the boundary polygon drawn by mouse: the cells of the harvest unit
// file, the polygon's outline and the cells inside it, smoothed by a fill and a trim pass.
// Result: unitCellFlags (1 = member) and unitBox.
#pragma once

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;
struct CSkyrigView;
struct UnitBox;
class Canvas;

// Called when the boundary polygon is closed (double click): erases the drawn outline,
// recomputes the area, ends the "By mouse" mode and redraws the map.
void computeHarvestArea(AppContext& app);

// The computation itself, without the final redraw.
void computeHarvestArea(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas);

// Marks the cells along every polygon edge (the last vertex joins the first).
void markBoundaryOutline(CSkyrigDoc& doc);

// Polygon edges crossed by the straight segment from cell (c, r) to the centre cell; a vertex
// met twice in a row counts once.
int boundaryCrossings(const CSkyrigDoc& doc, int c, int r, int centreCol, int centreRow);

enum class PolygonSide { Outside, Inside, OnBoundary };
// Exact position of the centre of cell (c, r) relative to the boundary polygon.
PolygonSide boundarySide(const CSkyrigDoc& doc, int c, int r);

// A non-member with more than six members in its 3 x 3 block joins; in place, so cells that
// joined earlier in the pass count for later ones. Columns outer, rows inner.
void fillAreaGaps(CSkyrigDoc& doc, const UnitBox& box);
// A member with more than six non-members in its 3 x 3 block leaves; in place, same order.
void trimAreaSpurs(CSkyrigDoc& doc, const UnitBox& box);

}  // namespace skyrig
