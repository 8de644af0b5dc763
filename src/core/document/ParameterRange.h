// The range a parameter's form and the project file accept.
#pragma once

namespace skyrig {

struct ParameterRange {
  bool bounded = false;  // unbounded: any number
  double low = 0;
  double high = 0;
};

inline constexpr ParameterRange kAnyNumber{};
inline constexpr ParameterRange between(double low, double high) { return {true, low, high}; }

enum class ParameterKind { Number, Integer, Flag };

}  // namespace skyrig
