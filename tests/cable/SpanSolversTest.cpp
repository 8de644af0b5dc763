// Span solvers and holding line balances against a two-span case worked by hand in 40-digit
// arithmetic: a carriage between a left support top 8 m above it, 120 m away, and a right one
// 20 m above it, 80 m away; then the mirrored case with the landing side higher.
#include <gtest/gtest.h>

#include <cmath>

#include "cable/SpanSolvers.h"

namespace skyrig {
namespace {

void expectValues(std::initializer_list<double> actual, std::initializer_list<double> expected) {
  auto e = expected.begin();
  for (double a : actual) {
    EXPECT_NEAR(a, *e, std::fabs(*e) * 1e-10);
    ++e;
  }
}

TEST(SpanSolvers, RightSideHigherTwoSpansAndHaulback) {
  // Span B from the right top down to the carriage: T = 10000 kg, w = 2 kg/m.
  const SpanForces b = solveDownFromUpperEnd({80, -20, 2, 10000});
  expectValues({b.horizontal, b.verticalStart, b.verticalEnd, b.tensionEnd},
               {9681.71170088, 2502.89003773, 2337.96581271, 9960.00128516});
  // Span A from the carriage on with span B's end tension.
  const SpanForces a = solveContinuing({120, 8, 2, b.tensionEnd});
  expectValues({a.horizontal, a.verticalStart, a.verticalEnd, a.tensionEnd},
               {9945.20241927, 542.747123591, 783.279865645, 9976.00012571});
  // Haulback rising 18 m over 80 m, 0.9 kg/m; load line at 1.2 rad; carriage 200 kg.
  const CarriageLoad load{1.2, 200, a, b, a.verticalStart, b.verticalEnd, 8, -20};
  const HoldingLineForces k = balanceHaulback({80, -18, 0.9, 0}, load);
  expectValues({k.horizontal, k.verticalCarriage, k.verticalFar, k.tensionFar, k.tensionCarriage},
               {1415.14122211, 281.506774975, 355.306774975, 1459.06394063, 1442.86892782});
  EXPECT_TRUE(a.valid && b.valid && k.valid);
  // Full suspension payload: both skyline spans and the haulback lift, the carriage weighs.
  expectValues({a.verticalStart + b.verticalEnd + k.verticalCarriage - 200}, {2962.21971127});
}

TEST(SpanSolvers, LeftSideHigherTwoSpansAndMainline) {
  const SpanForces a = solveFromLeftUpperEnd({150, 25, 1.5, 9000});
  expectValues({a.horizontal, a.verticalStart, a.verticalEnd, a.tensionEnd},
               {8858.3568431, 1590.44460463, 1362.34100974, 8962.50294206});
  const SpanForces b = solveContinuingRightward({60, -5, 1.5, a.tensionEnd});
  expectValues({b.horizontal, b.verticalStart, b.verticalEnd, b.tensionEnd},
               {8935.1687556, 699.44141663, 789.753375971, 8970.0028476});
  const CarriageLoad load{1.3, 180, a, b, a.verticalEnd, b.verticalStart, 25, -5};
  const HoldingLineForces m = balanceMainline({150, 26, 1.2, 0}, load);
  expectValues({m.horizontal, m.verticalCarriage, m.verticalFar, m.tensionFar, m.tensionCarriage},
               {602.876641914, 13.1566232086, 195.840612655, 633.887837816, 603.020183825});
  EXPECT_TRUE(a.valid && b.valid && m.valid);
  expectValues({a.verticalEnd + b.verticalStart + m.verticalCarriage - 180}, {1894.93904958});
}

TEST(SpanSolvers, ImpossibleSpansAreMarkedInvalid) {
  EXPECT_FALSE(solveDownFromUpperEnd({100, -10, 2, 50}).valid);  // (w L / 2T)^2 > 1
  EXPECT_FALSE(solveFromLeftUpperEnd({100, 10, 2, 0}).valid);    // no tension: division by 0
  CarriageLoad load;
  load.loadAngle = 1.0;
  EXPECT_FALSE(balanceMainline({0, 5, 1, 0}, load).valid);  // line of no horizontal length
  EXPECT_FALSE(balanceHaulback({0, 5, 1, 0}, load).valid);
}

}  // namespace
}  // namespace skyrig
