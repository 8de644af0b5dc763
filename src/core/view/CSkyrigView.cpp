#include "view/CSkyrigView.h"

#include "document/CSkyrigDoc.h"
#include "document/SingleValueTable.h"

namespace skyrig {

std::array<Rgb, kPaletteSize> CSkyrigView::makePalette() {
  std::array<Rgb, kPaletteSize> p{};
  auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
  for (int i = 0; i <= 9; ++i) p[i] = {byte(28 * i), 255, 0};
  for (int i = 10; i <= 19; ++i) p[i] = {255, byte(255 - 20 * (i - 10)), 100};
  for (int i = 20; i <= 29; ++i) p[i] = {byte(255 - 20 * (i - 20)), 100, 100};
  for (int i = 30; i <= 39; ++i) {
    const int k = i - 30;
    p[i] = {byte(10 * (10 - k)), byte(15 * (10 - k) + 100), byte(10 * (10 - k))};
  }
  p[40] = {255, 255, 255};
  return p;
}

void initialUpdate(CSkyrigDoc& doc, CSkyrigView& view) {
  for (int s = 1; s <= kCableSystemCount; ++s) doc.cableSystems[s] = defaultCableSystem(s);
  doc.roadCosts = RoadCostParams{};
  for (int i = 1; i <= kMaxLandings; ++i) {
    doc.landingConstructionCost[i] = kLandingConstructionCost.defaultValue;
    doc.landingSharedTower[i] = 0;
  }
  doc.landingAnalysed.fill(0);
  doc.contourInterval = kContourInterval.defaultValue;
  markContoursEmpty(doc.contours);
  doc.boundaryPointCount = 0;
  doc.timberExitCount = 0;
  doc.streamBufferWidth = static_cast<std::uint16_t>(kStreamBufferWidth.defaultValue);
  doc.chokerLength = static_cast<std::uint16_t>(kChokerLength.defaultValue);

  view.placingLanding = 0;
  view.pickingCableway = 0;
  view.drawingBoundary = 0;
  view.placingTimberExit = 0;
  view.volumeShown = 0;
  view.clumpingDone = 0;

  doc.paths = defaultInputPaths();
  view.resultFilePath = std::string(kDefaultResultFilePath);
}

InputPaths defaultInputPaths() {
  InputPaths paths;
  paths.dtmPath = "E:/thesis/Forest/SouthZone/dem.dat";
  paths.volumePath = "E:/thesis/Forest/SouthZone/thinnvolume.dat";
  paths.streamPath = "E:/thesis/Forest/SouthZone/streamsouth";
  paths.roadPath = "E:/thesis/Forest/SouthZone/roadsouth";
  paths.boundaryPath = "E:/thesis/output/planningarea1/input/planning1final";
  paths.landingsPath = "E:/thesis/output/planningarea1/input/Landings.dat";
  paths.cablewaysPath = "E:/thesis/output/planningarea1/input/cableroaddata.dat";
  return paths;
}

}  // namespace skyrig
