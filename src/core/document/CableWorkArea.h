// Working state of the cable road analyses: the ground profile, support marks, span chords,
// condition flags and the carriage geometry of one analysis. The map view owns one instance
// (used by every sequential caller); the parallel batch analysis gives each worker its own.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace skyrig {

inline constexpr int kProfilePointSlots = 101;  // points 1..100, slot 0 holds nothing
inline constexpr int kMaxProfileCount = 100;

struct ProfilePoint {
  std::int32_t col = 0;
  std::int32_t row = 0;
  std::int32_t z = 0;             // elevation, m
  float horDist = 0.0f;           // horizontal distance from the landing cell's centre, m
  std::uint8_t streamBuffer = 0;  // 1 = the cell lies in the stream buffer
};

// Conditions that make a cable road unusable (the six flags of one analysis).
struct ConditionFlags {
  std::uint8_t downhillYarding = 0;
  std::uint8_t needsHaulback = 0;
  std::uint8_t payloadTooSmall = 0;
  std::uint8_t steepChordBreak = 0;
  std::uint8_t streamDragging = 0;
  std::uint8_t supportReductionFailed = 0;

  void clearAll() { *this = ConditionFlags{}; }
  // The five flags the trial landing evaluation works with (all but supportReductionFailed).
  void clearFive() {
    const std::uint8_t kept = supportReductionFailed;
    *this = ConditionFlags{};
    supportReductionFailed = kept;
  }
  bool anyOfFive() const {
    return downhillYarding || needsHaulback || payloadTooSmall || steepChordBreak || streamDragging;
  }
  bool any() const { return anyOfFive() || supportReductionFailed; }
};

// A cable span between two points: horizontal length L and height difference h, m.
struct Span {
  float length = 0.0f;
  float height = 0.0f;
};

// Forces of one skyline span (kg): horizontal tension, vertical components at its start and
// end, and the tension at its end.
struct SpanForces {
  double horizontal = 0.0;
  double verticalStart = 0.0;
  double verticalEnd = 0.0;
  double tensionEnd = 0.0;
  bool valid = true;  // false where a square root of a negative number or a division by 0 occurred
};

// Forces of the line holding the carriage toward the higher side (mainline or haulback), kg.
struct HoldingLineForces {
  double horizontal = 0.0;
  double verticalCarriage = 0.0;
  double verticalFar = 0.0;  // at the tower (mainline) or the far end (haulback)
  double tensionFar = 0.0;
  double tensionCarriage = 0.0;
  bool valid = true;
};

// The carriage at the profile point being analysed.
struct CarriageState {
  float height = 0.0f;       // y, carriage height above the ground, m
  float loadAngle = 0.0f;    // beta, rad (90 degrees in full suspension)
  float groundAngle = 0.0f;  // alpha, rad
  float logAngle = 0.0f;     // theta of the chosen log position, rad (partial suspension)
  bool partialSuspension = false;
  Span spanA;     // left support to carriage
  Span spanB;     // carriage to right support
  Span mainline;  // tower (or mainline ground contact) to carriage
  Span haulback;  // carriage to tail (or haulback ground contact)
  SpanForces forcesA;
  SpanForces forcesB;
  HoldingLineForces holding;
};

// Carriage heights of the partial suspension positions at one profile point, one per log
// angle of the search, kept while the point's ground and the log figures stay the same.
struct SuspensionTable {
  static constexpr int kAngleSlots = 362;  // log angles from 0 up to pi in 0.5 degree steps
  // What the heights were computed from (compared bit for bit).
  std::array<std::uint32_t, 9> key{};
  bool filled = false;
  float groundAngle = 0.0f;
  float heightAtLogToGroundAngle = 0.0f;
  std::int32_t angleCount = 0;              // log angles the search visits
  std::int32_t finiteCount = 0;             // leading entries of `order` with a finite height
  std::array<float, kAngleSlots> height{};  // by log angle index
  std::array<std::uint16_t, kAngleSlots> order{};  // angle indices by increasing height
};

struct CableWorkArea {
  CableWorkArea();

  std::array<ProfilePoint, kProfilePointSlots> profile{};
  std::int32_t sampledCount = 0;   // points of the last sampling
  std::int32_t analysedCount = 0;  // points analysed; lowered when a road is shortened

  std::array<std::uint8_t, kProfilePointSlots> supportMarks{};
  std::int32_t supportCount = 0;

  // Unloaded chords of the spans between consecutive supports (spans 1..chordCount), m.
  std::array<float, kProfilePointSlots> chords{};
  std::int32_t chordCount = 0;
  float referenceLength = 0.0f;  // L0, the fixed skyline length, m

  std::array<float, kProfilePointSlots> groundReaction{};  // kg, -1 where not dragged
  float minPayload = 0.0f;                                 // kg
  float roadCycleTime = 0.0f;                              // s
  ConditionFlags flags;
  CarriageState carriage;
  std::int64_t payloadAnalyses = 0;  // analyses run on this work area (for benchmarks)

  // Run the carriage height and log angle searches as literal scans (reference for tests
  // and benchmarks); the default finds the same answers with far fewer evaluations.
  bool literalSearches = false;
  std::vector<SuspensionTable> suspension;  // one per profile slot, allocated once
};

}  // namespace skyrig
