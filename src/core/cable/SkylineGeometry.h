// Geometry of the loaded skyline at one profile point: the skyline length with the carriage
// at a given height, and the carriage height of a log dragged at a given angle. All float.
#pragma once

#include <cmath>

#include "document/CableWorkArea.h"

namespace skyrig {

struct CableSystemParams;

// The skyline around profile point k: the spans to its left and right supports and the
// unloaded chords of the other spans, for one analysis.
struct PointSkyline {
  float groundZ = 0.0f;      // z_k, m
  float spanALength = 0.0f;  // horizontal length from the left support (from 0 for the tower), m
  float leftTop = 0.0f;      // top of the left support, m
  float spanBLength = 0.0f;  // horizontal length to the right support, m
  float rightTop = 0.0f;     // top of the right support, m
  const float* chords = nullptr;  // spans 1..chordCount
  int chordCount = 0;
  int ownSpan = 0;  // the span that holds point k (its chord is replaced by spans A and B)

  // Skyline length with the carriage y m above the ground: spans A and B, then the positive
  // chords of the other spans in span order.
  float length(float y) const {
    const float carriage = groundZ + y;
    const float hA = leftTop - carriage;
    const float hB = carriage - rightTop;
    float total = std::sqrt(spanALength * spanALength + hA * hA) +
                  std::sqrt(spanBLength * spanBLength + hB * hB);
    for (int s = 1; s <= chordCount; ++s)
      if (s != ownSpan && chords[s] > 0.0f) total += chords[s];
    return total;
  }
  // The two spans around the carriage at height y.
  void spans(float y, Span& a, Span& b) const {
    const float carriage = groundZ + y;
    a = {spanALength, leftTop - carriage};
    b = {spanBLength, carriage - rightTop};
  }
};

// Ground angle alpha at profile point k (rad): the slope toward point k + 1, falling positive.
float groundAngle(const CableWorkArea& work, int k);

// Carriage height (m above the ground) of a log dragged with one end on the ground at log
// angle theta over ground angle alpha; also gives the load line angle beta (rad).
float suspensionHeight(const CableSystemParams& params, float alpha, float theta, float& beta);

// The log angles the search visits: 0, then steps of 0.5 degree accumulated in float.
float logAngleAt(int index);
inline constexpr int kLogAngleCount = SuspensionTable::kAngleSlots;
// The carriage heights the search visits: 0, then steps of 0.1 m accumulated in float.
float carriageHeightAt(int index);
inline constexpr int kCarriageHeightCount = 65536;
// The whole table of carriage heights (kCarriageHeightCount entries, strictly increasing).
const float* carriageHeightTable();

}  // namespace skyrig
