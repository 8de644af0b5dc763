// Cost per unit of volume of yarding one timber cell over a cable road: turns from the
// payload, hook and unhook time, lateral time with its distance multipliers, yarding cycle
// time and delays, priced at the system's hourly cost.
#pragma once

#include <optional>

#include "document/CableSystemParams.h"

namespace skyrig {

// `payload` and `cycleTime` are those of the chosen profile point (kg, s); `factor` and
// `distance` the reach's distance factor and lateral distance (m). No cost when the payload
// per turn is below 1 kg: that road cannot yard the cell.
std::optional<float> yardingVariableCost(const CableSystemParams& system, float volume,
                                         float payload, float cycleTime, float factor,
                                         double distance);

// Fixed cost of rigging a cable road: road change hours plus the intermediate supports.
float cablewayFixedCost(const CableSystemParams& system, int supportCount);

// Fixed cost of setting a system up at a landing: initial setup hours plus the move-in.
float setupFixedCost(const CableSystemParams& system);

}  // namespace skyrig
