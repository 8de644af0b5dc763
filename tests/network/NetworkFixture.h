// Hand-made planning areas for the network builder tests: a small flat grid with northings
// near 4,000,000 m, and cable roads set by hand as the batch analysis would leave them.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "document/CSkyrigDoc.h"
#include "document/NetworkTables.h"
#include "seams/Paths.h"
#include "seams/ScriptedUi.h"

namespace skyrig::testing {

// cols x rows cells of 10 m at elevation 100; column 1 at x = 1000, row `rows` at
// y = 4,000,000. Every cell is in the unit; no volume yet. System 1 has the generic defaults.
inline std::unique_ptr<CSkyrigDoc> makeFlatArea(int cols = 20, int rows = 20, int cellSize = 10) {
  auto doc = makeDocument();
  doc->ncols = cols;
  doc->nrows = rows;
  doc->cellSize = cellSize;
  doc->xll = 1000;
  doc->yll = 4000000;
  for (int c = 1; c <= cols; ++c)
    for (int r = 1; r <= rows; ++r) {
      doc->dtm(c, r) = {cellX(*doc, c), cellY(*doc, r), 100};
      doc->unitCellFlags(c, r) = 1;
    }
  doc->unitBox = {1, 1, cols, rows};
  for (int s = 1; s <= kCableSystemCount; ++s) doc->cableSystems[static_cast<std::size_t>(s)] = {};
  return doc;
}

inline void placeLanding(CSkyrigDoc& doc, int id, int col, int row, int system = 1) {
  doc.landings[static_cast<std::size_t>(id)] = {row, col, system};
  doc.landingConstructionCost[static_cast<std::size_t>(id)] = 5000.0f;
  if (doc.landingCount < id) doc.landingCount = id;
}

// A cable road from the landing to (endCol, endRow): its line through the two cell centres,
// `points` profile points with the same payload (kg) and a cycle time of 10 s per point number.
inline void addCableway(CSkyrigDoc& doc, int landing, int road, int endCol, int endRow,
                        int points, float payload = 2000.0f, int supports = 0) {
  const auto l = static_cast<std::size_t>(landing);
  const auto k = static_cast<std::size_t>(road);
  const Landing& site = doc.landings[l];
  const DtmCell& from = doc.dtm(site.col, site.row);
  const DtmCell& to = doc.dtm(endCol, endRow);
  CablewayRecord& way = doc.cableways[l][k];
  way.endCol = way.genEndCol = endCol;
  way.endRow = way.genEndRow = endRow;
  way.pointCount = way.genPointCount = points;
  const float dx = static_cast<float>(to.x - from.x);
  way.slope = to.x == from.x ? 999999.875f : static_cast<float>(to.y - from.y) / dx;
  way.intercept = static_cast<float>(from.y) - static_cast<float>(from.x) * way.slope;
  way.supportCount = supports;
  for (int p = 1; p <= points; ++p) {
    doc.profilePayload[l][k][static_cast<std::size_t>(p)] = payload;
    doc.profileCycleTime[l][k][static_cast<std::size_t>(p)] = 10.0f * static_cast<float>(p);
  }
}

// A scratch workspace folder, removed with the object.
class Workspace {
 public:
  Workspace()
      : root_(std::filesystem::temp_directory_path() /
              ("skyrig_network_test_" + std::to_string(::getpid()) + "_" +
               std::to_string(counter()++))),
        paths_(root_) {
    std::filesystem::create_directories(root_);
  }
  ~Workspace() { std::filesystem::remove_all(root_); }
  const Paths& paths() const { return paths_; }
  const std::filesystem::path& root() const { return root_; }
  std::string read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

 private:
  static int& counter() {
    static int n = 0;
    return n;
  }
  std::filesystem::path root_;
  Paths paths_;
};

// The links of the table as "FROM>TO" texts, in table order.
inline std::vector<std::string> linkNames(const LinkTable& links) {
  std::vector<std::string> out;
  for (int i = 1; i <= links.count(); ++i)
    out.push_back(std::string(links[i].from.view()) + ">" + std::string(links[i].to.view()));
  return out;
}

// The first link from `from` to `to`, or nullptr.
inline const LinkRecord* findLinkByName(const LinkTable& links, const std::string& from,
                                        const std::string& to) {
  for (int i = 1; i <= links.count(); ++i)
    if (links[i].from.view() == from && links[i].to.view() == to) return &links[i];
  return nullptr;
}

inline int countLinks(const LinkTable& links, const std::string& from, const std::string& to) {
  int n = 0;
  for (int i = 1; i <= links.count(); ++i)
    if (links[i].from.view() == from && links[i].to.view() == to) ++n;
  return n;
}

}  // namespace skyrig::testing
