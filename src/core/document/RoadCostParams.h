// Road construction and hauling costs with the grade and side-slope classes.
#pragma once

#include <array>

namespace skyrig {

struct RoadCostParams {
  float haulingCost = 0.08f;  // $/m3-km
  // ground slope along the road: 0-5, 5-10, 10-15, 15-20, 20-25, 25-30, > 30 %
  std::array<float, 7> gradeMultiplier{0.9f, 1.0f, 1.5f, 2.5f, 5.0f, 10.0f, 20.0f};
  float constructionCost = 30000;  // $/km
  // side slope: 0-15, 15-30, 30-45, 45-60, 60-75, 75-90, > 90 %
  std::array<float, 7> sideSlopeMultiplier{0.8f, 0.9f, 1.0f, 1.5f, 2.5f, 5.0f, 10.0f};
  float gradeLimit = 0.3f;     // fraction
  float sideSlopeLimit = 0.9f; // fraction
  float streamCrossingMultiplier = 3.0f;

  friend bool operator==(const RoadCostParams&, const RoadCostParams&) = default;
};

}  // namespace skyrig
