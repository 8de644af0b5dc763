// The plan of the last separate run as GIS layers: landings, cable roads, intermediate
// supports, new road links, timber exits and harvest-unit cells, with the attributes a planner
// reads in a GIS, and the per-cell classes of the plan raster. Coordinates are the cell centres
// in the DTM's coordinate system (Georeference of the document).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gis/FeatureLayers.h"
#include "gis/GisFiles.h"

namespace skyrig {

struct AppContext;
struct PlanSolution;

// Classes of plan.tif: 1..90 served by that landing; the values below for unit cells that are
// not served; 0 outside the harvest unit (no data).
inline constexpr std::uint8_t kClassNoTimber = 251;      // unit cell without volume
inline constexpr std::uint8_t kClassUnreachable = 252;   // no cable road reaches it
inline constexpr std::uint8_t kClassNotInPlan = 253;     // reached, but the plan does not yard it

struct PlanLayers {
  std::vector<gis::FeatureLayer> layers;  // landings, cable_roads, ... in that order
  std::vector<gis::Waypoint> waypoints;   // landings, tail spars, supports of the roads used
  std::vector<std::uint8_t> classes;      // ncols x nrows, row by row from the north
  std::vector<gis::ClassColour> colours;  // colour table, entry i for class i
  int landingsUsed = 0;
  int cablewaysUsed = 0;
};

// Gathers the layers of `solution` over the document's grids, landings and cable roads.
PlanLayers gatherPlanLayers(const AppContext& app, const PlanSolution& solution);

// The centre of cell (c, r) in the DTM's coordinate system.
gis::Coordinate cellCentre(const AppContext& app, int c, int r);

}  // namespace skyrig
