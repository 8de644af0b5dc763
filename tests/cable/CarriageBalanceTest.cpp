// The carriage in equilibrium: the load line's force read from the horizontal balance equals
// the one read from the vertical balance, for the holding line forces the analysis computes;
// and a straight-slope single span against a textbook parabolic calculation.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "CableTestSupport.h"
#include "cable/PayloadAnalysis.h"
#include "cable/SpanSolvers.h"
#include "document/CableSystemParams.h"

namespace skyrig {
namespace {

// Load line force at angle beta from both balances of the carriage (kg). `pull` is the net
// horizontal pull of skyline and holding line toward the load line's side, `lift` the net
// upward force of skyline and holding line less the carriage weight.
struct LoadLine {
  double fromHorizontal;
  double fromVertical;
};

LoadLine loadLine(double pull, double lift, double beta) {
  return {pull / std::cos(beta), lift / std::sin(beta)};
}

// Haulback holding the carriage: skyline B and the haulback pull right, skyline A left.
LoadLine haulbackLoadLine(const CarriageLoad& load, const HoldingLineForces& k) {
  const double sigma = load.spanAHeight >= 0 ? 1.0 : -1.0;
  const double pull = load.spanB.horizontal - load.spanA.horizontal + k.horizontal;
  const double lift = sigma * load.spanAVerticalAtCarriage + load.spanBVerticalAtCarriage +
                      k.verticalCarriage - load.carriageWeight;
  return loadLine(pull, lift, load.loadAngle);
}

// Mainline holding the carriage: skyline A and the mainline pull left, skyline B right.
LoadLine mainlineLoadLine(const CarriageLoad& load, const HoldingLineForces& m) {
  const double sigma = load.spanBHeight < 0 ? 1.0 : -1.0;
  const double pull = load.spanA.horizontal - load.spanB.horizontal + m.horizontal;
  const double lift = sigma * load.spanBVerticalAtCarriage + load.spanAVerticalAtCarriage +
                      m.verticalCarriage - load.carriageWeight;
  return loadLine(pull, lift, load.loadAngle);
}

void expectBalanced(const LoadLine& f, const char* variant, int i) {
  const double scale = std::max({std::fabs(f.fromHorizontal), std::fabs(f.fromVertical), 1.0});
  EXPECT_NEAR(f.fromHorizontal, f.fromVertical, scale * 1e-9) << variant << " case " << i;
}

TEST(CarriageBalance, BothBalancesGiveOneLoadLineForceOnGeneratedConfigurations) {
  std::mt19937 generator(20261206);
  auto uniform = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(generator);
  };
  int sigmaSigns[2][2] = {};
  for (int i = 0; i < 400; ++i) {
    CarriageLoad load;
    load.loadAngle = uniform(0.05, 1.5);  // partial suspension: the load line is not vertical
    load.carriageWeight = uniform(150, 1500);
    load.spanA = {uniform(2000, 12000), uniform(-2000, 2000), uniform(-2000, 2000), 0, true};
    load.spanB = {uniform(2000, 12000), uniform(-2000, 2000), uniform(-2000, 2000), 0, true};
    load.spanAVerticalAtCarriage = uniform(-3000, 3000);
    load.spanBVerticalAtCarriage = uniform(-3000, 3000);
    load.spanAHeight = uniform(-40, 40);
    load.spanBHeight = uniform(-40, 40);
    const double length = uniform(5, 300);
    const double rise = uniform(1, 120);
    const double unitWeight = uniform(0.4, 3);
    if (std::fabs(rise / length - std::tan(load.loadAngle)) < 0.05) continue;  // near-singular

    // The haulback runs up to the far side (h = carriage side minus far side < 0); the
    // mainline up to the tower (h = tower side minus carriage side > 0).
    const HoldingLineForces k = balanceHaulback({length, -rise, unitWeight, 0}, load);
    const HoldingLineForces m = balanceMainline({length, rise, unitWeight, 0}, load);
    ASSERT_TRUE(k.valid && m.valid);
    expectBalanced(haulbackLoadLine(load, k), "haulback", i);
    expectBalanced(mainlineLoadLine(load, m), "mainline", i);
    ++sigmaSigns[0][load.spanAHeight >= 0];
    ++sigmaSigns[1][load.spanBHeight < 0];
  }
  for (auto& variant : sigmaSigns)
    for (int count : variant) EXPECT_GT(count, 50);  // both signs of sigma in both variants
}

// Straight ground rising `grade` over `span` m from the landing, a point every 10 m.
std::vector<test::GroundPoint> straightSlope(double grade, int span, int landingZ) {
  std::vector<test::GroundPoint> points;
  for (int d = 0; d <= span; d += 10)
    points.push_back({landingZ + static_cast<int>(std::lround(grade * d)),
                      d == 0 ? 0.0001f : static_cast<float>(d)});
  return points;
}

struct CarriageRecorder : CarriageObserver {
  void carriagePlaced(int point, const CableWorkArea& work) override {
    if (point == watched) placed = work.carriage;
  }
  int watched = 0;
  CarriageState placed;
};

TEST(CarriageBalance, AnalysedPartialSuspensionPointsAreInEquilibrium) {
  // Uphill roads hold the carriage with the haulback, downhill ones with the mainline; the
  // three-point profile leaves point 2's forces in the work area.
  const CableSystemParams params = defaultCableSystem(1);
  int checked = 0;
  for (int drop : {-90, -45, -20, 20, 45, 90}) {
    for (int middle : {-6, 0, 6}) {
      CableWorkArea work;
      test::setProfile(work, {{600, 0.0001f}, {600 + drop / 2 + middle, 120}, {600 + drop, 240}});
      std::array<float, kProfilePointSlots> payload{};
      analysePayloads(params, work, 12, payload.data());
      const CarriageState& c = work.carriage;
      if (!c.partialSuspension || payload[2] <= 0.0f) continue;
      CarriageLoad load;
      load.loadAngle = c.loadAngle;
      load.carriageWeight = params.carriageWeight;
      load.spanA = c.forcesA;
      load.spanB = c.forcesB;
      load.spanAHeight = c.spanA.height;
      load.spanBHeight = c.spanB.height;
      const bool haulback = drop > 0;
      load.spanAVerticalAtCarriage = haulback ? c.forcesA.verticalStart : c.forcesA.verticalEnd;
      load.spanBVerticalAtCarriage = haulback ? c.forcesB.verticalEnd : c.forcesB.verticalStart;
      expectBalanced(haulback ? haulbackLoadLine(load, c.holding) : mainlineLoadLine(load, c.holding),
                     haulback ? "haulback" : "mainline", drop * 100 + middle);
      ++checked;
    }
  }
  EXPECT_GE(checked, 6);
}

TEST(CarriageBalance, StraightSlopeSingleSpanIsNearTheTextbookParabola) {
  // 30 % slope rising 240 m from the landing, system 1 defaults, tail spar 15 m. The carriage
  // at midspan hangs where the analysis places it, the log in partial suspension at the
  // analysis's load line and ground angles. The textbook: both skyline segments parabolas with
  // one horizontal tension, the upper end at the tension limit; the haulback, a straight
  // weightless line as single-span methods take it, holds the load line's horizontal pull; the
  // log rests on the ground with friction.
  const CableSystemParams p = defaultCableSystem(1);
  const float tail = p.maxSparTreeHeight;
  CableWorkArea work;
  test::setProfile(work, straightSlope(0.3, 240, 500));
  CarriageRecorder midspan;
  midspan.watched = 13;  // 120 m
  std::array<float, kProfilePointSlots> payload{};
  analysePayloads(p, work, tail, payload.data(), &midspan);
  const CarriageState& c = midspan.placed;
  ASSERT_TRUE(c.partialSuspension);

  const double w = p.skylineUnitWeight, T = p.maxSkylineTension, W = p.carriageWeight;
  const double carriageZ = 536.0 + c.height;
  const double towerTop = 500.0 + p.towerHeight, tailTop = 572.0 + tail;
  const double riseA = carriageZ - towerTop;  // segment A: tower top to carriage
  const double riseB = tailTop - carriageZ;   // segment B: carriage up to the tail top
  const double chordA = std::hypot(120.0, riseA), chordB = std::hypot(120.0, riseB);
  // Upper end at the limit: T^2 = H^2 + (H riseB / 120 + w chordB / 2)^2, solved for H.
  const double a = riseB / 120, b = w * chordB / 2;
  const double H = (-a * b + std::sqrt(a * a * b * b - (1 + a * a) * (b * b - T * T))) / (1 + a * a);
  const double skylineLift = (H * a - b) + (-H * riseA / 120 - w * chordA / 2);
  // Haulback from the attachment up to the tail top: lifts H_K times its slope.
  const double haulbackSlope = (tailTop - (carriageZ - p.carriageDepth / 2)) / 120;
  // Load line force F at beta: F cos(beta) = H_K, F sin(beta) = skyline + haulback lift - W.
  const double beta = c.loadAngle;
  const double force = (skylineLift - W) / (std::sin(beta) - std::cos(beta) * haulbackSlope);
  // The log: ground reaction N from the horizontal pull, weight from the vertical balance.
  const double alpha = c.groundAngle, mu = p.frictionCoefficient;
  ASSERT_GT(mu * std::cos(alpha) + std::sin(alpha), 0.0);
  const double reaction = force * std::cos(beta) / (mu * std::cos(alpha) + std::sin(alpha));
  const double textbook = force * std::sin(beta) + reaction * std::cos(alpha) -
                          mu * reaction * std::sin(alpha);

  EXPECT_GT(textbook, 1000.0);
  EXPECT_NEAR(payload[13], textbook, 0.10 * textbook)
      << "analysis " << payload[13] << " kg, textbook " << textbook << " kg";
}

}  // namespace
}  // namespace skyrig
