// Payload analysis on hand-made profiles: suspension modes, stream buffer, infeasible points,
// smoothing, filling, the trial landing variant and the holding line set-up.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "CableTestSupport.h"
#include "cable/PayloadAnalysis.h"
#include "params/CableSystemParams.h"

namespace skyrig {
namespace {

constexpr float kFullHeight = 0.7f + 12.0f + 3.0f;  // carriage depth + log + choker, m

struct Recorder : CarriageObserver {
  void carriagePlaced(int point, const CableWorkArea& work) override {
    points.push_back(point);
    states.push_back(work.carriage);
  }
  std::vector<int> points;
  std::vector<CarriageState> states;
};

class PayloadAnalysisTest : public ::testing::Test {
 protected:
  // Tower on a shoulder, a point just below it, a deep valley, a tail on the far slope.
  void valleyProfile() {
    test::setProfile(work, {{600, 0.0001f}, {595, 10}, {520, 60}, {500, 100}, {530, 150}, {600, 200}});
  }
  std::array<float, kProfilePointSlots> payload{};
  std::array<float, kProfilePointSlots> cycle{};
  AnalysisRows rows{payload.data(), cycle.data()};
  CableWorkArea work;
  CableSystemParams params = defaultCableSystem(4);
};

TEST_F(PayloadAnalysisTest, NearTheChordTheLogDragsInTheValleyItHangs) {
  valleyProfile();
  Recorder recorder;
  analysePayloads(params, work, 12, payload.data(), &recorder);
  ASSERT_EQ(recorder.points, (std::vector<int>{2, 3, 4, 5}));
  // Point 2 sits 17 m under the chord: the fixed skyline length leaves no room to lift the
  // log clear, it is dragged at an angle.
  const CarriageState& shoulder = recorder.states[0];
  EXPECT_TRUE(shoulder.partialSuspension);
  EXPECT_LT(shoulder.loadAngle, 1.5707f);
  EXPECT_GT(work.groundReaction[2], 0.0f);
  // In the valley the carriage rides high enough to lift the whole log: load line vertical.
  const CarriageState& valley = recorder.states[2];
  EXPECT_FALSE(valley.partialSuspension);
  EXPECT_GE(valley.height, kFullHeight);
  EXPECT_EQ(valley.loadAngle, 90.0f * 3.141592f / 180.0f);
  EXPECT_EQ(work.groundReaction[4], -1.0f);
  // Span A and B meet at the carriage and reach the supports' tops.
  EXPECT_FLOAT_EQ(valley.spanA.length, 100.0f);
  EXPECT_FLOAT_EQ(valley.spanA.height, 612.0f - (500.0f + valley.height));
  EXPECT_FLOAT_EQ(valley.spanB.height, 500.0f + valley.height - 612.0f);
  for (int k = 2; k <= 5; ++k) EXPECT_GT(payload[k], 0.0f) << k;
  EXPECT_EQ(payload[1], -1.0f);
  EXPECT_EQ(payload[6], -1.0f);
}

TEST_F(PayloadAnalysisTest, DraggingOverAStreamBufferGivesNoPayload) {
  // Point 2 lies 7 m under the chord, so its log is always dragged; point 4 hangs free.
  test::setProfile(work, {{600, 0.0001f}, {605, 10}, {520, 60}, {500, 100}, {590, 190}, {600, 200}});
  work.profile[2].streamBuffer = 1;
  work.profile[4].streamBuffer = 1;
  Recorder recorder;
  analysePayloads(params, work, 12, payload.data(), &recorder);
  EXPECT_TRUE(recorder.states[0].partialSuspension);
  EXPECT_FALSE(recorder.states[2].partialSuspension);
  EXPECT_EQ(payload[2], 0.0f);
  EXPECT_EQ(work.groundReaction[2], -1.0f);
  EXPECT_EQ(work.flags.streamDragging, 1);
  EXPECT_GT(payload[4], 0.0f);
  EXPECT_EQ(work.minPayload, 0.0f);

  work.flags.clearAll();
  work.profile[2].streamBuffer = 0;
  analysePayloads(params, work, 12, payload.data());
  EXPECT_EQ(work.flags.streamDragging, 0);
  EXPECT_NE(work.groundReaction[2], -1.0f);  // dragged, with its ground reaction
}

TEST_F(PayloadAnalysisTest, ImpossibleSkylineGivesZeroPayloadNeverNaN) {
  valleyProfile();
  params.maxSkylineTension = 10;  // cannot even hold the cable's own weight
  analysePayloads(params, work, 12, payload.data());
  for (int k = 2; k <= 5; ++k) {
    EXPECT_EQ(payload[k], 0.0f) << k;
    EXPECT_EQ(work.groundReaction[k], -1.0f) << k;
  }
  EXPECT_EQ(work.minPayload, 0.0f);
}

TEST_F(PayloadAnalysisTest, SupportsCarryNothingAndAreLeftOutOfTheMinimum) {
  valleyProfile();
  work.supportMarks[3] = 1;
  analysePayloads(params, work, 12, payload.data());
  EXPECT_EQ(payload[3], 0.0f);
  EXPECT_EQ(work.chordCount, 2);
  EXPECT_NEAR(work.chords[1], 100.0f, 1e-4);  // tower top 612 to support top 532 over 60 m
  EXPECT_NEAR(work.chords[2], std::sqrt(140.0f * 140.0f + 80.0f * 80.0f), 1e-4);
  EXPECT_GT(work.minPayload, 0.0f);
  float smallest = 1e8f;
  for (int k : {2, 4, 5}) smallest = std::min(smallest, payload[k]);
  EXPECT_EQ(work.minPayload, smallest);

  // A non-support point without elevation carries nothing and sets the minimum to 0.
  work.supportMarks[3] = 0;
  work.profile[3].z = -5;
  analysePayloads(params, work, 12, payload.data());
  EXPECT_EQ(payload[3], 0.0f);
  EXPECT_EQ(work.minPayload, 0.0f);
}

TEST_F(PayloadAnalysisTest, RoadRowsAreSmoothedOutwardAndTheTrialLandingIsNot) {
  valleyProfile();
  work.roadCycleTime = 123.0f;
  analyseRoad(params, work, 0, 12, rows);
  const auto raw = payload;
  EXPECT_EQ(work.roadCycleTime, 123.0f);  // not computed for the trial landing
  EXPECT_EQ(raw[1], -1.0f);

  analyseRoad(params, work, 3, 12, rows);
  EXPECT_EQ(payload[1], 9999999.0f);
  float running = payload[1];
  for (int k = 2; k <= 5; ++k) {
    EXPECT_EQ(payload[k], std::min(running, raw[k]));
    running = payload[k];
  }
  EXPECT_NE(work.roadCycleTime, 123.0f);
  for (int k = 2; k <= 5; ++k) EXPECT_GT(cycle[k], 0.0f);
  EXPECT_EQ(cycle[1], -1.0f);
  EXPECT_EQ(cycle[6], -1.0f);
}

TEST_F(PayloadAnalysisTest, ZeroCycleTimeTakesTheNearestPointScaledByDistance) {
  // Point 3 lies at the tower top's height (500 + 12): no lift, and an instant outhaul.
  test::setProfile(work, {{500, 0.0001f}, {490, 20}, {512, 40}, {480, 60}, {470, 80}, {480, 100}});
  params.avgOuthaulSpeed = std::numeric_limits<float>::infinity();
  analyseRoad(params, work, 1, 12, rows);
  EXPECT_GT(cycle[2], 0.0f);
  EXPECT_EQ(cycle[3], cycle[2] * (40.0f / 20.0f));  // points 2 and 4 are equally near: 2
}

TEST_F(PayloadAnalysisTest, LandingSideHigherLowersTheSkylineTensionForTheMainline) {
  test::setProfile(work, {{700, 0.0001f}, {600, 100}, {560, 200}});
  params.maxMainlineTension = 3000;
  analysePayloads(params, work, 12, payload.data());
  const CarriageState& c = work.carriage;
  EXPECT_LE(c.holding.tensionFar, 3000.0);
  EXPECT_GT(c.holding.tensionFar, 1500.0);  // reduced by at most half a step too far
  EXPECT_LT(c.forcesA.tensionEnd, params.maxSkylineTension);
  // The mainline runs from the tower top to the carriage attachment.
  const float attachment = 600.0f + c.height - 0.7f / 2.0f;
  EXPECT_FLOAT_EQ(c.mainline.length, 100.0f);
  EXPECT_FLOAT_EQ(c.mainline.height, 712.0f - attachment);
  // Without a ground contact the haulback's height is the carriage side minus the tail top.
  EXPECT_FLOAT_EQ(c.haulback.length, 100.0f);
  EXPECT_FLOAT_EQ(c.haulback.height, attachment - (560.0f + 12.0f));
}

TEST_F(PayloadAnalysisTest, HoldingLinesTouchingTheGroundEndAtTheContact) {
  // A knoll at point 3 (630 m): from point 2 the haulback to the tail top passes under it,
  // from point 4 the mainline to the tower top does.
  test::setProfile(work, {{600, 0.0001f}, {560, 50}, {630, 60}, {590, 150}, {640, 200}});
  Recorder recorder;
  analysePayloads(params, work, 12, payload.data(), &recorder);
  const CarriageState& atTwo = recorder.states[0];
  EXPECT_FLOAT_EQ(atTwo.haulback.length, 10.0f);
  EXPECT_FLOAT_EQ(atTwo.haulback.height, 560.0f + atTwo.height - 0.35f - 630.0f);
  EXPECT_FLOAT_EQ(atTwo.mainline.length, 50.0f);
  const CarriageState& atFour = recorder.states[2];
  EXPECT_FLOAT_EQ(atFour.mainline.length, 90.0f);
  EXPECT_FLOAT_EQ(atFour.mainline.height, 630.0f - (590.0f + atFour.height - 0.35f));
  EXPECT_FLOAT_EQ(atFour.haulback.length, 50.0f);
}

}  // namespace
}  // namespace skyrig
