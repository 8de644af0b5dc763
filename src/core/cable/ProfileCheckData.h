// The profile check's own copy of one cable road: its ground profile, tail point, tail spar
// height, cable system figures and the intermediate supports placed in the dialog.
#pragma once

#include <array>
#include <cstdint>

#include "document/CSkyrigDoc.h"
#include "params/CableSystemParams.h"

namespace skyrig {

inline constexpr int kMaxDialogSupports = 20;  // supports placed by mouse

struct ProfileCheckPoint {
  std::int32_t col = 0;
  std::int32_t row = 0;
  std::int32_t z = 0;             // elevation, m
  float horDist = 0.0f;           // horizontal distance from the landing, m
  std::uint8_t streamBuffer = 0;  // 1 = stream buffer cell
};

struct ProfileCheckData {
  std::int32_t landing = 0;
  std::int32_t road = 0;
  std::int32_t system = 0;
  std::array<ProfileCheckPoint, kProfileSlots> profile{};  // points 1..sampledCount
  std::int32_t sampledCount = 0;
  std::int32_t tailPoint = 0;  // the analysed count: the point of the tail spar
  CableSystemParams params;
  float tailSparHeight = 0.0f;  // m
  std::array<std::uint8_t, kProfileSlots> supportMarks{};
  std::int32_t supportCount = 0;  // marks present on points 2..tailPoint - 1
};

// The tail spar height the dialog starts with: the road's stored height when it lies within
// the system's spar tree range (bounds included), else the minimum spar tree height.
float startingTailSparHeight(float storedHeight, const CableSystemParams& params);

// Counts the support marks of points 2..tailPoint - 1 into supportCount.
void recountSupports(ProfileCheckData& data);

}  // namespace skyrig
