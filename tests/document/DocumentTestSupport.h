// Shared set-up for the document tests: a scratch workspace folder, raster text in the standard
// header layout, and a whole-document comparison for "nothing changed" checks.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "seams/Paths.h"
#include "seams/ScriptedUi.h"

namespace skyrig::testing {

// A raster file: header values start in column 15, as GIS exports write them.
inline std::string rasterText(int ncols, int nrows, const std::string& xll, const std::string& yll,
                              int cellSize, const std::string& values, const char* lineEnd = "\n") {
  auto line = [&](const char* label, const std::string& value) {
    std::string text = label;
    text.resize(14, ' ');
    return text + value + lineEnd;
  };
  return line("ncols", std::to_string(ncols)) + line("nrows", std::to_string(nrows)) +
         line("xllcorner", xll) + line("yllcorner", yll) +
         line("cellsize", std::to_string(cellSize)) + line("NODATA_value", "-9999") + values;
}

// Every table the document operations may touch (the network and solver tables are not).
inline bool sameDocument(const CSkyrigDoc& a, const CSkyrigDoc& b) {
  auto fields = [](const CSkyrigDoc& d) {
    return std::tie(
        d.ncols, d.nrows, d.xll, d.yll, d.minElevation, d.xMax, d.yMax, d.maxElevation, d.cellSize,
        d.dtm, d.volumeGrid, d.volumeGridOriginal, d.streamGrid, d.streamBufferGrid, d.roadGrid,
        d.harvestUnitGrid, d.unitCellFlags, d.streamBufferWidth, d.chokerLength, d.contourInterval,
        d.contours.tracedMarker, d.unitBox, d.boundaryPoints, d.boundaryPointCount, d.timberExits,
        d.timberExitCount, d.landings, d.landingCount, d.landingAnalysed, d.landingConstructionCost,
        d.landingSharedTower, d.cableways, d.cablewayScratch, d.cablewayMinPayload,
        d.cablewayCycleTime, d.tailSparHeight, d.profilePayload, d.profileCycleTime, d.cableSystems,
        d.currentCableSystem, d.roadCosts, d.paths, d.pickStart, d.pickEnd, d.pickValid);
  };
  return fields(a) == fields(b);
}

// A document, a workspace root in a fresh temporary folder, and a recording Ui.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    std::filesystem::create_directories(root_);
    paths.setRoot(root_);
  }
  ~DocumentTest() override { std::filesystem::remove_all(root_); }

  // Writes a file under the workspace root; returns its path as the document stores paths.
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(root_ / name, std::ios::binary) << text;
    return name;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::unique_ptr<CSkyrigDoc> snapshot() const { return std::make_unique<CSkyrigDoc>(*doc); }

  // Runs load(text) for each {text, end of the message}: one exclamation message with that
  // end, and no table changed.
  template <typename Load>
  void expectRefused(const std::vector<std::pair<std::string, std::string>>& cases, Load load) {
    for (const auto& [text, message] : cases) {
      ui.clearLog();
      const auto before = snapshot();
      load(text);
      doc->paths = before->paths;
      EXPECT_TRUE(sameDocument(*doc, *before)) << message;
      const std::vector<std::string> shown = ui.messages();
      EXPECT_TRUE(shown.size() == 1 && shown[0].starts_with("message exclamation: ") &&
                  shown[0].ends_with(message))
          << ::testing::PrintToString(shown) << "\nexpected the end: " << message;
    }
  }

  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  Paths paths;
  ScriptedUi ui;

 private:
  std::filesystem::path root_ = std::filesystem::temp_directory_path() /
                                ("skyrig-doc-" + std::to_string(std::random_device()()));
};

}  // namespace skyrig::testing
