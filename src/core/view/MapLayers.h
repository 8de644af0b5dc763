// The map pictures of the terrain layers: elevation classes, volume classes and the overlay of
// boundary polygon, timber exits and harvest unit outline.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;
class Canvas;

// Elevation class 0..29 of an elevation; a flat DTM (max = min) gives class 0.
int demClass(int z, int minElevation, int maxElevation);
// Volume class 0, 2, 4, 6, 9 or 10 (no timber) of a cell volume in m3.
int volumeClass(float volume);

// Fills every cell with z > 0 in its elevation colour, then draws the overlay; volumeShown := 0.
void showDem(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas);
// Fills every cell with z > 0 in its volume colour, then draws the overlay; volumeShown := 1.
void showVolume(const CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas);
// Boundary polygon and timber exits (only when boundary points exist), harvest unit outline.
void drawOverlay(const CSkyrigDoc& doc, const CSkyrigView& view, Canvas& canvas);

}  // namespace skyrig
