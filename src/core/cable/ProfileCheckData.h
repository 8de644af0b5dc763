// The profile check's own copy of one cable road: its ground profile, tail point and
// intermediate supports (in a cable work area of its own), its tail spar height and the
// figures of its cable system.
#pragma once

#include <cstdint>

#include "document/CableSystemParams.h"
#include "document/CableWorkArea.h"

namespace skyrig {

inline constexpr int kMaxDialogSupports = 20;  // supports placed by mouse

struct ProfileCheckData {
  std::int32_t landing = 0;
  std::int32_t road = 0;
  std::int32_t system = 0;
  CableSystemParams params;
  float tailSparHeight = 0.0f;  // m
  // profile and sampledCount; analysedCount is the tail point; supportMarks and supportCount
  // (marks present on points 2..tail - 1) are the dialog's supports.
  CableWorkArea work;

  int tailPoint() const { return work.analysedCount; }
};

// The tail spar height the dialog starts with: the road's stored height when it lies within
// the system's spar tree range (bounds included), else the minimum spar tree height.
float startingTailSparHeight(float storedHeight, const CableSystemParams& params);

// Counts the support marks of points 2..tail - 1 into supportCount.
void recountSupports(ProfileCheckData& data);

}  // namespace skyrig
