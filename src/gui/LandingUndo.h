// Undo of the last landing placement or deletion: the landing tables as they were before it
// (landings, their costs and analysis flags, cable roads and their analysed results).
#pragma once

#include <memory>
#include <string>

#include "document/CSkyrigDoc.h"

namespace skyrig::gui {

struct LandingTables {
  PerLanding<Landing> landings{};
  std::int32_t landingCount = 0;
  std::int32_t currentCableSystem = 0;
  PerLanding<std::uint8_t> landingAnalysed{};
  PerLanding<float> landingConstructionCost{};
  PerLanding<std::int32_t> landingSharedTower{};
  PerCableway<CablewayRecord> cableways{};
  PerCableway<float> cablewayMinPayload{};
  PerCableway<float> cablewayCycleTime{};
  PerCableway<float> tailSparHeight{};
  PerProfilePoint<float> profilePayload{};
  PerProfilePoint<float> profileCycleTime{};
  friend bool operator==(const LandingTables&, const LandingTables&) = default;
};

std::unique_ptr<LandingTables> captureLandingTables(const CSkyrigDoc& doc);
void restoreLandingTables(CSkyrigDoc& doc, const LandingTables& tables);

// One step of undo: what the landings were, and what the step did ("Landing 3 placed").
struct LandingUndo {
  std::unique_ptr<LandingTables> before;
  std::string what;
  bool available() const { return before != nullptr; }
};

// What changed between two states of the landing tables: "landing 3 placed", "landing 2
// deleted", "landing 4 moved"; "" when the landings are the same.
std::string describeLandingChange(const LandingTables& before, const CSkyrigDoc& after);

}  // namespace skyrig::gui
