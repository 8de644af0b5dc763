#include "network/YardingCost.h"

#include <climits>

namespace skyrig {

namespace {

// Truncation toward zero, held inside the int range so that "+ 1" cannot overflow.
int truncated(float value) {
  if (!(value == value)) return 0;
  if (value >= 2147483520.0f) return INT_MAX - 1;
  if (value <= -2147483520.0f) return INT_MIN + 1;
  return static_cast<int>(value);
}

}  // namespace

std::optional<float> yardingVariableCost(const CableSystemParams& system, float volume,
                                         float payload, float cycleTime, float factor,
                                         double distance) {
  const float perTurn = payload < system.maxPayloadPerTurn ? payload : system.maxPayloadPerTurn;
  if (!(perTurn >= 1.0f)) return std::nullopt;
  const int turns = truncated(volume * system.woodDensity) / truncated(perTurn) + 1;

  const float hookTime = (system.hookTime + system.unhookTime) * volume;
  const float lateralYardingDistance = system.maxLateralYardingDistance;
  float multiplier = system.lateralMultiplierLastThird;
  if (distance < static_cast<double>(0.333f * lateralYardingDistance))
    multiplier = system.lateralMultiplierFirstThird;
  else if (distance < static_cast<double>(0.667f * lateralYardingDistance))
    multiplier = system.lateralMultiplierSecondThird;
  const float lateralTime = static_cast<float>(
      turns * (static_cast<double>(factor) * distance /
               static_cast<double>(system.lateralYardingSpeed) * multiplier));
  const float yardingTime = static_cast<float>(turns) * cycleTime;

  float total = hookTime + lateralTime + yardingTime;  // s
  total = (system.delayPercent / 100.0f) * total + total;
  return (total / 3600.0f * system.hourlyCost) / volume;
}

float cablewayFixedCost(const CableSystemParams& system, int supportCount) {
  float cost = system.roadChangeHours * system.hourlyCost;
  if (supportCount > 0) cost = cost + static_cast<float>(supportCount) * system.riggingCost;
  return cost;
}

float setupFixedCost(const CableSystemParams& system) {
  return system.initialSetupHours * system.hourlyCost + system.moveInCost;
}

}  // namespace skyrig
