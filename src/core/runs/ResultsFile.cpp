#include "runs/ResultsFile.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "document/TextScanner.h"
#include "document/WholeFile.h"
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

// Where a value stands, for messages: "line 7 "2 300 5 6"".
std::string lineOf(const TextScanner& in, std::size_t pos) {
  return "line " + std::to_string(in.lineAt(pos)) + " \"" + std::string(in.lineTextAt(pos)) + "\"";
}

// Reads a count and that many triples into a fresh list, passing each entry to `check`;
// an empty reason when it worked.
template <typename List, typename Entry, typename Check>
std::string readList(TextScanner& in, List& list, const char* what, Entry (*make)(int, int, int),
                     Check check) {
  std::int32_t count = 0;
  if (in.readInt(count) != ScanResult::Ok) return std::string("the count of ") + what + " is missing";
  if (count < 0 || count > List::kCapacity)
    return "it holds " + std::to_string(count) + " " + what + "; at most " +
           std::to_string(List::kCapacity) + " fit";
  list.clear();
  for (int i = 1; i <= count; ++i) {
    std::int32_t a = 0, b = 0, c = 0;
    in.skipWhiteSpace();
    const std::size_t start = in.position();
    if (in.readInt(a) != ScanResult::Ok || in.readInt(b) != ScanResult::Ok ||
        in.readInt(c) != ScanResult::Ok)
      return std::string("entry ") + std::to_string(i) + " of the " + what + " is damaged";
    const Entry entry = make(a, b, c);
    if (const std::string problem = check(entry); !problem.empty())
      return lineOf(in, start) + ", entry " + std::to_string(i) + " of the " + what + ": " +
             problem;
    list.append(entry);
  }
  return {};
}

RoadCell makeRoadCell(int col, int row, int node) { return {col, row, node}; }
CableAssignment makeAssignment(int landing, int system, int cableway) {
  return {landing, system, cableway};
}

std::string checkRoadCell(const CSkyrigDoc& doc, const RoadCell& cell) {
  if (!isInsideGrid(doc, cell.col, cell.row))
    return "cell C" + std::to_string(cell.col) + "R" + std::to_string(cell.row) +
           " lies outside the loaded grid";
  if (cell.node < 0) return "node number " + std::to_string(cell.node) + " is negative";
  return {};
}

std::string checkAssignment(const CSkyrigDoc& doc, const CableAssignment& a) {
  if (a.landing < 1 || a.landing > doc.landingCount || a.landing > kMaxLandings)
    return "landing " + std::to_string(a.landing) + " does not exist (" +
           std::to_string(doc.landingCount) + " landings are loaded)";
  if (a.system < 1 || a.system > kCableSystemCount)
    return "cable system " + std::to_string(a.system) + " is not 1 to 5";
  if (a.cableway < 0 || a.cableway >= kCablewaysPerLanding)
    return "cable road " + std::to_string(a.cableway) + " is not 0 to 35";
  return {};
}

// A yarding point is (0, 0) for none, or a ground point on the grid's extent (a cell around).
bool isYardingPoint(const CSkyrigDoc& doc, const YardingPoint& p) {
  if (p.x == 0 && p.y == 0) return true;
  const std::int64_t margin = doc.cellSize;
  return p.x >= std::int64_t{doc.xll} - margin && p.x <= std::int64_t{doc.xMax} + margin &&
         p.y >= std::int64_t{doc.yll} - margin && p.y <= std::int64_t{doc.yMax} + margin;
}

struct CellLine {
  float volume = 0;
  std::uint8_t flag = 0;
  YardingPoint point;
};

}  // namespace

bool writeResultsFile(AppContext& app, bool cancelled) {
  OutputFile file = createOutputFile(app.paths, app.ui, kResultsFileWritten);
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
  return finishOutputFile(app.ui, file);
}

bool readResultsFile(AppContext& app) {
  const std::string& name = app.view.resultFilePath;
  std::string bytes;
  if (name.empty() || readWholeFile(app.paths, name, bytes) != WholeFileResult::Ok) {
    app.ui.message("The file " + app.paths.displayName(name) + " cannot be opened.",
                   MessageIcon::Exclamation);
    return false;
  }
  TextScanner in(bytes);
  const CSkyrigDoc& doc = app.doc;

  // The lists are large; read into heap copies so a refused file changes nothing.
  auto starts = std::make_unique<RoadStartCellList>();
  auto assignments = std::make_unique<CableAssignmentList>();
  auto pathCells = std::make_unique<RoadPathCellList>();
  std::vector<CellLine> cells;
  const auto roadCell = [&](const RoadCell& cell) { return checkRoadCell(doc, cell); };
  std::string reason;
  if (doc.ncols < 1 || doc.nrows < 1) reason = "no terrain is loaded";
  if (reason.empty()) reason = readList(in, *starts, "road start cells", makeRoadCell, roadCell);
  if (reason.empty())
    reason = readList(in, *assignments, "cable assignments", makeAssignment,
                      [&](const CableAssignment& a) { return checkAssignment(doc, a); });
  if (reason.empty()) reason = readList(in, *pathCells, "road path cells", makeRoadCell, roadCell);
  if (reason.empty()) {
    const std::size_t expected = static_cast<std::size_t>(doc.ncols) *
                                 static_cast<std::size_t>(doc.nrows);
    cells.reserve(expected);
    const std::string grid = std::to_string(doc.ncols) + " x " + std::to_string(doc.nrows);
    while (cells.size() < expected) {
      CellLine line;
      std::int32_t flag = 0;
      in.skipWhiteSpace();
      const std::size_t start = in.position();
      const ScanResult first = in.readFloat(line.volume);
      if (first == ScanResult::End || first == ScanResult::NotANumber) {
        reason = "it has fewer cell lines than the loaded grid of " + grid + " cells";
        break;
      }
      // Named only when a line is refused: counting the lines up to every cell would make
      // reading a large grid quadratic.
      const auto where = [&] {
        return lineOf(in, start) + ", cell line " + std::to_string(cells.size() + 1);
      };
      if (first != ScanResult::Ok || in.readInt(flag) != ScanResult::Ok ||
          in.readInt(line.point.x) != ScanResult::Ok || in.readInt(line.point.y) != ScanResult::Ok) {
        reason = where() + " is damaged";
        break;
      }
      if (!std::isfinite(line.volume)) {
        reason = where() + ": the volume is not a finite number";
        break;
      }
      if (flag != 0 && flag != 1) {
        reason = where() + ": the harvest unit flag " + std::to_string(flag) + " is not 0 or 1";
        break;
      }
      if (!isYardingPoint(doc, line.point)) {
        reason = where() + ": the yarding point (" + std::to_string(line.point.x) + ", " +
                 std::to_string(line.point.y) + ") lies off the loaded grid";
        break;
      }
      line.flag = static_cast<std::uint8_t>(flag);
      cells.push_back(line);
    }
    float extra = 0;
    if (reason.empty() && in.readFloat(extra) == ScanResult::Ok)
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
  runs.cableAssignmentCells.clear();
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
