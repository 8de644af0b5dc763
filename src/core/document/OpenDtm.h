// File > Open DTM: reads the terrain model at dtmPath, which sets the grid geometry of every
// other layer.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
class Paths;
class Ui;

// Fills dtm, the grid geometry, minElevation (lowest value >= 0) and maxElevation, sets unitBox
// to the whole grid and clears streamGrid and streamBufferGrid. An empty dtmPath or a file that
// cannot be opened still resets the extremes, unitBox and the two stream grids. A file that
// cannot be read whole (over 699 columns or rows, ends early, a value that is not a number)
// is refused with a message naming it, and the document stays as it was.
void openDtm(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

}  // namespace skyrig
