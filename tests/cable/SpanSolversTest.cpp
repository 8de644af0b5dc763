// Span solvers and holding line balances against a two-span case worked by hand (40-digit
// arithmetic): a carriage between a left support 8 m above it at 120 m and a right support
// 20 m above it at 80 m, and the mirrored case with the landing side higher.
#include <gtest/gtest.h>

#include <cmath>

#include "cable/SpanSolvers.h"

namespace skyrig {
namespace {

void expectClose(double expected, double actual) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-10 + 1e-9);
}

TEST(SpanSolvers, RightSideHigherTwoSpansAndHaulback) {
  // Span B from the right support (upper end) down to the carriage, T = 10000 kg, w = 2 kg/m.
  const SpanForces b = solveDownFromUpperEnd({80, -20, 2, 10000});
  ASSERT_TRUE(b.valid);
  expectClose(9681.71170088, b.horizontal);
  expectClose(2502.89003773, b.verticalStart);
  expectClose(2337.96581271, b.verticalEnd);
  expectClose(9960.00128516, b.tensionEnd);

  // Span A continues from the carriage with span B's end tension.
  const SpanForces a = solveContinuing({120, 8, 2, b.tensionEnd});
  ASSERT_TRUE(a.valid);
  expectClose(9945.20241927, a.horizontal);
  expectClose(542.747123591, a.verticalStart);
  expectClose(783.279865645, a.verticalEnd);
  expectClose(9976.00012571, a.tensionEnd);

  // Haulback rising 18 m over 80 m to the tail, 0.9 kg/m; load line at 1.2 rad, carriage
  // 200 kg.
  CarriageLoad load;
  load.loadAngle = 1.2;
  load.carriageWeight = 200;
  load.spanA = a;
  load.spanB = b;
  load.spanAVerticalAtCarriage = a.verticalStart;
  load.spanBVerticalAtCarriage = b.verticalEnd;
  load.spanAHeight = 8;
  load.spanBHeight = -20;
  const HoldingLineForces k = balanceHaulback({80, -18, 0.9, 0}, load);
  ASSERT_TRUE(k.valid);
  expectClose(1585.56054919, k.horizontal);
  expectClose(319.851123568, k.verticalCarriage);
  expectClose(393.651123568, k.verticalFar);
  expectClose(1633.69625764, k.tensionFar);
  expectClose(1617.50023073, k.tensionCarriage);
  // Full suspension payload: both skyline spans and the haulback lift, the carriage weighs.
  expectClose(3000.56405987, a.verticalStart + b.verticalEnd + k.verticalCarriage - 200);
}

TEST(SpanSolvers, LeftSideHigherTwoSpansAndMainline) {
  const SpanForces a = solveFromLeftUpperEnd({150, 25, 1.5, 9000});
  ASSERT_TRUE(a.valid);
  expectClose(8858.3568431, a.horizontal);
  expectClose(1590.44460463, a.verticalStart);
  expectClose(1362.34100974, a.verticalEnd);
  expectClose(8962.50294206, a.tensionEnd);

  const SpanForces b = solveContinuingRightward({60, -5, 1.5, a.tensionEnd});
  ASSERT_TRUE(b.valid);
  expectClose(8935.1687556, b.horizontal);
  expectClose(699.44141663, b.verticalStart);
  expectClose(789.753375971, b.verticalEnd);
  expectClose(8970.0028476, b.tensionEnd);

  CarriageLoad load;
  load.loadAngle = 1.3;
  load.carriageWeight = 180;
  load.spanA = a;
  load.spanB = b;
  load.spanAVerticalAtCarriage = a.verticalEnd;
  load.spanBVerticalAtCarriage = b.verticalStart;
  load.spanAHeight = 25;
  load.spanBHeight = -5;
  const HoldingLineForces m = balanceMainline({150, 26, 1.2, 0}, load);
  ASSERT_TRUE(m.valid);
  expectClose(707.870588127, m.horizontal);
  expectClose(31.3555738856, m.verticalCarriage);
  expectClose(214.039563332, m.verticalFar);
  expectClose(739.522619131, m.tensionFar);
  expectClose(708.564705267, m.tensionCarriage);
  expectClose(1913.13800026, a.verticalEnd + b.verticalStart + m.verticalCarriage - 180);
}

TEST(SpanSolvers, ImpossibleSpansAreMarkedInvalid) {
  // A tension too small to hold the span's own weight: (w L / 2T)^2 > 1.
  EXPECT_FALSE(solveDownFromUpperEnd({100, -10, 2, 50}).valid);
  // No tension at all divides by zero.
  EXPECT_FALSE(solveFromLeftUpperEnd({100, 10, 2, 0}).valid);
  // A holding line of zero horizontal length.
  CarriageLoad load;
  load.loadAngle = 1.0;
  EXPECT_FALSE(balanceMainline({0, 5, 1, 0}, load).valid);
  EXPECT_FALSE(balanceHaulback({0, 5, 1, 0}, load).valid);
  EXPECT_TRUE(solveContinuing({100, 10, 2, 10000}).valid);
}

}  // namespace
}  // namespace skyrig
