// Volume cell clumping: timber cells holding less than one design payload are merged into
// clumps around the fullest of them, within the choker's reach, until a clump holds a payload.
#pragma once

#include <vector>

#include "document/LayersWorkArea.h"

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;
class Canvas;
class Random;

// One design payload in m3: minPayloadPerTurn / woodDensity of cable system 1.
float clumpVolumeThreshold(const CSkyrigDoc& doc);

// Sorts entries 1..count descending by key with the gap-halving exchange sort the clumping
// order is defined by (ties keep the order this sort gives them).
void sortClumpCandidates(std::vector<ClumpCandidate>& list, int count);

// Sets the threshold, marks every cell of unitBox with 0 < volume < threshold as a candidate
// and lists them row by row, sorted by their loaded volume, fullest first.
void collectClumpCandidates(const CSkyrigDoc& doc, LayersWorkArea& work);

// Rings searched around a centre: chokerLength / cellSize (integer division); 0 when the cell
// is larger than the choker reach or no DTM is loaded.
int clumpRingCount(const CSkyrigDoc& doc);

// Clumps the listed candidates with `rings` rings, drawing centres white and absorbed cells
// in the clump's colour (three draws from `random` per clump), then the boundary and exits.
void clumpCandidateCells(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas, Random& random,
                         int rings);

// Fills red every cell of unitBox that belongs to the unit and still holds volume.
void showClumpedCells(const CSkyrigDoc& doc, Canvas& canvas);

// The boundary polygon (black, width 5) and, when it exists, the timber exits (green).
void drawBoundaryAndTimberExits(const CSkyrigDoc& doc, const CSkyrigView& view, Canvas& canvas);

}  // namespace skyrig
