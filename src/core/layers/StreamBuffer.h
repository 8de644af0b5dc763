// The fish stream buffer (a band of protected cells around every stream cell, emptied of
// timber) and the drawing of the stream and existing-road layers.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
class Canvas;

// Stores the width (m), restores the working volumes from the loaded ones and rebuilds the
// buffer: every cell within h = (width / cellSize) / 2 cells of a stream cell takes the
// stream's value and loses its volume. Width 0 leaves the buffer empty.
void buildStreamBuffer(CSkyrigDoc& doc, int widthMetres);

// Buffered cells: dark blue where the cell is a stream itself, blue elsewhere.
void drawStreamsAndBuffer(const CSkyrigDoc& doc, Canvas& canvas);

// Existing-road cells in (0, 200, 250).
void drawRoadCells(const CSkyrigDoc& doc, Canvas& canvas);

}  // namespace skyrig
