#include "network/CableNetworkBuilder.h"

#include "network/CableReach.h"
#include "network/ExportFile.h"
#include "network/NetworkCapacity.h"
#include "network/SharedTower.h"
#include "network/YardingCost.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

enum class Variant { Separate, Combined };

int placedLandingCount(const CSkyrigDoc& doc) {
  return doc.landingCount < kMaxLandings ? doc.landingCount : kMaxLandings;
}

// Yarding, road and setup links of every timber cell; false on overflow.
bool appendYardingLinks(CSkyrigDoc& doc, LinkAppender& out, Variant variant) {
  const UnitBox box = unitBoxInGrid(doc);
  const NearestCellSearch finder(doc);
  const int landingCount = placedLandingCount(doc);
  PerCableway<bool> roadLinked{};
  PerLanding<bool> setupLinked{};
  Grid<std::uint8_t>& reached = doc.network.reachedByCable;
  reached.fill(0);

  for (int row = box.minRow; row <= box.maxRow; ++row)
    for (int col = box.minCol; col <= box.maxCol; ++col) {
      const float volume = doc.volumeGrid(col, row);
      if (doc.unitCellFlags(col, row) != 1 || !(volume > 0)) continue;
      const NodeName cell =
          variant == Variant::Separate ? cellNode(col, row) : virtualCellNode(col, row);
      for (int landing = 1; landing <= landingCount; ++landing) {
        const auto l = static_cast<std::size_t>(landing);
        const int system = doc.landings[l].system;
        if (system < 1 || system > kCableSystemCount) continue;  // no parameter set
        if (!isInsideGrid(doc, doc.landings[l].col, doc.landings[l].row)) continue;
        const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(system)];
        for (int road = 0; road < kCablewaysPerLanding; ++road) {
          const auto k = static_cast<std::size_t>(road);
          const CablewayRecord& way = doc.cableways[l][k];
          if (way.pointCount <= 5 || way.pointCount > kMaxProfilePoints) continue;
          if (!isInsideGrid(doc, way.endCol, way.endRow)) continue;
          const CableReach reach = cableReach(doc, finder, landing, road, col, row,
                                              variant == Variant::Separate);
          if (!(reach.factor > 0)) continue;
          const auto p = static_cast<std::size_t>(reach.point);
          const std::optional<float> cost =
              yardingVariableCost(params, volume, doc.profilePayload[l][k][p],
                                  doc.profileCycleTime[l][k][p], reach.factor, reach.distance);
          if (!cost) continue;
          const NodeName cableway = cablewayNode(road, system, landing);
          if (!out.add(cell, cableway, *cost, 0.0f)) return false;
          if (!roadLinked[l][k]) {
            roadLinked[l][k] = true;
            if (!out.add(cableway, setupNode(system, landing), 0.0f,
                         cablewayFixedCost(params, way.supportCount)))
              return false;
            if (!setupLinked[l]) {
              setupLinked[l] = true;
              if (!out.add(setupNode(system, landing),
                           landingNode(representativeLanding(doc, landing)), 0.0f,
                           setupFixedCost(params)))
                return false;
            }
          }
          reached(col, row) = 1;
        }
      }
    }

  // Applied after the scan (each cell reads only its own volume) so that an overflowing
  // build leaves the volume grid as it was.
  for (int row = box.minRow; row <= box.maxRow; ++row)
    for (int col = box.minCol; col <= box.maxCol; ++col)
      if (doc.unitCellFlags(col, row) == 1 && doc.volumeGrid(col, row) > 0 &&
          reached(col, row) == 0)
        doc.volumeGrid(col, row) = -1.0f;
  return true;
}

bool sharesTower(const CSkyrigDoc& doc, int landing) {
  return doc.landingSharedTower[static_cast<std::size_t>(landing)] > 0;
}

// Landing-to-"DummyDest1" links of the landings that share no other landing's tower.
bool appendSinkLinks(const CSkyrigDoc& doc, LinkAppender& out,
                     const PerLanding<float>& transportVariableCost,
                     const PerLanding<float>& transportFixedCost, int iteration) {
  const int landingCount = placedLandingCount(doc);
  for (int landing = 1; landing <= landingCount; ++landing) {
    if (sharesTower(doc, landing)) continue;
    const auto l = static_cast<std::size_t>(landing);
    const float construction = doc.landingConstructionCost[l];
    float fixed;
    if (iteration < 2) {
      fixed = transportFixedCost[l] + construction;
    } else {
      const int k = iteration > 10 ? 1 : iteration;
      fixed = static_cast<float>(k) * construction + transportFixedCost[l];
    }
    if (!out.add(landingNode(landing), cableSinkNode(), transportVariableCost[l], fixed))
      return false;
  }
  return true;
}

}  // namespace

bool buildCableNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui,
                       const PerLanding<float>& transportVariableCost,
                       const PerLanding<float>& transportFixedCost, int iteration) {
  LinkTable& links = doc.network.links;
  if (iteration >= 2) {
    links = doc.network.savedCableLinks;
    LinkAppender out(links, nullptr, doc, ui, "cable");
    return appendSinkLinks(doc, out, transportVariableCost, transportFixedCost, iteration);
  }
  links.clear();
  ExportFile file(paths, ui, kCableLinkFile);
  LinkAppender out(links, &file, doc, ui, "cable");
  if (!appendYardingLinks(doc, out, Variant::Separate)) return false;
  doc.network.savedCableLinks = links;
  return appendSinkLinks(doc, out, transportVariableCost, transportFixedCost, iteration);
}

bool buildCombinedCableNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  LinkTable& links = doc.network.links;
  links.clear();
  ExportFile file(paths, ui, kCableLinkFile);
  LinkAppender out(links, &file, doc, ui, "combined");
  if (!appendYardingLinks(doc, out, Variant::Combined)) return false;
  const int landingCount = placedLandingCount(doc);
  for (int landing = 1; landing <= landingCount; ++landing) {
    if (sharesTower(doc, landing)) continue;
    const Landing& site = doc.landings[static_cast<std::size_t>(landing)];
    if (!out.add(landingNode(landing), cellNode(site.col, site.row), 0.0f,
                 doc.landingConstructionCost[static_cast<std::size_t>(landing)]))
      return false;
  }
  return true;
}

}  // namespace skyrig
