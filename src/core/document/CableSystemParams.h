// Parameter set of one cable yarding system: cable and log figures (fields 0..23) and the
// operating figures (fields 24..47), with the defaults of systems 1..5.
#pragma once

#include <cstdint>
#include <string>

namespace skyrig {

inline constexpr int kCableSystemCount = 5;

struct CableSystemParams {
  std::string name = "?";  // at most 20 characters
  float maxYardingDistance = 300;         // 0, m
  float maxLateralYardingDistance = 50;   // 1, m
  float towerHeight = 12;                 // 2, m
  float intSupportHeight = 12;            // 3, m
  float maxSparTreeHeight = 15;           // 4, m
  float minSparTreeHeight = 12;           // 5, m
  float maxSkylineTension = 10000;        // 6, kg
  float maxMainlineTension = 10000;       // 7, kg
  float skylineUnitWeight = 1.5f;         // 8, kg/m
  float mainlineUnitWeight = 1.2f;        // 9, kg/m
  float haulbackUnitWeight = 0.9f;        // 10, kg/m
  float carriageWeight = 180;             // 11, kg
  float effectiveChokerLength = 3.0f;     // 12, m
  float carriageDepth = 0.7f;             // 13, m
  float logLength = 12;                   // 14, m
  float logDiameter = 0.3f;               // 15, m
  float logToGroundAngle = 0.17453289f;   // 16, rad (10 degrees with pi = 3.141592)
  float frictionCoefficient = 0.6f;       // 17
  float groundClearance = 6.0f;           // 18, m
  float allowableDeflection = 0.07f;      // 19, fraction of the span
  float slopeLimitWithoutHaulback = -20;  // 20, %
  float maxSlopeChange = 50;              // 21, %
  std::int32_t maxIntSupports = 5;        // 22
  std::uint8_t parametersChanged = 0;     // 23: edited since its roads were generated
  std::uint8_t englishUnits = 0;          // shown only; nothing converts units
  std::uint8_t haulbackLine = 0;
  std::uint8_t downhillAvailable = 0;

  float woodDensity = 700;                   // 24, kg/m3
  float powerEfficiency = 0.65f;             // 25
  float enginePower = 300;                   // 26, hp
  float hookTime = 60;                       // 27, sec/m3
  float riggingCost = 200;                   // 28, $/tree
  float unhookTime = 30;                     // 29, sec/m3
  float hourlyCost = 300;                    // 30, $/hr
  float delayPercent = 20;                   // 31, %
  float fellingCost = 15;                    // 32, $/m3
  float moveInCost = 3000;                   // 33, $/move
  float initialSetupHours = 4;               // 34, hours
  float roadChangeHours = 1;                 // 35, hours
  float maxPayloadPerTurn = 3000;            // 36, kg
  float minPayloadPerTurn = 1000;            // 37, kg
  float loadFactor = 0.8f;                   // 38
  float maxSpeedPartialSuspension = 5;       // 39, m/sec
  float maxSpeedFullSuspension = 15;         // 40, m/sec
  float avgOuthaulSpeed = 20;                // 41, m/sec
  float lateralYardingSpeed = 1.0f;          // 42, m/sec
  float beyondLateralZoneMultiplier = 10;    // 43, times
  float lateralMultiplierFirstThird = 1.0f;  // 44, times
  float lateralMultiplierSecondThird = 1.5f; // 45, times
  float lateralMultiplierLastThird = 2.0f;   // 46, times
  float giveUpDistance = 150;                // 47, m

  friend bool operator==(const CableSystemParams&, const CableSystemParams&) = default;
};

// Defaults of system 1..5; any other number gives the generic set.
CableSystemParams defaultCableSystem(int system);

// The float fields by their number 0..21 and 24..47; nullptr for 22, 23 and out of range.
float* cableSystemFloatField(CableSystemParams& params, int fieldNumber);
const float* cableSystemFloatField(const CableSystemParams& params, int fieldNumber);

}  // namespace skyrig
