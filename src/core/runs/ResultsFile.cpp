#include "runs/ResultsFile.h"

#include <memory>
#include <string>
#include <vector>

#include "runs/RunFiles.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

template <typename List>
void writeCells(std::FILE* out, const List& list) {
  std::fprintf(out, "%d\n", list.count);
  for (int i = 1; i <= list.count; ++i)
    std::fprintf(out, "%d %d %d\n", list[i].col, list[i].row, list[i].node);
}

// Reads a count and that many triples into a fresh list; an empty reason when it worked.
template <typename List, typename Entry>
std::string readList(std::FILE* in, List& list, const char* what, Entry (*make)(int, int, int)) {
  int count = 0;
  if (std::fscanf(in, "%d", &count) != 1) return std::string("the count of ") + what + " is missing";
  if (count < 0 || count > List::kCapacity)
    return "it holds " + std::to_string(count) + " " + what + "; at most " +
           std::to_string(List::kCapacity) + " fit";
  list.clear();
  for (int i = 1; i <= count; ++i) {
    int a = 0, b = 0, c = 0;
    if (std::fscanf(in, "%d %d %d", &a, &b, &c) != 3)
      return std::string("entry ") + std::to_string(i) + " of the " + what + " is damaged";
    list.append(make(a, b, c));
  }
  return {};
}

RoadCell makeRoadCell(int col, int row, int node) { return {col, row, node}; }
CableAssignment makeAssignment(int landing, int system, int cableway) {
  return {landing, system, cableway};
}

struct CellLine {
  float volume = 0;
  std::uint8_t flag = 0;
  YardingPoint point;
};

}  // namespace

bool writeResultsFile(AppContext& app, bool cancelled) {
  FileHandle file = createOutputFile(app.paths, app.ui, kResultsFileWritten);
  if (!file) return false;
  std::FILE* out = file.get();
  const RunWorkArea& runs = app.view.runs;
  writeCells(out, runs.roadStartCells);
  std::fprintf(out, "%d\n", runs.cableAssignments.count);
  for (int i = 1; i <= runs.cableAssignments.count; ++i) {
    const CableAssignment& a = runs.cableAssignments[i];
    std::fprintf(out, "%d %d %d\n", a.landing, a.system, a.cableway);
  }
  writeCells(out, runs.roadPathCells);
  const CSkyrigDoc& doc = app.doc;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      const YardingPoint& p = runs.yardingPoints(c, r);
      std::fprintf(out, "%f %u %d %d\n", static_cast<double>(doc.volumeGrid(c, r)),
                   static_cast<unsigned>(doc.unitCellFlags(c, r)), p.x, p.y);
    }
  if (cancelled) std::fputs(kCancelledNote.data(), out);
  if (std::fflush(out) != 0 || std::ferror(out)) {
    app.ui.message("The file " + app.paths.displayName(kResultsFileWritten) +
                       " could not be written completely.",
                   MessageIcon::Exclamation);
    return false;
  }
  return true;
}

bool readResultsFile(AppContext& app) {
  const std::string& name = app.view.resultFilePath;
  FileHandle file = openInputFile(app.paths, app.ui, name);
  if (!file) return false;
  std::FILE* in = file.get();
  const CSkyrigDoc& doc = app.doc;

  // The lists are large; read into heap copies so a refused file changes nothing.
  auto starts = std::make_unique<RoadStartCellList>();
  auto assignments = std::make_unique<CableAssignmentList>();
  auto pathCells = std::make_unique<RoadPathCellList>();
  std::vector<CellLine> cells;
  std::string reason = readList(in, *starts, "road start cells", makeRoadCell);
  if (reason.empty())
    reason = readList(in, *assignments, "cable assignments", makeAssignment);
  if (reason.empty()) reason = readList(in, *pathCells, "road path cells", makeRoadCell);
  if (reason.empty() && (doc.ncols < 1 || doc.nrows < 1)) reason = "no terrain is loaded";
  if (reason.empty()) {
    const std::size_t expected = static_cast<std::size_t>(doc.ncols) *
                                 static_cast<std::size_t>(doc.nrows);
    cells.reserve(expected);
    const std::string grid = std::to_string(doc.ncols) + " x " + std::to_string(doc.nrows);
    while (cells.size() < expected) {
      CellLine line;
      unsigned flag = 0;
      const int n = std::fscanf(in, "%f %u %d %d", &line.volume, &flag, &line.point.x,
                                &line.point.y);
      if (n == EOF || n == 0) {
        reason = "it has fewer cell lines than the loaded grid of " + grid + " cells";
        break;
      }
      if (n != 4 || flag > 255) {
        reason = "cell line " + std::to_string(cells.size() + 1) + " is damaged";
        break;
      }
      line.flag = static_cast<std::uint8_t>(flag);
      cells.push_back(line);
    }
    float extra = 0;
    if (reason.empty() && std::fscanf(in, "%f", &extra) == 1)
      reason = "it has more cell lines than the loaded grid of " + grid + " cells";
  }
  if (!reason.empty()) {
    app.ui.message("The results file " + app.paths.displayName(name) + " cannot be read: " +
                       reason + ". Nothing was changed.",
                   MessageIcon::Exclamation);
    return false;
  }

  RunWorkArea& runs = app.view.runs;
  runs.roadStartCells = *starts;
  runs.cableAssignments = *assignments;
  runs.roadPathCells = *pathCells;
  std::size_t k = 0;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c, ++k) {
      app.doc.volumeGrid(c, r) = cells[k].volume;
      app.doc.unitCellFlags(c, r) = cells[k].flag;
      runs.yardingPoints(c, r) = cells[k].point;
    }
  return true;
}

}  // namespace skyrig
