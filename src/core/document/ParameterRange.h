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

// What a project file may hold where the forms take any number: no parameter of a plan comes
// near a billion in its unit, so a larger magnitude is a typing error, and it would overflow the
// single-precision costs and sums of the analyses.
inline constexpr double kLargestProjectNumber = 1.0e9;
inline constexpr ParameterRange projectFileRange(const ParameterRange& range) {
  return range.bounded ? range : between(-kLargestProjectNumber, kLargestProjectNumber);
}

enum class ParameterKind { Number, Integer, Flag };

}  // namespace skyrig
