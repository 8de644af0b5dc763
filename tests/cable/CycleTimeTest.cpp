// Cycle time worked by hand on a 5-point profile falling 10 m per 20 m, generic system (power
// 300 hp x 0.65 x 746 W = 145470 W), carriage 180 kg, 100 m of mainline at 1.2 kg/m; the slope
// distance to point 3 is sqrt(20^2 + 40^2) = 44.72136 m.
#include <gtest/gtest.h>

#include <cmath>

#include "CableTestSupport.h"
#include "cable/CycleTime.h"
#include "document/CableSystemParams.h"

namespace skyrig {
namespace {

class CycleTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::setProfile(work, {{500, 0}, {490, 20}, {480, 40}, {470, 60}, {460, 80}});
    work.groundReaction.fill(-1.0f);
  }
  CycleTimeParts toPointThree(float payload, float towerHeight = 12) {
    return cycleTimeParts(work, params,
                          {payload, 0.6f, towerHeight, std::sqrt(2000.0f), 100, 1.2f, 180});
  }
  CableWorkArea work;
  CableSystemParams params = defaultCableSystem(4);
};

TEST_F(CycleTimeTest, LiftWorkOverPowerWithinSpeedLimitsAndPayloadClamps) {
  // Lift 512 - 480 = 32 m: (2000 + 180 + 120) kg x 9.81 x 32 / 145470 W = 4.96333 s, slower
  // than 44.72 m at 15 m/s; outhaul 44.72 m at 20 m/s.
  EXPECT_NEAR(toPointThree(2000).inhaul, 4.963333f, 2e-5);
  EXPECT_NEAR(toPointThree(2000).outhaul, 2.236068f, 1e-6);
  params.maxSpeedFullSuspension = 100;  // so the speed limit (0.45 s) never binds
  EXPECT_NEAR(toPointThree(5000).inhaul, 3300 * 9.81f * 32 / 145470, 2e-5);  // timed as 3000
  EXPECT_NEAR(toPointThree(0).inhaul, 1300 * 9.81f * 32 / 145470, 2e-5);     // timed as 1000
  params.maxSpeedFullSuspension = 1;                                         // 44.72 s at 1 m/s
  EXPECT_NEAR(toPointThree(2000).inhaul, 44.72136f, 1e-4);
}

TEST_F(CycleTimeTest, NoLiftMeansNoInhaulTime) {
  const CycleTimeParts parts = toPointThree(2000, -20);  // tower top 480 m, the end's height
  EXPECT_EQ(parts.inhaul, 0.0f);
  EXPECT_NEAR(parts.outhaul, 2.236068f, 1e-6);
}

TEST_F(CycleTimeTest, DraggedLogAddsFrictionAndTheSlowerLimit) {
  // Reaction 1000 kg at point 2: friction 0.6 x 1000 x 22.36 m; limit 44.72 m at 5 m/s.
  work.groundReaction[2] = 1000;
  EXPECT_NEAR(toPointThree(2000).inhaul, 8.944272f, 2e-5);
  params.maxSpeedPartialSuspension = 50;
  EXPECT_NEAR(toPointThree(2000).inhaul, (13416.408f * 9.81f + 2300 * 9.81f * 32) / 145470, 2e-4);
}

TEST_F(CycleTimeTest, ReportAddsHookTimeAndTruncatesToWholeSeconds) {
  // D = 0.67 x 100 = 67 m reaches point 4 (67.08 m): lift 42 m, inhaul 6.51437 s; outhaul
  // 3.35 s shown as 3; hook and unhook (60 + 30) s/m3 x 2000 / 700 m3 = 257.14 s.
  const CycleTimeReport report = cycleTimeReport(work, params, 2000, 0.6f, 12, 100, 1.2f, 180);
  EXPECT_NEAR(report.inhaul, 6.514366f, 2e-5);
  EXPECT_EQ(report.outhaul, 3.0f);
  EXPECT_EQ(report.totalSeconds, 266);
  EXPECT_EQ(report.loadedLine, "Loaded:   0.1 min");
  EXPECT_EQ(report.cycleLine, "One cycle:   4.4 min");
}

}  // namespace
}  // namespace skyrig
