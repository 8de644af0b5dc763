// Yarding cycle time: the empty outhaul plus the loaded inhaul, energy based (lifting the
// load, carriage and mainline to the tower plus the friction work of a dragged log, divided by
// the yarder's effective power) and never faster than the operation's speed limits.
#pragma once

#include <string>

#include "document/CableWorkArea.h"

namespace skyrig {

struct CableSystemParams;

// What the cycle time of one turn depends on beside the profile.
struct CycleTimeInput {
  float payload = 0.0f;             // kg
  float friction = 0.0f;            // coefficient of the log on the ground
  float towerHeight = 0.0f;         // m
  float slopeDistance = 0.0f;       // D, m from the landing point
  float mainlineLength = 0.0f;      // m
  float mainlineUnitWeight = 0.0f;  // kg/m
  float carriageWeight = 0.0f;      // kg
  // Slope distance of every profile point from point 1 (m), when the caller has them at hand
  // (the same values the cycle time would compute); nullptr computes them.
  const float* slopeDistances = nullptr;
};

// Slope distance of profile point k from point 1, m.
float slopeDistance(const CableWorkArea& work, int k);

// The two parts of a cycle, s.
struct CycleTimeParts {
  float inhaul = 0.0f;   // loaded
  float outhaul = 0.0f;  // empty
};

// Cycle time parts over work's profile (analysed count and ground reactions) with the yarder
// and operation figures of `params`.
CycleTimeParts cycleTimeParts(const CableWorkArea& work, const CableSystemParams& params,
                              const CycleTimeInput& input);

// Seconds of one cycle: outhaul + inhaul.
float cycleTime(const CableWorkArea& work, const CableSystemParams& params,
                const CycleTimeInput& input);

// The profile check's cycle report for a road with reference skyline length L0: D = 0.67 L0,
// the outhaul in whole seconds, and the hook and unhook time of the load added.
struct CycleTimeReport {
  int totalSeconds = 0;
  float inhaul = 0.0f;     // s
  float outhaul = 0.0f;    // s, whole seconds
  std::string loadedLine;  // "Loaded: %5.1f min"
  std::string emptyLine;   // "Empty: %5.1f min"
  std::string cycleLine;   // "One cycle: %5.1f min"
};
CycleTimeReport cycleTimeReport(const CableWorkArea& work, const CableSystemParams& params,
                                float payload, float friction, float towerHeight,
                                float referenceLength, float mainlineUnitWeight,
                                float carriageWeight);

}  // namespace skyrig
