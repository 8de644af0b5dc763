// The payload analysis of the profile check: the cable road payload model run on the dialog's
// own copy of the road (no cycle time per point, no smoothing, nothing written to the
// document), and the cycle time report for the road's payload.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "cable/ProfileCheckData.h"
#include "cable/ProfileCheckPicture.h"

namespace skyrig {

struct ProfileCheckResults {
  std::array<float, kProfileSlots> payload{};         // kg per point, 0 at supports
  std::array<float, kProfileSlots> groundReaction{};  // kg, -1 where the log is not dragged
  float minPayload = 0.0f;                            // kg
  float referenceLength = 0.0f;                       // L0, m
};

// Called once for every analysed point that is not a support, when its load is fixed.
using LoadObserver = std::function<void(const LoadGeometry&)>;

// Analyses points 2..tailPoint - 1; false when the payload model is not available.
bool analyseProfileCheckPayload(const ProfileCheckData& data, ProfileCheckResults& results,
                                const LoadObserver& onLoad);

// "Loaded: %5.1f min", "Empty: %5.1f min" and "One cycle: %5.1f min" for a payload.
std::array<std::string, 3> profileCheckCycleLines(const ProfileCheckData& data,
                                                  const ProfileCheckResults& results,
                                                  float payload);

}  // namespace skyrig
