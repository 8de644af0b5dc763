// The legend of each map layer: its colours and what they stand for, in the units of the
// project (elevation classes in metres of the loaded DTM, volume classes in m3 per cell).
#pragma once

#include <string>
#include <vector>

#include "MapLayerSet.h"
#include "seams/Canvas.h"

namespace skyrig::gui {

struct LegendEntry {
  std::vector<Rgb> colours;  // one swatch, striped when a line covers several classes
  std::string text;
  bool line = false;  // drawn as a line on the map, not as cell fills
};

std::vector<LegendEntry> layerLegend(const AppContext& app, MapLayer layer);

// The elevation range of each DTM class 0..29 (lowest and highest whole metre in the class);
// a class no elevation falls into has first > last.
struct ElevationClassRange {
  int first = 0;
  int last = -1;
};
std::vector<ElevationClassRange> elevationClassRanges(int minElevation, int maxElevation);

}  // namespace skyrig::gui
