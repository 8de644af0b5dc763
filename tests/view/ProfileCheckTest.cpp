#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cable/ProfileCheckForm.h"
#include "cable/ProfileCheckPicture.h"
#include "cable/ProfileCheckReport.h"
#include "seams/Paths.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"

namespace skyrig {
namespace {

using Lines = std::vector<std::string>;

// Landing 3, road 7, system 1 with the generic figures; points 1..z.size() `step` m apart.
ProfileCheckData road(std::vector<int> z, float step) {
  ProfileCheckData data;
  data.landing = 3;
  data.road = 7;
  data.system = 1;
  data.params = defaultCableSystem(0);
  data.tailSparHeight = data.params.minSparTreeHeight;
  data.work.sampledCount = data.work.analysedCount = static_cast<int>(z.size());
  for (int k = 1; k <= data.work.sampledCount; ++k)
    data.work.profile[k] = {k, 1, z[k - 1], step * static_cast<float>(k - 1), 0};
  return data;
}
ProfileCheckData flatRoad(int count) { return road(std::vector<int>(count, 500), 20.0f); }
// Supports at 2, 3 and 4; the span into support 2 rises.
ProfileCheckData humpRoad() {
  ProfileCheckData data = road({100, 120, 110, 80, 40}, 50.0f);
  data.params.maxSlopeChange = 100;
  return data;
}

struct DialogFixture {
  // The workspace root is a temporary folder of this process named for the test and `folder`.
  explicit DialogFixture(const ProfileCheckData& data, const std::string& folder = "")
      : root(std::filesystem::temp_directory_path() /
             ("skyrig_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + folder)),
        paths(root),
        form(data, canvas, paths) {}
  ~DialogFixture() { std::filesystem::remove_all(root); }
  void press(int k) { form.mouseDown(form.pointX(k), ui); }
  void move(int k) { form.mouseMove(form.pointX(k)); }
  void click(int k) {
    press(k);
    form.mouseUp();
  }
  int marks(int k) const { return form.data().work.supportMarks[k]; }
  int supports() const { return form.data().work.supportCount; }

  std::filesystem::path root;
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  ProfileCheckForm form;
};

TEST(ProfileCheckEditing, TwentySupportsAreAcceptedTheTwentyFirstIsRefused) {
  DialogFixture f(flatRoad(30));
  f.form.locateOrMove();
  for (int k = 2; k <= 21; ++k) f.click(k);
  EXPECT_TRUE(f.ui.messages().empty());
  f.press(22);
  EXPECT_EQ(f.ui.messages(),
            Lines{"message stop: You selected more than a possible number of intermediate spars."});
  EXPECT_EQ(f.marks(22), 0);
  EXPECT_EQ(f.supports(), 20);
  EXPECT_EQ(f.form.selectedPoint(), -1);
  EXPECT_EQ(f.form.draggedSupport(), -1);
  // Removing a support makes room for another.
  f.click(2);
  f.form.removeSelected(f.ui);
  EXPECT_EQ(f.supports(), 19);
  f.click(22);
  EXPECT_EQ(f.marks(22), 1);
  EXPECT_EQ(f.ui.messages().size(), 1u);
}

TEST(ProfileCheckEditing, DraggingTheTailTowardTheLandingRemovesThePassedSupports) {
  DialogFixture f(flatRoad(20));
  f.form.locateOrMove();
  for (int k : {5, 10, 15}) f.click(k);
  f.press(20);
  f.move(12);
  EXPECT_EQ(f.form.data().tailPoint(), 12);
  EXPECT_EQ(f.marks(15) + 10 * f.marks(10), 10);
  f.move(10);  // a support at the new tail point goes too
  EXPECT_EQ(f.supports(), 1);
  f.move(1);  // the tail keeps a point between itself and the tower
  EXPECT_EQ(f.form.data().tailPoint(), 3);
  EXPECT_EQ(f.supports(), 0);
  f.form.mouseUp();
  f.move(15);  // no longer dragging
  EXPECT_EQ(f.form.data().tailPoint(), 3);
}

TEST(ProfileCheckEditing, SelectionRulesRemoveAndScriptFields) {
  ProfileCheckData data = flatRoad(20);
  data.work.analysedCount = 10;
  DialogFixture f(data);
  f.press(4);  // not in edit mode: nothing happens
  EXPECT_EQ(f.supports(), 0);
  f.form.locateOrMove();
  f.press(15);  // beyond the tail: nothing selected
  f.form.mouseUp();
  EXPECT_EQ(f.form.selectedPoint(), -1);
  f.form.removeSelected(f.ui);  // nothing selected: nothing happens
  f.click(1);                   // the tower point: selected, no support
  EXPECT_EQ(f.supports(), 0);
  f.click(10);
  f.form.removeSelected(f.ui);
  EXPECT_EQ(f.ui.messages(), Lines{"message stop: You cannot erase the tailspar!"});
  // Scripts press, move and release at profile points; a support dragged moves its mark.
  for (auto [field, point] : {std::pair{"press", "4"}, {"move", "7"}, {"release", "7"}})
    EXPECT_TRUE(f.form.editField(field, point, f.ui));
  EXPECT_EQ(f.marks(4) + 10 * f.marks(7), 10);
  EXPECT_FALSE(f.form.editField("press", "21", f.ui));
}

TEST(ProfileCheckPicture, GroundHalvesEndingAtStreamBufferPointsAreBlue) {
  ProfileCheckData data = flatRoad(3);
  data.work.profile[2].streamBuffer = 1;
  RecordingCanvas canvas;
  drawProfilePicture(data, -1, canvas);
  ASSERT_GE(canvas.calls.size(), 5u);
  EXPECT_EQ(canvas.calls[0], "clear");
  for (int i : {1, 4}) EXPECT_TRUE(canvas.calls[i].ends_with(" 0,0,0 solid")) << i;
  for (int i : {2, 3}) EXPECT_TRUE(canvas.calls[i].ends_with(" 0,0,255 solid")) << i;
}

TEST(ProfileCheckPicture, PayloadLabelsNeverOverlapAndSparsePointsAllGetOne) {
  // Ninety points 2 m apart on a slope: far more labels than room.
  std::vector<int> z;
  for (int k = 0; k < 90; ++k) z.push_back(900 - k);
  const ProfileCheckData dense = road(z, 2.0f);
  std::vector<int> points;
  for (int k = 2; k < 90; ++k) points.push_back(k);
  const std::vector<PayloadLabelPlace> placed = placePayloadLabels(dense, points);
  ASSERT_GT(placed.size(), 10u);
  EXPECT_LT(placed.size(), points.size());
  for (std::size_t a = 0; a < placed.size(); ++a)
    for (std::size_t b = a + 1; b < placed.size(); ++b) {
      const PayloadLabelBox p = payloadLabelBox(placed[a]), q = payloadLabelBox(placed[b]);
      const bool apart = p.right <= q.left || q.right <= p.left || p.bottom >= q.top || q.bottom >= p.top;
      EXPECT_TRUE(apart) << "points " << placed[a].point << " and " << placed[b].point;
    }

  // Five points 100 m apart: each label on the first line, the same depth below its point.
  const ProfileCheckData sparse = road({500, 500, 500, 500, 500}, 100.0f);
  const std::vector<PayloadLabelPlace> all = placePayloadLabels(sparse, {2, 3, 4});
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].y, all[1].y);
  EXPECT_EQ(all[1].y, all[2].y);
  EXPECT_LT(all[0].x, all[1].x);
}

TEST(ProfileCheckTexts, MaxPayloadIsRoundedDownToHundredsOfKilograms) {
  EXPECT_EQ(maxPayloadText(99.9f), "MaxPayload:     0 kg");
  EXPECT_EQ(maxPayloadText(100.0f), "MaxPayload:   100 kg");
  EXPECT_EQ(maxPayloadText(1299.99f), "MaxPayload:  1200 kg");
  EXPECT_EQ(maxPayloadText(123456.0f), "MaxPayload: 123400 kg");
}

TEST(ProfileCheckSupports, FindingsAreMessagesAndRisingSpansAreNotDownhill) {
  DialogFixture hump(humpRoad(), "hump");
  hump.form.generateSupports(hump.ui);
  EXPECT_EQ(hump.supports(), 3);
  EXPECT_TRUE(hump.ui.messages().empty());

  DialogFixture uphill(road({20, 40, 60, 80, 100}, 50.0f), "uphill");
  uphill.form.generateSupports(uphill.ui);
  EXPECT_EQ(uphill.ui.messages(), Lines{"message stop: Downhill yarding!"});
  DialogFixture gentle(road({100, 90, 80, 70, 70}, 50.0f), "gentle");  // -15 %
  gentle.form.generateSupports(gentle.ui);
  EXPECT_EQ(gentle.ui.messages(), Lines{"message stop: Haulbackline is necessary"});
  ProfileCheckData steepData = humpRoad();
  steepData.params.maxSlopeChange = 50;  // the break at support 2 is 0.578 rad
  DialogFixture steep(steepData, "steep");
  steep.form.generateSupports(steep.ui);
  EXPECT_EQ(steep.ui.messages(), Lines{"message stop: Too steep break in chord slope!"});
  EXPECT_EQ(steep.supports(), 3);
}

TEST(ProfileCheckSupports, EveryReductionCandidateIsAnalysedAndReported) {
  ProfileCheckData data = humpRoad();
  data.params.maxIntSupports = 0;
  DialogFixture f(data);
  f.form.generateSupports(f.ui);
  int payloadTexts = 0;
  for (const auto& call : f.canvas.calls) payloadTexts += call.find(" MaxPayload:") != call.npos;
  EXPECT_GE(payloadTexts, 4);  // a pass over the three supports, and the final analysis
  EXPECT_TRUE(std::filesystem::exists(f.root / "output" / "cableroadprofile.txt"));
}

TEST(ProfileCheckReport, PayloadAnalysisWritesTheReportOfTheAnalysedPoints) {
  DialogFixture f(humpRoad());
  f.form.locateOrMove();
  f.click(3);  // one support, at point 3
  f.form.payloadAnalysis(f.ui);
  std::ifstream in(f.root / "output" / "cableroadprofile.txt");
  Lines lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(
      Lines(lines.begin(), lines.begin() + 6),
      (Lines{"Landing:\t3", "Cableroad:\t7", "System:\t1", "Tailspar height:\t12",
             "No\t\tElev.\t\tHorDist\t\tPayload\t\tINT", "1\t\t100\t\t0.000000\t\t-1.000000\t\t"}));
  EXPECT_EQ(lines[7], "3\t\t110\t\t100.000000\t\t0.000000\t\t\tINT");
  EXPECT_EQ(lines[9], "5\t\t40\t\t200.000000\t\t-1.000000\t\t");
  // The minimum is the smaller payload of the two loaded points, 0 when negative.
  const float minimum = std::max(0.0f, std::min(f.form.payloads()[2], f.form.payloads()[4]));
  char expected[64];
  std::snprintf(expected, sizeof expected, "MinPayload:\t%f", static_cast<double>(minimum));
  EXPECT_EQ(lines[10], expected);
  bool shown = false;
  for (const auto& call : f.canvas.calls) shown |= call.ends_with(" " + maxPayloadText(minimum));
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace skyrig
