// The table of the cable system parameters: every field of a set described once, with its
// name (the code and project-file name), form label, unit, form box, range and the defaults of
// the systems. The "Cable System" and "Operation data" forms, the defaults, the project file
// reader and its schema are read from it.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "document/CableSystemParams.h"
#include "document/ParameterRange.h"

namespace skyrig {

// Where a field is edited: the "Cable System" form (fields 0..22) or the "Operation data" form
// (24..47); the load factor is carried by the latter but not shown.
enum class CableForm { CableSystem, OperationData, OperationDataHidden };

// Default columns: the generic set (systems 4, 5 and any other number), then systems 1, 2, 3.
using CableDefaults = std::array<float, 4>;
int cableDefaultColumn(int system);

struct CableParameter {
  int number;  // field number 0..47
  const char* name;
  const char* label;
  const char* unit;
  const char* group;
  CableForm form;
  ParameterKind kind;
  ParameterRange range;
  CableDefaults defaults;
  float CableSystemParams::*member;  // nullptr for the integer maxIntSupports
};

struct CableFlag {
  const char* name;
  const char* label;
  std::uint8_t CableSystemParams::*member;
  std::array<std::uint8_t, 4> defaults;
};

inline constexpr const char* kCableSystemNameKey = "name";
inline constexpr const char* kCableSystemNameLabel = "Name";
inline constexpr std::size_t kMaxCableSystemName = 20;
inline constexpr std::array<const char*, 4> kDefaultCableSystemNames{"?", "MADILL6150",
                                                                     "KOLLER-300", "TY-290    "};
inline constexpr const char* kCableFlagsGroup = "Other options";

// Numbered fields in form layout order: the "Cable System" form's, then "Operation data"'s.
std::span<const CableParameter> cableParameters();
// The three check boxes.
std::span<const CableFlag> cableFlags();
// The field of the given number; nullptr for 23 and numbers outside 0..47.
const CableParameter* cableParameter(int number);

}  // namespace skyrig
