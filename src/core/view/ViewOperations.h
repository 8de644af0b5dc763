// View commands that are not layer pictures: zoom, landing labels, clearing the map.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;
class Canvas;

inline constexpr int kZoomStep = 1000;         // m of windowExtent per Zoom In / Out
inline constexpr int kMinWindowExtent = 1000;  // Zoom In stops here

// windowExtent -= 1000 while above 1000, then clear and Show DEM.
void zoomIn(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas);
// windowExtent += 1000 (no upper limit), then clear and Show DEM.
void zoomOut(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas);
// Labels every placed landing 1..landingCount with its id at its cell.
void writeLandingIds(const CSkyrigDoc& doc, Canvas& canvas);
// The id label of one landing, "%d" at its cell; nothing for a landing off the grid.
void labelLanding(const CSkyrigDoc& doc, Canvas& canvas, int landing);

}  // namespace skyrig
