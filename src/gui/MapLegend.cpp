#include "MapLegend.h"

#include <cstdio>

#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapLayers.h"

namespace skyrig::gui {

namespace {

constexpr int kElevationClasses = 30;
constexpr int kClassesPerEntry = 3;  // ten legend lines for the thirty elevation classes

std::string format(const char* pattern, double a, double b = 0) {
  char text[96];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

std::vector<LegendEntry> terrainLegend(const AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  std::vector<LegendEntry> entries;
  if (doc.ncols < 1) return entries;
  const std::vector<ElevationClassRange> ranges =
      elevationClassRanges(doc.minElevation, doc.maxElevation);
  for (int first = 0; first < kElevationClasses; first += kClassesPerEntry) {
    LegendEntry entry;
    int low = 0, high = -1;
    for (int k = first; k < first + kClassesPerEntry; ++k) {
      entry.colours.push_back(app.view.palette[static_cast<std::size_t>(k)]);
      const ElevationClassRange& range = ranges[static_cast<std::size_t>(k)];
      if (range.first > range.last) continue;
      if (high < low) low = range.first;
      high = range.last;
    }
    if (high < low) continue;  // no elevation of this DTM falls into these classes
    entry.text = format("%.0f - %.0f m", low, high);
    entries.push_back(entry);
  }
  return entries;
}

std::vector<LegendEntry> volumeLegend(const AppContext& app) {
  const auto colour = [&](int cls) { return app.view.palette[static_cast<std::size_t>(30 + cls)]; };
  return {{{colour(volumeClass(0.3f))}, "up to 0.5 m\xC2\xB3 per cell"},
          {{colour(volumeClass(0.6f))}, "0.5 - 0.7 m\xC2\xB3"},
          {{colour(volumeClass(0.8f))}, "0.7 - 0.9 m\xC2\xB3"},
          {{colour(volumeClass(1.0f))}, "0.9 - 1.05 m\xC2\xB3"},
          {{colour(volumeClass(2.0f))}, "over 1.05 m\xC2\xB3"},
          {{colour(volumeClass(0.0f))}, "no timber"}};
}

}  // namespace

std::vector<ElevationClassRange> elevationClassRanges(int minElevation, int maxElevation) {
  std::vector<ElevationClassRange> ranges(kElevationClasses, ElevationClassRange{1, 0});
  for (int z = minElevation; z <= maxElevation; ++z) {
    ElevationClassRange& range =
        ranges[static_cast<std::size_t>(demClass(z, minElevation, maxElevation))];
    if (range.first > range.last) range.first = z;
    range.last = z;
  }
  return ranges;
}

std::vector<LegendEntry> layerLegend(const AppContext& app, MapLayer layer) {
  constexpr Rgb kBlack{0, 0, 0};
  switch (layer) {
    case MapLayer::Terrain: return terrainLegend(app);
    case MapLayer::Volume: return volumeLegend(app);
    case MapLayer::Contours: {
      const int interval = app.doc.contourInterval;
      return {{{kBlack}, interval > 0 ? format("every %.0f m", interval) : "contour line", true}};
    }
    case MapLayer::Streams:
      return {{{{0, 0, 150}}, "stream cell"}, {{{0, 0, 250}}, "fish stream buffer"}};
    case MapLayer::Roads: return {{{{0, 200, 250}}, "existing road cell"}};
    case MapLayer::HarvestUnit:
      return {{{kBlack}, "unit outline", true}, {{kBlack}, "boundary drawn by mouse (thick)", true}};
    case MapLayer::CableRoads:
      return {{{kBlack}, "cable road, landing to tail", true}, {{kBlack}, "tail end cell"}};
    case MapLayer::PlanTimberCells:
      return {{{{200, 200, 200}}, "timber cell yarded in the plan"},
              {{{100, 100, 100}}, "yarding line to its cable road", true},
              {{{255, 0, 0}}, "no cable road reaches it"}};
    case MapLayer::PlanRoads: return {{{{200, 0, 100}}, "road cell of the plan"}};
    case MapLayer::PlanLandings: return {{{{255, 255, 255}}, "landing where a road starts"}};
    case MapLayer::PlanCableRoads: return {{{kBlack}, "cable road used (thick)", true}};
    case MapLayer::Landings: return {{{kBlack}, "landing, with its number"}};
    case MapLayer::TimberExits: return {{{{0, 255, 0}}, "timber exit"}};
  }
  return {};
}

}  // namespace skyrig::gui
