// Parabolic skyline span solvers and the balances of the line holding the carriage, in double
// precision. Forces in kg, lengths in m, unit weights in kg/m, angles in rad. A result is
// marked invalid where it would take the square root of a negative number or divide by zero.
#pragma once

#include "document/CableWorkArea.h"

namespace skyrig {

// One span: horizontal length L, height difference h (end minus start as the caller defines
// it), unit weight w and the tension T at the span's start.
struct SpanInput {
  double length = 0.0;
  double height = 0.0;
  double unitWeight = 0.0;
  double tension = 0.0;
};

// Span B solved first, from its upper (right) end down to the carriage.
SpanForces solveDownFromUpperEnd(const SpanInput& span);
// Span A after span B, starting at the carriage with span B's end tension.
SpanForces solveContinuing(const SpanInput& span);
// Span A solved first, from its upper (left) end down to the carriage.
SpanForces solveFromLeftUpperEnd(const SpanInput& span);
// Span B after span A, starting at the carriage with span A's end tension.
SpanForces solveContinuingRightward(const SpanInput& span);

// The carriage's load and skyline forces that the holding line balances.
struct CarriageLoad {
  double loadAngle = 0.0;       // beta, rad
  double carriageWeight = 0.0;  // kg
  SpanForces spanA;             // with its vertical component at the carriage below
  SpanForces spanB;
  double spanAVerticalAtCarriage = 0.0;
  double spanBVerticalAtCarriage = 0.0;
  double spanAHeight = 0.0;  // h of span A (left support top minus carriage)
  double spanBHeight = 0.0;  // h of span B (carriage minus right support top)
};

// Haulback holding the carriage toward a higher right side; `line` has no tension (unused).
HoldingLineForces balanceHaulback(const SpanInput& line, const CarriageLoad& load);
// Mainline holding the carriage toward a higher left side.
HoldingLineForces balanceMainline(const SpanInput& line, const CarriageLoad& load);

}  // namespace skyrig
