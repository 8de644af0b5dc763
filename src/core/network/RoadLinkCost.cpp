#include "network/RoadLinkCost.h"

#include <cmath>
#include <cstdlib>

namespace skyrig {

namespace {

int gradeClass(float g) {
  if (g < 0.05f) return 0;
  if (g < 0.1f) return 1;
  if (g < 0.15f) return 2;
  if (g < 0.2f) return 3;
  if (g < 0.25f) return 4;
  if (g < 0.3f) return 5;
  return 6;
}

int sideSlopeClass(float s) {
  if (s < 0.15f) return 0;
  if (s < 0.3f) return 1;
  if (s < 0.45f) return 2;
  if (s < 0.6f) return 3;
  if (s < 0.75f) return 4;
  if (s < 0.9f) return 5;
  return 6;
}

}  // namespace

std::optional<RoadLinkCost> roadLinkCost(const RoadCostParams& costs, int cellSize, bool diagonal,
                                         int visitedZ, int neighbourZ, int side1Z, int side2Z,
                                         bool neighbourInStreamBuffer) {
  const float d = diagonal ? static_cast<float>(cellSize) * std::sqrt(2.0f)
                           : static_cast<float>(cellSize);
  const float g = static_cast<float>(std::abs(neighbourZ - visitedZ)) / d;
  const float s = static_cast<float>(std::abs(side1Z - side2Z)) / (2.0f * d);
  if (!(g < costs.gradeLimit) || !(s < costs.sideSlopeLimit)) return std::nullopt;

  RoadLinkCost link;
  link.variableCost = (costs.haulingCost / 1000.0f) * std::sqrt(d * d + (d * g) * (d * g));
  link.fixedCost = ((costs.constructionCost / 1000.0f) * d) *
                   (costs.gradeMultiplier[static_cast<std::size_t>(gradeClass(g))] *
                    costs.sideSlopeMultiplier[static_cast<std::size_t>(sideSlopeClass(s))]);
  if (neighbourInStreamBuffer) link.fixedCost = link.fixedCost * costs.streamCrossingMultiplier;
  link.attributes = {d, g, s};
  return link;
}

}  // namespace skyrig
