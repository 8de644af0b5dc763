// The layers of the map as the layer panel lists them, which of them are switched on, and the
// drawing of the map from those switches. The map is a retained picture: a layer switched off
// is removed by drawing the whole map again from the layers still on.
#pragma once

#include <array>
#include <string_view>

namespace skyrig {
struct AppContext;
}

namespace skyrig::gui {

// In drawing order: the base (terrain or volume), the layers over it, the plan, then the
// landings and timber exits on top.
enum class MapLayer {
  Terrain,
  Volume,
  Contours,
  Streams,
  Roads,
  HarvestUnit,
  CableRoads,
  PlanTimberCells,
  PlanRoads,
  PlanLandings,
  PlanCableRoads,
  Landings,
  TimberExits,
};
inline constexpr int kMapLayerCount = static_cast<int>(MapLayer::TimberExits) + 1;

struct MapLayerInfo {
  MapLayer layer;
  const char* name;  // as the panel lists it
  const char* tip;   // what the layer shows and which command draws it
};
const std::array<MapLayerInfo, kMapLayerCount>& mapLayers();

class LayerSwitches {
 public:
  // A new map shows the terrain with the harvest unit, the landings and the timber exits.
  LayerSwitches();
  bool on(MapLayer layer) const { return on_[index(layer)]; }
  // Terrain and volume are the base of the map: switching one on switches the other off.
  void set(MapLayer layer, bool on);
  // The layers a command draws are on afterwards; "" when the command draws no layer.
  void noteCommand(std::string_view commandId);
  // The four layers of a plan.
  void setPlan(bool on);
  friend bool operator==(const LayerSwitches&, const LayerSwitches&) = default;

 private:
  static int index(MapLayer layer) { return static_cast<int>(layer); }
  std::array<bool, kMapLayerCount> on_{};
};

// The commands after which the whole map is drawn again (they clear it or draw a base layer).
bool redrawsWholeMap(std::string_view commandId);

// The document or the view holds something to draw for the layer.
bool layerHasData(const AppContext& app, MapLayer layer);

// Clears the map and draws every layer that is on and has data, in drawing order. The view's
// volumeShown follows the base, so the mouse reports the layer that is seen.
void drawMapLayers(AppContext& app, const LayerSwitches& switches);

}  // namespace skyrig::gui
