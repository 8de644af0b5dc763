#include "document/RoadCostTable.h"

#include <array>

namespace skyrig {

namespace {

constexpr const char* kPrimary = "Primary Road Costs";
constexpr const char* kGrade = "Ground slope in the direction of road";
constexpr const char* kSide = "Side slope";

// The form shows "Limit" under both slope columns; the labels name the column so that each
// field has its own.
// clang-format off
constexpr RoadCostParameter kParameters[] = {
    // number, name, index, label, unit, form box, range, default
    {0, "haulingCost", -1, "Hauling costs", "$/m3-km", kPrimary, kAnyNumber, 0.08f},
    {8, "constructionCost", -1, "Construction costs", "$/km", kPrimary, kAnyNumber, 30000},
    {1, "gradeMultiplier", 0, "0% - 5%", "", kGrade, kAnyNumber, 0.9f},
    {2, "gradeMultiplier", 1, "5% - 10%", "", kGrade, kAnyNumber, 1.0f},
    {3, "gradeMultiplier", 2, "10% - 15%", "", kGrade, kAnyNumber, 1.5f},
    {4, "gradeMultiplier", 3, "15% - 20%", "", kGrade, kAnyNumber, 2.5f},
    {5, "gradeMultiplier", 4, "20% - 25%", "", kGrade, kAnyNumber, 5.0f},
    {6, "gradeMultiplier", 5, "25% - 30%", "", kGrade, kAnyNumber, 10.0f},
    {7, "gradeMultiplier", 6, "> 30%", "", kGrade, kAnyNumber, 20.0f},
    {16, "gradeLimit", -1, "Ground slope limit", "", kGrade, kAnyNumber, 0.3f},
    {9, "sideSlopeMultiplier", 0, "0% - 15%", "", kSide, kAnyNumber, 0.8f},
    {10, "sideSlopeMultiplier", 1, "15% - 30%", "", kSide, kAnyNumber, 0.9f},
    {11, "sideSlopeMultiplier", 2, "30% - 45%", "", kSide, kAnyNumber, 1.0f},
    {12, "sideSlopeMultiplier", 3, "45% - 60%", "", kSide, kAnyNumber, 1.5f},
    {13, "sideSlopeMultiplier", 4, "60% - 75%", "", kSide, kAnyNumber, 2.5f},
    {14, "sideSlopeMultiplier", 5, "75% - 90%", "", kSide, kAnyNumber, 5.0f},
    {15, "sideSlopeMultiplier", 6, "> 90%", "", kSide, kAnyNumber, 10.0f},
    {17, "sideSlopeLimit", -1, "Side slope limit", "", kSide, kAnyNumber, 0.9f},
    {18, "streamCrossingMultiplier", -1, "Multiplier for road cells on stream buffer", "", "Stream Crossing", between(1, 10000000), 3.0f},
};
// clang-format on

constexpr std::array<const RoadCostParameter*, kRoadCostFieldCount> indexByNumber() {
  std::array<const RoadCostParameter*, kRoadCostFieldCount> index{};
  for (const RoadCostParameter& p : kParameters) index[static_cast<std::size_t>(p.number)] = &p;
  return index;
}
constexpr std::array<const RoadCostParameter*, kRoadCostFieldCount> kByNumber = indexByNumber();

}  // namespace

std::span<const RoadCostParameter> roadCostParameters() { return kParameters; }

const RoadCostParameter& roadCostParameter(int number) {
  return *kByNumber[static_cast<std::size_t>(number)];
}

float& roadCostField(RoadCostParams& costs, int number) {
  if (number == 0) return costs.haulingCost;
  if (number <= 7) return costs.gradeMultiplier[static_cast<std::size_t>(number - 1)];
  if (number == 8) return costs.constructionCost;
  if (number <= 15) return costs.sideSlopeMultiplier[static_cast<std::size_t>(number - 9)];
  if (number == 16) return costs.gradeLimit;
  if (number == 17) return costs.sideSlopeLimit;
  return costs.streamCrossingMultiplier;
}

RoadCostParams::RoadCostParams() {
  for (const RoadCostParameter& p : kParameters) roadCostField(*this, p.number) = p.defaultValue;
}

}  // namespace skyrig
