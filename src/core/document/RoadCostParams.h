// Road construction and hauling costs with the grade and side-slope classes. Labels, ranges
// and defaults are in the parameter table (RoadCostTable.h).
#pragma once

#include <array>

namespace skyrig {

struct RoadCostParams {
  RoadCostParams();  // the defaults

  float haulingCost = 0;  // $/m3-km
  // ground slope along the road: 0-5, 5-10, 10-15, 15-20, 20-25, 25-30, > 30 %
  std::array<float, 7> gradeMultiplier{};
  float constructionCost = 0;  // $/km
  // side slope: 0-15, 15-30, 30-45, 45-60, 60-75, 75-90, > 90 %
  std::array<float, 7> sideSlopeMultiplier{};
  float gradeLimit = 0;      // fraction
  float sideSlopeLimit = 0;  // fraction
  float streamCrossingMultiplier = 0;

  friend bool operator==(const RoadCostParams&, const RoadCostParams&) = default;
};

}  // namespace skyrig
