#include "LandingUndo.h"

#include <algorithm>

namespace skyrig::gui {

std::unique_ptr<LandingTables> captureLandingTables(const CSkyrigDoc& doc) {
  auto t = std::make_unique<LandingTables>();
  t->landings = doc.landings;
  t->landingCount = doc.landingCount;
  t->currentCableSystem = doc.currentCableSystem;
  t->landingAnalysed = doc.landingAnalysed;
  t->landingConstructionCost = doc.landingConstructionCost;
  t->landingSharedTower = doc.landingSharedTower;
  t->cableways = doc.cableways;
  t->cablewayMinPayload = doc.cablewayMinPayload;
  t->cablewayCycleTime = doc.cablewayCycleTime;
  t->tailSparHeight = doc.tailSparHeight;
  t->profilePayload = doc.profilePayload;
  t->profileCycleTime = doc.profileCycleTime;
  return t;
}

void restoreLandingTables(CSkyrigDoc& doc, const LandingTables& t) {
  doc.landings = t.landings;
  doc.landingCount = t.landingCount;
  doc.currentCableSystem = t.currentCableSystem;
  doc.landingAnalysed = t.landingAnalysed;
  doc.landingConstructionCost = t.landingConstructionCost;
  doc.landingSharedTower = t.landingSharedTower;
  doc.cableways = t.cableways;
  doc.cablewayMinPayload = t.cablewayMinPayload;
  doc.cablewayCycleTime = t.cablewayCycleTime;
  doc.tailSparHeight = t.tailSparHeight;
  doc.profilePayload = t.profilePayload;
  doc.profileCycleTime = t.profileCycleTime;
}

std::string describeLandingChange(const LandingTables& before, const CSkyrigDoc& after) {
  const auto placed = [](const PerLanding<Landing>& landings, int count) {
    int n = 0;
    for (int i = 1; i <= std::min(count, kMaxLandings); ++i) n += landings[i].system > 0 ? 1 : 0;
    return n;
  };
  const int was = placed(before.landings, before.landingCount);
  const int now = placed(after.landings, after.landingCount);
  if (now > was) return "landing " + std::to_string(after.landingCount) + " placed";
  if (now < was || after.landingCount < before.landingCount) {
    // The first slot that changed is the deleted landing's (the ones above it moved down).
    for (int i = 1; i <= std::min(before.landingCount, kMaxLandings); ++i)
      if (i > after.landingCount || !(before.landings[i] == after.landings[i]))
        return "landing " + std::to_string(i) + " deleted";
    return "landing deleted";
  }
  for (int i = 1; i <= std::min(after.landingCount, kMaxLandings); ++i)
    if (!(before.landings[i] == after.landings[i])) return "landing " + std::to_string(i) + " moved";
  return {};
}

}  // namespace skyrig::gui
