// The tables of the landing costs and of the single values: each described once with its name,
// form title and label, unit, note, range and default. Their forms, the view's initial values,
// the project file reader and its schema are read from here.
#pragma once

#include <cstdint>

#include "document/ParameterRange.h"

namespace skyrig {

// A value asked for by a single-value form: an integer within low..high.
struct SingleValue {
  const char* name;
  const char* title;  // of its form
  const char* label;
  const char* unit;
  const char* note;
  std::int32_t low;
  std::int32_t high;
  std::int32_t defaultValue;  // set when the view is initialised
};

inline constexpr SingleValue kChokerLength{
    "chokerLength", "Dialog", "Choker length", "m",
    "This number will be used in clumping volume cells which have less timber volume than a "
    "design payload.",
    0, 100, 20};
// The form always opens on 0, whatever the stored width.
inline constexpr SingleValue kStreamBufferWidth{
    "streamBufferWidth", "Fish Stream Buffer", "Fish Stream Buffer", "m",
    "Fish Stream Buffer Width = Odd number * DTM grid cell size", 0, 10000, 0};
// 0 would give no levels to step through.
inline constexpr SingleValue kContourInterval{
    "contourInterval", "Generating Contour Lines", "Contour interval", "m",
    "Generating contour lines from your DTM may take a few minitues.", 1, 1000, 10};

// Per landing 1..90.
struct LandingValue {
  const char* name;  // project-file key
  const char* label;
  const char* unit;
  ParameterRange range;
  float defaultValue;
};

inline constexpr LandingValue kLandingConstructionCost{
    "landingConstructionCosts", "Landing Construction Costs", "$", between(0, 100000000), 5000};

}  // namespace skyrig
