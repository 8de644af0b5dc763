#include "cable/SpanSolvers.h"

#include <cmath>

namespace skyrig {

namespace {

// sqrt that records a negative argument.
double checkedSqrt(double value, bool& valid) {
  if (value < 0.0) valid = false;
  return std::sqrt(value);
}

// value / divisor that records a division by zero.
double checkedDivide(double value, double divisor, bool& valid) {
  if (divisor == 0.0) valid = false;
  return value / divisor;
}

// Horizontal tension of a span from its start tension; `sign` adds (+1) or subtracts (-1) the
// weight term w h L / (2 S).
double horizontalTension(const SpanInput& s, double chord, double sign, bool& valid) {
  const double L = s.length, h = s.height, w = s.unitWeight, T = s.tension;
  const double ratio = checkedDivide(w * L, 2 * T, valid);
  const double cableTerm =
      checkedSqrt(1 - ratio * ratio, valid) * checkedDivide(L * T, chord, valid);
  const double weightTerm = checkedDivide(w * h * L, 2 * chord, valid);
  return sign > 0 ? cableTerm + weightTerm : cableTerm - weightTerm;
}

double chordOf(const SpanInput& s) { return std::sqrt(s.length * s.length + s.height * s.height); }

}  // namespace

SpanForces solveDownFromUpperEnd(const SpanInput& s) {
  SpanForces f;
  const double L = s.length, h = s.height, w = s.unitWeight, T = s.tension;
  const double S = chordOf(s);
  f.horizontal = horizontalTension(s, S, +1, f.valid);
  const double H = f.horizontal;
  f.verticalStart = checkedSqrt(T * T - H * H, f.valid);
  f.verticalEnd = checkedDivide(-h * H - w * S * L / 2, L, f.valid);
  f.tensionEnd = std::sqrt(H * H + f.verticalEnd * f.verticalEnd);
  return f;
}

SpanForces solveContinuing(const SpanInput& s) {
  SpanForces f;
  const double L = s.length, h = s.height, w = s.unitWeight, T = s.tension;
  const double S = chordOf(s);
  f.horizontal = horizontalTension(s, S, +1, f.valid);
  const double H = f.horizontal;
  f.verticalStart = checkedSqrt(T * T - H * H, f.valid);
  if (h >= 0)
    f.verticalEnd = checkedDivide(w * S * L / 2 + h * H, L, f.valid);
  else
    f.verticalEnd = checkedDivide(-h * H - w * S * L / 2, L, f.valid);
  f.tensionEnd = std::sqrt(H * H + f.verticalEnd * f.verticalEnd);
  return f;
}

SpanForces solveFromLeftUpperEnd(const SpanInput& s) {
  SpanForces f;
  const double L = s.length, h = s.height, w = s.unitWeight, T = s.tension;
  const double S = chordOf(s);
  f.horizontal = horizontalTension(s, S, -1, f.valid);
  const double H = f.horizontal;
  f.verticalStart = checkedSqrt(T * T - H * H, f.valid);
  f.verticalEnd = checkedDivide(h * H - w * S * L / 2, L, f.valid);
  f.tensionEnd = std::sqrt(H * H + f.verticalEnd * f.verticalEnd);
  return f;
}

SpanForces solveContinuingRightward(const SpanInput& s) {
  SpanForces f;
  const double L = s.length, h = s.height, w = s.unitWeight, T = s.tension;
  const double S = chordOf(s);
  f.horizontal = horizontalTension(s, S, -1, f.valid);
  if (f.horizontal <= T) {
    f.verticalStart = checkedSqrt(T * T - f.horizontal * f.horizontal, f.valid);
  } else {
    f.horizontal = horizontalTension(s, S, +1, f.valid);
    f.verticalStart = -checkedSqrt(T * T - f.horizontal * f.horizontal, f.valid);
  }
  const double H = f.horizontal;
  if (h < 0)
    f.verticalEnd = checkedDivide(w * S * L / 2 - h * H, L, f.valid);
  else
    f.verticalEnd = checkedDivide(h * H - w * S * L / 2, L, f.valid);
  f.tensionEnd = std::sqrt(H * H + f.verticalEnd * f.verticalEnd);
  return f;
}

HoldingLineForces balanceHaulback(const SpanInput& line, const CarriageLoad& load) {
  HoldingLineForces f;
  const double L = line.length, h = line.height, w = line.unitWeight;
  const double S = chordOf(line);
  const double tanBeta = std::tan(load.loadAngle);
  const double sigma = load.spanAHeight >= 0 ? 1.0 : -1.0;
  const double numerator =
      w * S / 2 +
      ((load.spanB.horizontal - load.spanA.horizontal) * tanBeta -
       (sigma * load.spanAVerticalAtCarriage + load.spanBVerticalAtCarriage) + load.carriageWeight);
  const double slope = std::fabs(checkedDivide(h, L, f.valid));
  f.horizontal = checkedDivide(numerator, slope - tanBeta, f.valid);
  const double H = f.horizontal;
  f.verticalCarriage = checkedDivide(-h * H - w * S * L / 2, L, f.valid);
  f.verticalFar = w * S + f.verticalCarriage;
  f.tensionFar = std::sqrt(H * H + f.verticalFar * f.verticalFar);
  f.tensionCarriage = std::sqrt(H * H + f.verticalCarriage * f.verticalCarriage);
  return f;
}

HoldingLineForces balanceMainline(const SpanInput& line, const CarriageLoad& load) {
  HoldingLineForces f;
  const double L = line.length, h = line.height, w = line.unitWeight;
  const double S = chordOf(line);
  const double tanBeta = std::tan(load.loadAngle);
  const double sigma = load.spanBHeight < 0 ? 1.0 : -1.0;
  const double numerator =
      w * S / 2 +
      ((load.spanA.horizontal - load.spanB.horizontal) * tanBeta -
       (sigma * load.spanBVerticalAtCarriage + load.spanAVerticalAtCarriage) + load.carriageWeight);
  const double slope = std::fabs(checkedDivide(h, L, f.valid));
  f.horizontal = checkedDivide(numerator, slope - tanBeta, f.valid);
  const double H = f.horizontal;
  f.verticalCarriage = checkedDivide(h * H - w * S * L / 2, L, f.valid);
  f.verticalFar = w * S + f.verticalCarriage;
  f.tensionFar = std::sqrt(H * H + f.verticalFar * f.verticalFar);
  f.tensionCarriage = std::sqrt(H * H + f.verticalCarriage * f.verticalCarriage);
  return f;
}

}  // namespace skyrig
