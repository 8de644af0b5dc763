#include "MapLayerSet.h"

#include <algorithm>
#include <string>

#include "document/CSkyrigDoc.h"
#include "layers/ContourLines.h"
#include "layers/StreamBuffer.h"
#include "runs/ResultDrawing.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/MapLayers.h"

namespace skyrig::gui {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kTimberExitGreen{0, 255, 0};
constexpr Rgb kStreamBlue{0, 0, 150};

template <typename T, typename Test>
bool anyCell(const CSkyrigDoc& doc, const Grid<T>& grid, Test test) {
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r)
      if (test(grid(c, r))) return true;
  return false;
}

int placedLandingLimit(const CSkyrigDoc& doc) { return std::clamp(doc.landingCount, 0, kMaxLandings); }

bool landingIsPlaced(const CSkyrigDoc& doc, int i) {
  const Landing& site = doc.landings[static_cast<std::size_t>(i)];
  return site.system >= 1 && isInsideGrid(doc, site.col, site.row);
}

bool hasGeneratedRoads(const CSkyrigDoc& doc) {
  for (int i = 1; i <= placedLandingLimit(doc); ++i)
    for (int j = 0; j < kCablewaysPerLanding; ++j)
      if (landingIsPlaced(doc, i) && doc.cableways[i][j].pointCount > 5) return true;
  return false;
}

void fillBase(AppContext& app, bool volume) {
  const CSkyrigDoc& doc = app.doc;
  const CSkyrigView& view = app.view;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      const int z = doc.dtm(c, r).z;
      if (z <= 0) continue;
      const int entry = volume ? 30 + volumeClass(doc.volumeGridOriginal(c, r))
                               : demClass(z, doc.minElevation, doc.maxElevation);
      fillCell(doc, app.canvas, c, r, view.palette[static_cast<std::size_t>(entry)]);
    }
}

// The stream cells with their buffer once one was made, else the stream cells alone.
void drawStreams(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  if (doc.streamBufferWidth >= 1) {
    drawStreamsAndBuffer(doc, app.canvas);
    return;
  }
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.streamGrid(c, r) > 0) fillCell(doc, app.canvas, c, r, kStreamBlue);
}

// The generated fans as Cableways > Generate draws them: a black end cell and a thin line to
// the landing for every road with more than five profile points.
void drawGeneratedRoads(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  for (int i = 1; i <= placedLandingLimit(doc); ++i) {
    if (!landingIsPlaced(doc, i)) continue;
    const Landing& site = doc.landings[static_cast<std::size_t>(i)];
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const CablewayRecord& road = doc.cableways[i][j];
      if (road.pointCount <= 5 || !isInsideGrid(doc, road.endCol, road.endRow)) continue;
      fillCell(doc, app.canvas, road.endCol, road.endRow, kBlack);
      cellLine(doc, app.view, app.canvas, road.endCol, road.endRow, site.col, site.row, 1, kBlack);
    }
  }
}

void drawLandings(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  for (int i = 1; i <= placedLandingLimit(doc); ++i) {
    if (!landingIsPlaced(doc, i)) continue;
    const Landing& site = doc.landings[static_cast<std::size_t>(i)];
    fillCell(doc, app.canvas, site.col, site.row, kBlack);
    labelCell(doc, app.canvas, site.col, site.row, std::to_string(i));
  }
}

void drawTimberExits(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  for (int i = 1; i <= std::clamp(doc.timberExitCount, 0, kMaxTimberExits); ++i) {
    const auto& exit = doc.timberExits[static_cast<std::size_t>(i)];
    fillCell(doc, app.canvas, exit.col, exit.row, kTimberExitGreen);
  }
}

}  // namespace

const std::array<MapLayerInfo, kMapLayerCount>& mapLayers() {
  static const std::array<MapLayerInfo, kMapLayerCount> layers = {{
      {MapLayer::Terrain, "Terrain", "Elevation classes of the DTM (Layers > DEM > Show DEM)"},
      {MapLayer::Volume, "Timber volume", "Volume classes of the timber cells (Layers > Volume > Show Volume)"},
      {MapLayer::Contours, "Contour lines", "Contour lines at the contour interval (Layers > DEM > Draw Contour Lines)"},
      {MapLayer::Streams, "Streams", "Stream cells and their fish stream buffer (Layers > Streams > Show Streams)"},
      {MapLayer::Roads, "Existing roads", "Road cells of the roads layer (Layers > Roads > ShowRoads)"},
      {MapLayer::HarvestUnit, "Harvest unit", "Outline of the harvest unit and the drawn boundary (Layers > Harvest Area > Show Harvest Area)"},
      {MapLayer::CableRoads, "Cable roads", "The generated fans of cable roads (Cableways > Generate)"},
      {MapLayer::PlanTimberCells, "Plan: timber cells", "Timber cells of the plan with their yarding lines (Results > Show Timber Cells)"},
      {MapLayer::PlanRoads, "Plan: roads", "Road cells of the plan (Results > Show Roads)"},
      {MapLayer::PlanLandings, "Plan: road starts", "Landings where the plan's roads start (Results > Show Landings)"},
      {MapLayer::PlanCableRoads, "Plan: cable roads", "Cable roads the plan uses (Results > Show Cableways)"},
      {MapLayer::Landings, "Landings", "Landing cells with their numbers"},
      {MapLayer::TimberExits, "Timber exits", "Where the logs leave the area (Network > Roads > Timber Exits)"},
  }};
  return layers;
}

LayerSwitches::LayerSwitches() {
  on_[index(MapLayer::Terrain)] = true;
  on_[index(MapLayer::HarvestUnit)] = true;
  on_[index(MapLayer::Landings)] = true;
  on_[index(MapLayer::TimberExits)] = true;
}

void LayerSwitches::set(MapLayer layer, bool on) {
  on_[index(layer)] = on;
  if (!on) return;
  if (layer == MapLayer::Terrain) on_[index(MapLayer::Volume)] = false;
  if (layer == MapLayer::Volume) on_[index(MapLayer::Terrain)] = false;
}

void LayerSwitches::setPlan(bool on) {
  for (MapLayer layer : {MapLayer::PlanTimberCells, MapLayer::PlanRoads, MapLayer::PlanLandings,
                         MapLayer::PlanCableRoads})
    on_[index(layer)] = on;
}

void LayerSwitches::noteCommand(std::string_view id) {
  if (id == "LayersShowDem") set(MapLayer::Terrain, true);
  else if (id == "LayersShowVolume") set(MapLayer::Volume, true);
  else if (id == "LayersDrawContours" || id == "LayersChangeContourInterval") set(MapLayer::Contours, true);
  else if (id == "LayersShowStreams" || id == "LayersCreateBuffer") set(MapLayer::Streams, true);
  else if (id == "LayersShowRoads") set(MapLayer::Roads, true);
  else if (id == "LayersShowHarvestArea") set(MapLayer::HarvestUnit, true);
  else if (id == "CablewaysGenerate") set(MapLayer::CableRoads, true);
  else if (id == "ResultsShowTimberCells") set(MapLayer::PlanTimberCells, true);
  else if (id == "ResultsShowRoads") set(MapLayer::PlanRoads, true);
  else if (id == "ResultsShowLandings") set(MapLayer::PlanLandings, true);
  else if (id == "ResultsShowCableways") set(MapLayer::PlanCableRoads, true);
  else if (id == "ResultsShowAll" || id == "NetworkOptimizing" || id == "ResultsOpenFile") setPlan(true);
  else if (id == "ResultsClearHarvestUnit") setPlan(false);
}

bool redrawsWholeMap(std::string_view id) {
  return id == "ZoomIn" || id == "ZoomOut" || id == "LayersShowDem" || id == "LayersShowVolume" ||
         id == "NetworkRoadsDraw" || id == "CablewaysGenerate" || id == "LayersCreateBuffer" ||
         id == "LayersShowStreams";
}

bool layerHasData(const AppContext& app, MapLayer layer) {
  const CSkyrigDoc& doc = app.doc;
  const RunWorkArea& runs = app.view.runs;
  if (doc.ncols < 1 || doc.nrows < 1) return false;
  switch (layer) {
    case MapLayer::Terrain: return true;
    case MapLayer::Volume:
      return anyCell(doc, doc.volumeGridOriginal, [](float v) { return v > 0.0f; });
    case MapLayer::Contours: return doc.contours.tracedMarker == 0 && doc.contours.allocated();
    case MapLayer::Streams:
      return anyCell(doc, doc.streamGrid, [](std::uint16_t v) { return v > 0; }) ||
             anyCell(doc, doc.streamBufferGrid, [](std::uint16_t v) { return v > 0; });
    case MapLayer::Roads: return anyCell(doc, doc.roadGrid, [](std::uint16_t v) { return v > 0; });
    case MapLayer::HarvestUnit:
      return doc.boundaryPointCount > 0 ||
             anyCell(doc, doc.harvestUnitGrid, [](std::uint16_t v) { return v > 0; });
    case MapLayer::CableRoads: return hasGeneratedRoads(doc);
    case MapLayer::PlanTimberCells:
    case MapLayer::PlanCableRoads: return runs.cableAssignments.count > 0;
    case MapLayer::PlanRoads: return runs.roadPathCells.count > 0;
    case MapLayer::PlanLandings: return runs.roadStartCells.count > 0;
    case MapLayer::Landings:
      for (int i = 1; i <= placedLandingLimit(doc); ++i)
        if (landingIsPlaced(doc, i)) return true;
      return false;
    case MapLayer::TimberExits: return doc.timberExitCount > 0;
  }
  return false;
}

void drawMapLayers(AppContext& app, const LayerSwitches& switches) {
  app.canvas.clear();
  const auto shown = [&](MapLayer layer) { return switches.on(layer) && layerHasData(app, layer); };
  if (shown(MapLayer::Terrain) || shown(MapLayer::Volume)) fillBase(app, shown(MapLayer::Volume));
  app.view.volumeShown = shown(MapLayer::Volume) ? 1 : 0;
  if (shown(MapLayer::Contours)) drawContourStore(app.doc, app.canvas);
  if (shown(MapLayer::Streams)) drawStreams(app);
  if (shown(MapLayer::Roads)) drawRoadCells(app.doc, app.canvas);
  if (shown(MapLayer::HarvestUnit)) drawOverlay(app.doc, app.view, app.canvas);
  if (shown(MapLayer::CableRoads)) drawGeneratedRoads(app);
  if (shown(MapLayer::PlanTimberCells)) showTimberCells(app);
  if (shown(MapLayer::PlanRoads)) showRoads(app);
  if (shown(MapLayer::PlanLandings)) showLandings(app);
  if (shown(MapLayer::PlanCableRoads)) showCableways(app);
  if (shown(MapLayer::Landings)) drawLandings(app);
  if (shown(MapLayer::TimberExits)) drawTimberExits(app);
}

}  // namespace skyrig::gui
