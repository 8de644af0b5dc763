// Payload analysis on hand-made profiles (generic system 4, tail spar 12 m): suspension
// modes, holding lines, stream buffer, infeasible points, smoothing and filling.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "CableTestSupport.h"
#include "cable/PayloadAnalysis.h"
#include "document/CableSystemParams.h"

namespace skyrig {
namespace {

struct Recorder : CarriageObserver {
  void carriagePlaced(int, const CableWorkArea& work) override { states.push_back(work.carriage); }
  std::vector<CarriageState> states;
};

class PayloadTest : public ::testing::Test {
 protected:
  // Tower on a shoulder (top 612 m), a point 7 m under the chord, a deep valley, a tail top
  // 612 m at 200 m.
  void valley() {
    test::setProfile(work,
                     {{600, 0.0001f}, {605, 10}, {520, 60}, {500, 100}, {590, 190}, {600, 200}});
  }
  std::array<float, kProfilePointSlots> payload{}, cycle{};
  CableWorkArea work;
  CableSystemParams params = defaultCableSystem(4);
  Recorder seen;
};

TEST_F(PayloadTest, UnderTheChordTheLogDragsInTheValleyItHangs) {
  valley();
  analysePayloads(params, work, 12, payload.data(), &seen);
  ASSERT_EQ(seen.states.size(), 4u);
  EXPECT_TRUE(seen.states[0].partialSuspension);  // no room to lift the log clear
  EXPECT_LT(seen.states[0].loadAngle, 1.5707f);
  EXPECT_NE(work.groundReaction[2], -1.0f);  // the dragged log's ground reaction is recorded
  const CarriageState& low = seen.states[2];  // point 4, 112 m under the chord
  EXPECT_FALSE(low.partialSuspension);
  EXPECT_GE(low.height, 0.7f + 12.0f + 3.0f);
  EXPECT_EQ(low.loadAngle, 90.0f * 3.141592f / 180.0f);
  EXPECT_EQ(work.groundReaction[4], -1.0f);
  EXPECT_FLOAT_EQ(low.spanA.height, 612.0f - (500.0f + low.height));
  EXPECT_FLOAT_EQ(low.spanB.length, 100.0f);
  EXPECT_TRUE(payload[1] == -1.0f && payload[6] == -1.0f);
}

TEST_F(PayloadTest, DraggingOverAStreamBufferGivesNoPayload) {
  valley();
  work.profile[2].streamBuffer = work.profile[4].streamBuffer = 1;  // dragged there, hanging here
  analysePayloads(params, work, 12, payload.data());
  EXPECT_EQ(payload[2], 0.0f);
  EXPECT_EQ(work.groundReaction[2], -1.0f);
  EXPECT_EQ(work.flags.streamDragging, 1);
  EXPECT_GT(payload[4], 0.0f);
  EXPECT_EQ(work.minPayload, 0.0f);
}

TEST_F(PayloadTest, InfeasiblePointsCarryZeroNeverNaN) {
  valley();
  params.maxSkylineTension = 10;  // cannot even hold the skyline's own weight
  analysePayloads(params, work, 12, payload.data());
  for (int k = 2; k <= 5; ++k)
    EXPECT_TRUE(payload[k] == 0.0f && work.groundReaction[k] == -1.0f) << k;
  EXPECT_EQ(work.minPayload, 0.0f);
  // Supports carry 0 and stay out of the minimum; a point without elevation does not.
  params = defaultCableSystem(4);
  work.supportMarks[3] = 1;
  analysePayloads(params, work, 12, payload.data());
  EXPECT_EQ(work.chordCount, 2);
  EXPECT_NEAR(work.chords[1], 100.0f, 1e-4);  // tower top 612 to support top 532 over 60 m
  EXPECT_EQ(payload[3], 0.0f);
  EXPECT_EQ(work.minPayload, std::max(0.0f, std::min({payload[2], payload[4], payload[5]})));
  work.supportMarks[3] = 0;
  work.profile[3].z = -5;
  analysePayloads(params, work, 12, payload.data());
  EXPECT_EQ(work.minPayload, 0.0f);
}

TEST_F(PayloadTest, RoadRowsAreSmoothedOutwardTrialRowsAreNot) {
  valley();
  work.roadCycleTime = 123.0f;
  analyseRoad(params, work, 0, 12, {payload.data(), cycle.data()});
  const auto raw = payload;
  EXPECT_EQ(work.roadCycleTime, 123.0f);  // not computed for the trial landing
  analyseRoad(params, work, 3, 12, {payload.data(), cycle.data()});
  EXPECT_EQ(payload[1], 9999999.0f);
  for (int k = 2; k <= 5; ++k)  // never above the point before; 0 or less takes its value
    EXPECT_EQ(payload[k], raw[k] <= 0.0f ? payload[k - 1] : std::min(payload[k - 1], raw[k]));
  EXPECT_NE(work.roadCycleTime, 123.0f);
  EXPECT_TRUE(cycle[1] == -1.0f && cycle[2] > 0.0f && cycle[6] == -1.0f);
}

TEST_F(PayloadTest, ZeroCycleTimeTakesTheNearestPointScaledByDistance) {
  // Point 3 at the tower top's height (500 + 12): no lift, and an instant outhaul.
  test::setProfile(work, {{500, 0.0001f}, {490, 20}, {512, 40}, {480, 60}, {470, 80}, {480, 100}});
  params.avgOuthaulSpeed = std::numeric_limits<float>::infinity();
  analyseRoad(params, work, 1, 12, {payload.data(), cycle.data()});
  EXPECT_GT(cycle[2], 0.0f);
  EXPECT_EQ(cycle[3], cycle[2] * (40.0f / 20.0f));  // 2 and 4 are equally near: the lower
}

TEST_F(PayloadTest, LandingSideHigherLowersTheSkylineTensionForTheMainline) {
  test::setProfile(work, {{700, 0.0001f}, {600, 100}, {560, 200}});
  params.maxMainlineTension = 3000;
  analysePayloads(params, work, 12, payload.data());
  const CarriageState& c = work.carriage;
  EXPECT_LE(c.holding.tensionFar, 3000.0);
  EXPECT_GT(c.holding.tensionFar, 1500.0);  // each reduction at most halves the tension
  EXPECT_LT(c.forcesA.tensionEnd, params.maxSkylineTension);
  const float attachment = 600.0f + c.height - 0.35f;
  EXPECT_FLOAT_EQ(c.mainline.height, 712.0f - attachment);
  // Without a ground contact the haulback's height is the carriage side minus the tail top.
  EXPECT_FLOAT_EQ(c.haulback.height, attachment - 572.0f);
}

TEST_F(PayloadTest, HoldingLinesTouchingTheGroundEndAtTheContact) {
  // A knoll at point 3 (630 m): from point 2 the haulback to the tail top passes under it,
  // from point 4 the mainline to the tower top does.
  test::setProfile(work, {{600, 0.0001f}, {560, 50}, {630, 60}, {590, 150}, {640, 200}});
  analysePayloads(params, work, 12, payload.data(), &seen);
  EXPECT_FLOAT_EQ(seen.states[0].haulback.length, 10.0f);
  EXPECT_FLOAT_EQ(seen.states[0].haulback.height, 560.0f + seen.states[0].height - 0.35f - 630.0f);
  EXPECT_FLOAT_EQ(seen.states[2].mainline.length, 90.0f);
  EXPECT_FLOAT_EQ(seen.states[2].mainline.height,
                  630.0f - (590.0f + seen.states[2].height - 0.35f));
}

}  // namespace
}  // namespace skyrig
