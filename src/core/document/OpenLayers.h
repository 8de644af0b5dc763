// The layer commands (Open Volume, Open Streams, Open Roads, Harvest Unit Boundary by file):
// each reads a raster of the DTM's cell size and places it on the DTM grid by matching cell
// coordinates, so a layer may be clipped larger, smaller or shifted against the DTM.
#pragma once

namespace skyrig {

struct CSkyrigDoc;
class Paths;
class Ui;

// Every loader: an empty path does nothing; a file that cannot be opened shows "Unable to
// open the file"; a cell size other than the DTM's shows "Grid size is different from that of
// DTM."; a file that cannot be read whole or does not overlap the DTM is refused with a message
// naming it. In all these cases the layer's grids keep their contents. Otherwise every DTM cell
// gets the layer cell over it, or 0 where the layer does not reach.

// volumeGridOriginal := the layer (values not >= 0 become 0.0), then volumeGrid := a copy.
void openVolume(CSkyrigDoc& doc, const Paths& paths, Ui& ui);
// streamGrid, roadGrid: whole numbers as unsigned 16 bits, negatives stored as 0.
void openStreams(CSkyrigDoc& doc, const Paths& paths, Ui& ui);
void openRoads(CSkyrigDoc& doc, const Paths& paths, Ui& ui);
// harvestUnitGrid as for streams; then, unless the file was refused, markUnitCells.
void openHarvestUnitByFile(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

// Sets unitCellFlags to 1 on every cell with harvestUnitGrid > 0 (flags already set stay set)
// and unitBox to the extent of those cells; (700, 700, 0, 0) when there are none.
void markUnitCells(CSkyrigDoc& doc);

}  // namespace skyrig
