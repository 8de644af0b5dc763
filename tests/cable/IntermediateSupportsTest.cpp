// Support placement on straight, concave, convex and steep profiles (10 m steps, generic
// system: tower, supports and tail 12 m, clearance 6 m, deflection 0.07, limits -20 % and
// 50 %) and the reduction rule with scripted payloads.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "CableTestSupport.h"
#include "cable/IntermediateSupports.h"
#include "document/CableSystemParams.h"

namespace skyrig {
namespace {

// Counts findings; the reduction gets payloads scripted by the set of supports left.
struct ScriptedHooks : SupportPlacementHooks {
  float analyseCandidate(CableWorkArea& work) override {
    ++analyses;
    std::vector<int> left;  // the tower and the tail are marked while supports are placed
    for (int k = 2; k < work.analysedCount; ++k)
      if (work.supportMarks[k]) left.push_back(k);
    return payloadBySupports.count(left) ? payloadBySupports[left] : 0.0f;
  }
  void downhillYarding() override { ++downhill; }
  void steepChordBreak() override { ++steep; }
  void supportReductionFailed() override { ++failed; }
  std::map<std::vector<int>, float> payloadBySupports;
  int analyses = 0, downhill = 0, steep = 0, failed = 0;
};

class SupportsTest : public ::testing::Test {
 protected:
  std::vector<int> place(const std::vector<int>& z,
                         SupportPlacementOptions options = {12, 12, true}) {
    std::vector<test::GroundPoint> points;
    for (std::size_t k = 0; k < z.size(); ++k)
      points.push_back({z[k], 10.0f * static_cast<float>(k)});
    test::setProfile(work, points);
    work.flags.clearAll();
    placeSupports(params, work, options, hooks);
    std::vector<int> supports;
    for (int k = 0; k < kProfilePointSlots; ++k)
      if (work.supportMarks[k]) supports.push_back(k);
    EXPECT_EQ(work.supportCount, static_cast<int>(supports.size()));
    return supports;
  }
  CableWorkArea work;
  CableSystemParams params = defaultCableSystem(4);
  ScriptedHooks hooks;
};

TEST_F(SupportsTest, StraightAndConcaveProfilesNeedNone) {
  EXPECT_TRUE(place({700, 695, 690, 685, 680, 675, 670, 665}).empty());
  EXPECT_TRUE(place({700, 680, 665, 655, 650, 648, 647}).empty());
  EXPECT_FALSE(work.flags.any());
  // Three points: the tower's correction (8 m with a 20 m tower) applies to point 2, which
  // with the tail's (0) would be convex.
  params.towerHeight = 20;
  EXPECT_TRUE(place({600, 598, 590}).empty());
}

TEST_F(SupportsTest, ConvexBreakGetsASupportUnlessTheSaggingSkylineClearsIt) {
  // -20 % then -60 %: the break at point 5 is convex, and the line from the tower top (712)
  // to the tail top (680) passes it 2 m short of the 6 m clearance.
  const std::vector<int> profile = {700, 698, 696, 694, 692, 686, 680, 674, 668};
  EXPECT_EQ(place(profile), (std::vector<int>{5}));
  EXPECT_FALSE(work.flags.any());
  params.groundClearance = -10;  // gap 14 m, more than the sag 0.07 x 80 = 5.6 m
  EXPECT_TRUE(place(profile).empty());
}

TEST_F(SupportsTest, SteepBreakKeepsItsSupportsAndSkipsTheReduction) {
  // A hump rising 40 m over 40 m and falling again: slopes +1 and -1 between the tops.
  const std::vector<int> hump = {600, 610, 620, 630, 640, 630, 620, 610, 600};
  params.maxIntSupports = 0;
  EXPECT_EQ(place(hump), (std::vector<int>{5}));
  EXPECT_TRUE(work.flags.steepChordBreak && work.flags.downhillYarding);  // rising span
  EXPECT_EQ(hooks.analyses, 0);
  // The profile check does not flag rising support spans.
  place(hump, {12, 12, false});
  EXPECT_EQ(work.flags.downhillYarding, 0);
  EXPECT_EQ(hooks.downhill, 1);
  EXPECT_EQ(hooks.steep, 2);
}

TEST_F(SupportsTest, ReductionKeepsTheBestPayloadAcrossPasses) {
  // Convex breaks at points 4 and 7; none allowed. Pass 1 removes 4 (500 with 7 alone);
  // pass 2 finds 400 <= 500 and gives up with 7 left.
  const std::vector<int> twoBreaks = {700, 699, 698, 697, 693, 689, 685, 675, 665, 655};
  params.maxIntSupports = 0;
  hooks.payloadBySupports = {{{4}, 300}, {{7}, 500}, {{}, 400}};
  EXPECT_EQ(place(twoBreaks), (std::vector<int>{7}));
  EXPECT_EQ(hooks.analyses, 3);
  EXPECT_TRUE(work.flags.supportReductionFailed && hooks.failed == 1);
  hooks.payloadBySupports[{}] = 600;
  EXPECT_TRUE(place(twoBreaks).empty());
  EXPECT_EQ(work.flags.supportReductionFailed, 0);
  // With real analyses every support goes or the reduction fails.
  test::ScratchHooks analysing(params, 12);
  placeSupports(params, work, {12, 12, true}, analysing);
  EXPECT_TRUE(work.supportCount == 0 || work.flags.supportReductionFailed);
  EXPECT_GE(analysing.analyses, 2);
}

TEST_F(SupportsTest, ChordTestFlagsDownhillAndGentleChords) {
  place({600, 590, 580, 590, 605});  // tail 5 m above the landing
  EXPECT_EQ(work.flags.downhillYarding, 1);
  // Exactly the limit, (600 - 580) x 100 / (0 - 100) = -20 %, is not gentler than -20 %.
  place({600, 598, 595, 592, 589, 586, 584, 582, 581, 580, 580});
  EXPECT_EQ(work.flags.needsHaulback, 0);
  place({600, 598, 595, 592, 589, 586, 584, 582, 581, 581, 581});  // -19 %
  EXPECT_EQ(work.flags.needsHaulback, 1);
}

}  // namespace
}  // namespace skyrig
