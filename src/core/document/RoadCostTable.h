// The table of the road and transportation costs: each of the 19 values described once, with
// its name (the code and project-file name; the two multiplier rows are arrays of seven), form
// label, unit, form box, range and default. The "Road and Transportation Costs" form, the
// defaults, the project file reader and its schema are read from it.
#pragma once

#include <span>

#include "document/ParameterRange.h"
#include "document/RoadCostParams.h"

namespace skyrig {

inline constexpr int kRoadCostFieldCount = 19;

struct RoadCostParameter {
  int number;        // 0..18, the record's stored order
  const char* name;  // "gradeMultiplier" and "sideSlopeMultiplier" for the class rows
  int index;         // place in the row of seven classes; -1 for a single value
  const char* label;
  const char* unit;
  const char* group;
  ParameterRange range;
  float defaultValue;
};

// In the form's layout order.
std::span<const RoadCostParameter> roadCostParameters();
// Field 0..18.
const RoadCostParameter& roadCostParameter(int number);
// Field 0..18 of the record.
float& roadCostField(RoadCostParams& costs, int number);

}  // namespace skyrig
