#include "layers/VolumeClumping.h"

#include <algorithm>
#include <utility>

#include "document/CSkyrigDoc.h"
#include "seams/Random.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kCentreColour{255, 255, 255};
constexpr Rgb kClumpedColour{255, 0, 0};
constexpr Rgb kBoundaryColour{0, 0, 0};
constexpr Rgb kTimberExitColour{0, 255, 0};

// unitBox clipped to the table's usable slots, so a stale or empty box reads nothing outside.
UnitBox clippedUnitBox(const CSkyrigDoc& doc) {
  const UnitBox& b = doc.unitBox;
  return {std::max(b.minCol, 1), std::max(b.minRow, 1), std::min(b.maxCol, kMaxGridCells),
          std::min(b.maxRow, kMaxGridCells)};
}

std::uint8_t clumpChannel(Random& random) {
  return static_cast<std::uint8_t>(random.next() % 200 + 25);
}

}  // namespace

float clumpVolumeThreshold(const CSkyrigDoc& doc) {
  const CableSystemParams& system = doc.cableSystems[1];
  return system.minPayloadPerTurn / system.woodDensity;
}

void sortClumpCandidates(std::vector<ClumpCandidate>& list, int count) {
  for (int gap = count / 2; gap > 0; gap /= 2) {
    bool exchanged = true;
    while (exchanged) {
      exchanged = false;
      for (int i = 1; i <= count - gap; ++i) {
        if (list[i].key < list[i + gap].key) {
          std::swap(list[i], list[i + gap]);
          exchanged = true;
        }
      }
    }
  }
}

void collectClumpCandidates(const CSkyrigDoc& doc, LayersWorkArea& work) {
  work.clumpVolumeThreshold = clumpVolumeThreshold(doc);
  work.clumpCandidateGrid.fill(0);
  work.clumpCandidateCount = 0;
  const UnitBox box = clippedUnitBox(doc);
  for (int r = box.minRow; r <= box.maxRow; ++r) {
    for (int c = box.minCol; c <= box.maxCol; ++c) {
      const float v = doc.volumeGrid(c, r);
      if (!(v > 0.0f && v < work.clumpVolumeThreshold)) continue;
      work.clumpCandidateGrid(c, r) = 1;
      work.clumpCandidates[++work.clumpCandidateCount] = {c, r, doc.volumeGridOriginal(c, r)};
    }
  }
  sortClumpCandidates(work.clumpCandidates, work.clumpCandidateCount);
}

int clumpRingCount(const CSkyrigDoc& doc) {
  if (doc.cellSize < 1) return 0;
  return doc.chokerLength / doc.cellSize;
}

void clumpCandidateCells(CSkyrigDoc& doc, CSkyrigView& view, Canvas& canvas, Random& random,
                         int rings) {
  LayersWorkArea& work = view.layers;
  const float threshold = work.clumpVolumeThreshold;
  for (int i = 1; i <= work.clumpCandidateCount; ++i) {
    const int c = work.clumpCandidates[i].col;
    const int r = work.clumpCandidates[i].row;
    if (!work.clumpCandidateGrid(c, r)) continue;
    const std::uint8_t red = clumpChannel(random);
    const std::uint8_t green = clumpChannel(random);
    const std::uint8_t blue = clumpChannel(random);
    const Rgb colour{red, green, blue};

    fillCell(doc, canvas, c, r, kCentreColour);
    float sum = doc.volumeGrid(c, r);
    work.clumpCandidateGrid(c, r) = 0;
    bool full = false;
    for (int k = 1; k <= rings && !full; ++k) {
      const int c1 = std::max(c - k, 1), c2 = std::min(c + k, doc.ncols);
      const int r1 = std::max(r - k, 1), r2 = std::min(r + k, doc.nrows);
      for (int cc = c1; cc <= c2 && !full; ++cc) {
        for (int rr = r1; rr <= r2 && !full; ++rr) {
          if (!work.clumpCandidateGrid(cc, rr)) continue;
          sum += doc.volumeGrid(cc, rr);
          doc.volumeGrid(cc, rr) = 0.0f;
          work.clumpCandidateGrid(cc, rr) = 0;
          fillCell(doc, canvas, cc, rr, colour);
          full = sum >= threshold;
        }
      }
      // Whether full or not after this ring, the centre holds what it gathered so far.
      doc.volumeGrid(c, r) = sum;
    }
  }
  drawBoundaryAndTimberExits(doc, view, canvas);
}

void showClumpedCells(const CSkyrigDoc& doc, Canvas& canvas) {
  const UnitBox box = clippedUnitBox(doc);
  for (int c = box.minCol; c <= box.maxCol; ++c)
    for (int r = box.minRow; r <= box.maxRow; ++r)
      if (doc.unitCellFlags(c, r) == 1 && doc.volumeGrid(c, r) > 0.0f)
        fillCell(doc, canvas, c, r, kClumpedColour);
}

void drawBoundaryAndTimberExits(const CSkyrigDoc& doc, const CSkyrigView& view,
                                Canvas& canvas) {
  const int count = std::min<int>(doc.boundaryPointCount, kMaxBoundaryPoints);
  if (count <= 0) return;
  for (int k = 1; k <= count; ++k) {
    const CellPoint& a = doc.boundaryPoints[k];
    const CellPoint& b = doc.boundaryPoints[k == count ? 1 : k + 1];
    if (isInsideGrid(doc, a.col, a.row) && isInsideGrid(doc, b.col, b.row))
      cellLine(doc, view, canvas, a.col, a.row, b.col, b.row, 5, kBoundaryColour);
  }
  const int exits = std::min<int>(doc.timberExitCount, kMaxTimberExits);
  for (int k = 1; k <= exits; ++k)
    fillCell(doc, canvas, doc.timberExits[k].col, doc.timberExits[k].row, kTimberExitColour);
}

}  // namespace skyrig
