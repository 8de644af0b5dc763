#include "document/ProjectSummary.h"

#include <cstdarg>
#include <cstdio>

#include "document/Blanks.h"
#include "document/CSkyrigDoc.h"

namespace skyrig {

namespace {

void appendLine(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendLine(std::string& out, const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  out += line;
  out += '\n';
}

struct CellCounts {
  long unitCells = 0;
  long streamCells = 0;
  long roadCells = 0;
  double unitVolume = 0.0;  // m3
  double allVolume = 0.0;   // m3
};

CellCounts countCells(const CSkyrigDoc& doc) {
  CellCounts n;
  for (int r = 1; r <= doc.nrows; ++r) {
    for (int c = 1; c <= doc.ncols; ++c) {
      const double volume = doc.volumeGrid(c, r);
      n.allVolume += volume;
      if (doc.unitCellFlags(c, r) == 1) {
        ++n.unitCells;
        n.unitVolume += volume;
      }
      if (doc.streamGrid(c, r) > 0) ++n.streamCells;
      if (doc.roadGrid(c, r) > 0) ++n.roadCells;
    }
  }
  return n;
}

}  // namespace

std::string projectSummary(const CSkyrigDoc& doc) {
  std::string out;
  const CellCounts n = countCells(doc);
  const double cellArea = static_cast<double>(doc.cellSize) * doc.cellSize;  // m2
  appendLine(out, "Grid: %d columns x %d rows, cell size %d m", doc.ncols, doc.nrows, doc.cellSize);
  appendLine(out, "Extent: x %d to %d m, y %d to %d m", doc.xll, doc.xMax, doc.yll, doc.yMax);
  appendLine(out, "Elevation: %d to %d m", doc.minElevation, doc.maxElevation);
  appendLine(out, "Harvest unit: %ld cells, %.2f ha", n.unitCells,
             static_cast<double>(n.unitCells) * cellArea / 10000.0);
  if (n.unitCells > 0)
    appendLine(out, "Harvest unit box: columns %d to %d, rows %d to %d", doc.unitBox.minCol,
               doc.unitBox.maxCol, doc.unitBox.minRow, doc.unitBox.maxRow);
  appendLine(out, "Volume: %.1f m3 on unit cells, %.1f m3 on all cells", n.unitVolume, n.allVolume);
  appendLine(out, "Streams: %ld cells", n.streamCells);
  appendLine(out, "Roads: %ld cells", n.roadCells);
  appendLine(out, "Landings: %d", doc.landingCount);
  for (int i = 1; i <= doc.landingCount && i <= kMaxLandings; ++i) {
    const Landing& l = doc.landings[i];
    const std::string name = l.system >= 1 && l.system <= kCableSystemCount
                                 ? trimmedBlanks(doc.cableSystems[l.system].name)
                                 : std::string();
    appendLine(out, "  Landing %d: system %d%s%s%s, cell C%dR%d", i, l.system,
               name.empty() ? "" : " (", name.c_str(), name.empty() ? "" : ")", l.col, l.row);
  }
  return out;
}

}  // namespace skyrig
