// Parameter set of one cable yarding system: cable and log figures (fields 0..23) and the
// operating figures (fields 24..47). Labels, units, ranges and the defaults of systems 1..5
// are in the parameter table (CableSystemTable.h).
#pragma once

#include <cstdint>
#include <string>

namespace skyrig {

inline constexpr int kCableSystemCount = 5;

struct CableSystemParams {
  CableSystemParams();  // the generic defaults (systems 4 and 5)

  std::string name;  // at most 20 characters
  float maxYardingDistance = 0;  // 0, m
  float maxLateralYardingDistance = 0;  // 1, m
  float towerHeight = 0;  // 2, m
  float intSupportHeight = 0;  // 3, m
  float maxSparTreeHeight = 0;  // 4, m
  float minSparTreeHeight = 0;  // 5, m
  float maxSkylineTension = 0;  // 6, kg
  float maxMainlineTension = 0;  // 7, kg
  float skylineUnitWeight = 0;  // 8, kg/m
  float mainlineUnitWeight = 0;  // 9, kg/m
  float haulbackUnitWeight = 0;  // 10, kg/m
  float carriageWeight = 0;  // 11, kg
  float effectiveChokerLength = 0;  // 12, m
  float carriageDepth = 0;  // 13, m
  float logLength = 0;  // 14, m
  float logDiameter = 0;  // 15, m
  float logToGroundAngle = 0;  // 16, rad (10 degrees with pi = 3.141592)
  float frictionCoefficient = 0;  // 17
  float groundClearance = 0;  // 18, m
  float allowableDeflection = 0;  // 19, fraction of the span
  float slopeLimitWithoutHaulback = 0;  // 20, %
  float maxSlopeChange = 0;  // 21, %
  std::int32_t maxIntSupports = 0;  // 22
  std::uint8_t parametersChanged = 0;  // 23: edited since its roads were generated
  std::uint8_t englishUnits = 0;  // shown only; nothing converts units
  std::uint8_t haulbackLine = 0;
  std::uint8_t downhillAvailable = 0;

  float woodDensity = 0;  // 24, kg/m3
  float powerEfficiency = 0;  // 25
  float enginePower = 0;  // 26, hp
  float hookTime = 0;  // 27, sec/m3
  float riggingCost = 0;  // 28, $/tree
  float unhookTime = 0;  // 29, sec/m3
  float hourlyCost = 0;  // 30, $/hr
  float delayPercent = 0;  // 31, %
  float fellingCost = 0;  // 32, $/m3
  float moveInCost = 0;  // 33, $/move
  float initialSetupHours = 0;  // 34, hours
  float roadChangeHours = 0;  // 35, hours
  float maxPayloadPerTurn = 0;  // 36, kg
  float minPayloadPerTurn = 0;  // 37, kg
  float loadFactor = 0;  // 38
  float maxSpeedPartialSuspension = 0;  // 39, m/sec
  float maxSpeedFullSuspension = 0;  // 40, m/sec
  float avgOuthaulSpeed = 0;  // 41, m/sec
  float lateralYardingSpeed = 0;  // 42, m/sec
  float beyondLateralZoneMultiplier = 0;  // 43, times
  float lateralMultiplierFirstThird = 0;  // 44, times
  float lateralMultiplierSecondThird = 0;  // 45, times
  float lateralMultiplierLastThird = 0;  // 46, times
  float giveUpDistance = 0;  // 47, m

  friend bool operator==(const CableSystemParams&, const CableSystemParams&) = default;
};

// Defaults of system 1..5; any other number gives the generic set.
CableSystemParams defaultCableSystem(int system);

// The float fields by their number 0..21 and 24..47; nullptr for 22, 23 and out of range.
float* cableSystemFloatField(CableSystemParams& params, int fieldNumber);
const float* cableSystemFloatField(const CableSystemParams& params, int fieldNumber);

}  // namespace skyrig
