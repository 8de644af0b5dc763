#include "cable/CycleTime.h"

#include <cmath>
#include <cstdio>

#include "document/CableSystemParams.h"

namespace skyrig {

float slopeDistance(const CableWorkArea& work, int k) {
  const float rise = static_cast<float>(work.profile[k].z - work.profile[1].z);
  return std::sqrt(rise * rise + work.profile[k].horDist * work.profile[k].horDist);
}

CycleTimeParts cycleTimeParts(const CableWorkArea& work, const CableSystemParams& p,
                              const CycleTimeInput& in) {
  const float power = p.enginePower * p.powerEfficiency * 746.0f;  // W
  const int n = work.analysedCount;
  const auto& profile = work.profile;

  // Friction work of the dragged log up to the end point e, the first point at least D from
  // the landing point along the slope (or n - 1).
  float friction = 0.0f;
  bool dragged = false;
  int e = 1;
  for (int k = 2; k < n; ++k) {
    const float distance = in.slopeDistances ? in.slopeDistances[k] : slopeDistance(work, k);
    e = k;
    if (distance >= in.slopeDistance) break;
    if (work.groundReaction[k] > 0.0f) {
      const float dz = static_cast<float>(profile[k + 1].z - profile[k].z);
      const float dd = profile[k + 1].horDist - profile[k].horDist;
      friction += in.friction * work.groundReaction[k] * std::sqrt(dz * dz + dd * dd);
      dragged = true;
    }
  }

  const float lift = std::fabs(static_cast<float>(profile[1].z) + in.towerHeight -
                               static_cast<float>(profile[e].z));
  float load = in.payload;
  if (load < p.minPayloadPerTurn)
    load = p.minPayloadPerTurn;
  else if (load > p.maxPayloadPerTurn)
    load = p.maxPayloadPerTurn;

  CycleTimeParts parts;
  if (lift > 0.0f) {
    parts.inhaul =
        (friction * 9.81f +
         (load + in.carriageWeight + in.mainlineLength * in.mainlineUnitWeight) * 9.81f * lift) /
        power;
    const float limit =
        in.slopeDistance / (dragged ? p.maxSpeedPartialSuspension : p.maxSpeedFullSuspension);
    if (parts.inhaul < limit) parts.inhaul = limit;
  }
  parts.outhaul = in.slopeDistance / p.avgOuthaulSpeed;
  return parts;
}

float cycleTime(const CableWorkArea& work, const CableSystemParams& params,
                const CycleTimeInput& input) {
  const CycleTimeParts parts = cycleTimeParts(work, params, input);
  return parts.outhaul + parts.inhaul;
}

CycleTimeReport cycleTimeReport(const CableWorkArea& work, const CableSystemParams& p,
                                float payload, float friction, float towerHeight,
                                float referenceLength, float mainlineUnitWeight,
                                float carriageWeight) {
  CycleTimeInput input{payload,         friction,           towerHeight,   0.67f * referenceLength,
                       referenceLength, mainlineUnitWeight, carriageWeight};
  const CycleTimeParts parts = cycleTimeParts(work, p, input);
  float load = payload;
  if (load < p.minPayloadPerTurn)
    load = p.minPayloadPerTurn;
  else if (load > p.maxPayloadPerTurn)
    load = p.maxPayloadPerTurn;

  CycleTimeReport report;
  report.inhaul = parts.inhaul;
  report.outhaul = std::trunc(parts.outhaul);
  const float total =
      (p.hookTime + p.unhookTime) * (load / p.woodDensity) + report.outhaul + report.inhaul;
  // Whole seconds; a time beyond the int range (a zero speed or power) is shown as the limit.
  report.totalSeconds =
      std::fabs(total) < 2.0e9f ? static_cast<int>(total) : (total > 0 ? 2000000000 : 0);
  char line[64];
  std::snprintf(line, sizeof line, "Loaded: %5.1f min", report.inhaul / 60);
  report.loadedLine = line;
  std::snprintf(line, sizeof line, "Empty: %5.1f min", report.outhaul / 60);
  report.emptyLine = line;
  std::snprintf(line, sizeof line, "One cycle: %5.1f min", report.totalSeconds / 60.0f);
  report.cycleLine = line;
  return report;
}

}  // namespace skyrig
