#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Paths.h"
#include "app/ScriptedUi.h"
#include "cable/ProfileCheckForm.h"
#include "cable/ProfileCheckPicture.h"
#include "cable/ProfileCheckReport.h"
#include "view/RecordingCanvas.h"

namespace skyrig {
namespace {

// A road of `count` points 20 m apart, every elevation 500 m, tail at the last point.
ProfileCheckData straightRoad(int count) {
  ProfileCheckData data;
  data.landing = 3;
  data.road = 7;
  data.system = 1;
  data.params = defaultCableSystem(0);
  data.tailSparHeight = data.params.minSparTreeHeight;
  data.work.sampledCount = count;
  data.work.analysedCount = count;
  for (int k = 1; k <= count; ++k) data.work.profile[k] = {k, 1, 500, 20.0f * (k - 1), 0};
  return data;
}

// A road of five points 50 m apart with the given elevations.
ProfileCheckData fivePointRoad(std::array<int, 5> z) {
  ProfileCheckData data = straightRoad(5);
  for (int k = 1; k <= 5; ++k) data.work.profile[k] = {k, 1, z[k - 1], 50.0f * (k - 1), 0};
  return data;
}

std::vector<std::string> fileLines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct DialogFixture {
  explicit DialogFixture(const ProfileCheckData& data,
                         std::filesystem::path root = std::filesystem::temp_directory_path())
      : paths(std::move(root)), form(data, canvas, paths) {}
  void press(int k) { form.mouseDown(form.pointX(k), ui); }
  void move(int k) { form.mouseMove(form.pointX(k)); }
  void click(int k) {
    press(k);
    form.mouseUp();
  }
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  ProfileCheckForm form;
};

TEST(ProfileCheckEditing, TwentySupportsAreAcceptedTheTwentyFirstIsRefused) {
  DialogFixture f(straightRoad(30));
  f.form.locateOrMove();
  for (int k = 2; k <= 21; ++k) f.click(k);
  EXPECT_EQ(f.form.data().work.supportCount, 20);
  EXPECT_TRUE(f.ui.messages().empty());
  f.press(22);
  EXPECT_EQ(f.ui.messages(),
            std::vector<std::string>{
                "message stop: You selected more than a possible number of intermediate spars."});
  EXPECT_EQ(f.form.data().work.supportMarks[22], 0);
  EXPECT_EQ(f.form.data().work.supportCount, 20);
  EXPECT_EQ(f.form.selectedPoint(), -1);
  EXPECT_EQ(f.form.draggedSupport(), -1);

  // Removing one support makes room for another.
  f.click(2);
  EXPECT_EQ(f.form.selectedPoint(), 2);
  f.form.removeSelected(f.ui);
  EXPECT_EQ(f.form.data().work.supportCount, 19);
  EXPECT_EQ(f.form.selectedPoint(), -1);
  f.click(22);
  EXPECT_EQ(f.form.data().work.supportMarks[22], 1);
  EXPECT_EQ(f.form.data().work.supportCount, 20);
  EXPECT_EQ(f.ui.messages().size(), 1u);
}

TEST(ProfileCheckEditing, DraggingTheTailTowardTheLandingRemovesThePassedSupports) {
  DialogFixture f(straightRoad(20));
  f.form.locateOrMove();
  for (int k : {5, 10, 15}) f.click(k);
  f.press(20);
  EXPECT_EQ(f.form.draggedTail(), 20);
  f.move(12);
  EXPECT_EQ(f.form.data().tailPoint(), 12);
  EXPECT_EQ(f.form.data().work.supportMarks[15], 0);
  EXPECT_EQ(f.form.data().work.supportMarks[10], 1);
  EXPECT_EQ(f.form.data().work.supportCount, 2);
  f.move(10);  // a support at the new tail point goes too
  EXPECT_EQ(f.form.data().tailPoint(), 10);
  EXPECT_EQ(f.form.data().work.supportMarks[10], 0);
  EXPECT_EQ(f.form.data().work.supportCount, 1);
  f.move(1);  // the tail keeps a point between itself and the tower
  EXPECT_EQ(f.form.data().tailPoint(), 3);
  EXPECT_EQ(f.form.data().work.supportCount, 0);
  f.form.mouseUp();
  EXPECT_EQ(f.form.draggedTail(), -1);
  f.move(15);  // no longer dragging
  EXPECT_EQ(f.form.data().tailPoint(), 3);
}

TEST(ProfileCheckEditing, SelectionRulesAndRemove) {
  ProfileCheckData data = straightRoad(20);
  data.work.analysedCount = 10;
  DialogFixture f(data);
  f.press(4);  // not in edit mode: nothing happens
  EXPECT_EQ(f.form.data().work.supportCount, 0);
  f.form.locateOrMove();
  f.press(15);  // beyond the tail
  EXPECT_EQ(f.form.selectedPoint(), -1);
  EXPECT_EQ(f.form.data().work.supportMarks[15], 0);
  f.form.mouseUp();
  f.form.removeSelected(f.ui);  // nothing selected: nothing happens
  EXPECT_TRUE(f.ui.messages().empty());
  f.click(1);  // the tower point is selected but carries no support
  EXPECT_EQ(f.form.selectedPoint(), 1);
  EXPECT_EQ(f.form.data().work.supportCount, 0);
  f.click(10);
  f.form.removeSelected(f.ui);
  EXPECT_EQ(f.ui.messages(),
            std::vector<std::string>{"message stop: You cannot erase the tailspar!"});
  EXPECT_EQ(f.form.data().tailPoint(), 10);
  // Dragging a support moves its mark.
  f.press(4);
  f.move(7);
  f.form.mouseUp();
  EXPECT_EQ(f.form.data().work.supportMarks[4], 0);
  EXPECT_EQ(f.form.data().work.supportMarks[7], 1);
  EXPECT_EQ(f.form.data().work.supportCount, 1);
}

TEST(ProfileCheckEditing, ScriptFieldsNamePointsAndButtons) {
  DialogFixture f(straightRoad(20));
  EXPECT_TRUE(f.form.pressButton("Locate or Move", f.ui));
  EXPECT_TRUE(f.form.editField("press", "6", f.ui));
  EXPECT_TRUE(f.form.editField("move", "8", f.ui));
  EXPECT_TRUE(f.form.editField("release", "8", f.ui));
  EXPECT_EQ(f.form.data().work.supportMarks[8], 1);
  EXPECT_FALSE(f.form.editField("press", "21", f.ui));
  EXPECT_FALSE(f.form.editField("press", "x", f.ui));
  EXPECT_FALSE(f.form.pressButton("Help", f.ui));
}

TEST(ProfileCheckPicture, GroundHalvesEndingAtStreamBufferPointsAreBlue) {
  ProfileCheckData data = straightRoad(3);
  data.work.profile[2].streamBuffer = 1;
  RecordingCanvas canvas;
  drawProfilePicture(data, -1, canvas);
  ASSERT_GE(canvas.calls.size(), 5u);
  EXPECT_EQ(canvas.calls[0], "clear");
  EXPECT_TRUE(canvas.calls[1].ends_with(" 0,0,0 solid")) << canvas.calls[1];
  EXPECT_TRUE(canvas.calls[2].ends_with(" 0,0,255 solid")) << canvas.calls[2];
  EXPECT_TRUE(canvas.calls[3].ends_with(" 0,0,255 solid")) << canvas.calls[3];
  EXPECT_TRUE(canvas.calls[4].ends_with(" 0,0,0 solid")) << canvas.calls[4];
}

TEST(ProfileCheckTexts, MaxPayloadIsRoundedDownToHundredsOfKilograms) {
  EXPECT_EQ(maxPayloadText(99.9f), "MaxPayload:     0 kg");
  EXPECT_EQ(maxPayloadText(100.0f), "MaxPayload:   100 kg");
  EXPECT_EQ(maxPayloadText(1299.99f), "MaxPayload:  1200 kg");
  EXPECT_EQ(maxPayloadText(0.0f), "MaxPayload:     0 kg");
  EXPECT_EQ(maxPayloadText(123456.0f), "MaxPayload: 123400 kg");
}

TEST(ProfileCheckTexts, ReportLines) {
  std::array<ProfileReportPoint, 4> points{};
  points[1] = {812, 0.0001f, -1.0f, false};
  points[2] = {805, 20.5f, 0.0f, true};
  points[3] = {790, 41.0f, 2345.5f, false};
  const std::string text = profileReportText({3, 7, 2, 13.9f}, points.data(), 3, 2345.5f);
  EXPECT_EQ(text,
            "Landing:\t3\n"
            "Cableroad:\t7\n"
            "System:\t2\n"
            "Tailspar height:\t13\n"
            "No\t\tElev.\t\tHorDist\t\tPayload\t\tINT\n"
            "1\t\t812\t\t0.000100\t\t-1.000000\t\t\n"
            "2\t\t805\t\t20.500000\t\t0.000000\t\t\tINT\n"
            "3\t\t790\t\t41.000000\t\t2345.500000\t\t\n"
            "MinPayload:\t2345.500000\n");
}

// 100, 120, 110, 80, 40 at 50 m: supports at 2, 3 and 4; the span into support 2 rises.
ProfileCheckData humpRoad() {
  ProfileCheckData data = fivePointRoad({100, 120, 110, 80, 40});
  data.params.maxSlopeChange = 100;
  return data;
}

TEST(ProfileCheckSupports, FindingsAreMessagesAndRisingSpansAreNotDownhill) {
  DialogFixture hump(humpRoad(), std::filesystem::temp_directory_path() / "skyrig_hump");
  hump.form.generateSupports(hump.ui);
  EXPECT_EQ(hump.form.data().work.supportCount, 3);
  EXPECT_TRUE(hump.ui.messages().empty());

  DialogFixture uphill(fivePointRoad({20, 40, 60, 80, 100}),
                       std::filesystem::temp_directory_path() / "skyrig_uphill");
  uphill.form.generateSupports(uphill.ui);
  DialogFixture gentle(fivePointRoad({100, 90, 80, 70, 70}),  // -15 %
                       std::filesystem::temp_directory_path() / "skyrig_gentle");
  gentle.form.generateSupports(gentle.ui);
  ProfileCheckData steepData = humpRoad();
  steepData.params.maxSlopeChange = 50;  // the break at support 2 is 0.578 rad
  DialogFixture steep(steepData, std::filesystem::temp_directory_path() / "skyrig_steep");
  steep.form.generateSupports(steep.ui);
  EXPECT_EQ(uphill.ui.messages(), std::vector<std::string>{"message stop: Downhill yarding!"});
  EXPECT_EQ(gentle.ui.messages(),
            std::vector<std::string>{"message stop: Haulbackline is necessary"});
  EXPECT_EQ(steep.ui.messages(),
            std::vector<std::string>{"message stop: Too steep break in chord slope!"});
  EXPECT_EQ(steep.form.data().work.supportCount, 3);
  for (const auto* root : {"skyrig_hump", "skyrig_uphill", "skyrig_gentle", "skyrig_steep"})
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / root);
}

TEST(ProfileCheckSupports, EveryReductionCandidateIsAnalysedAndReported) {
  ProfileCheckData data = humpRoad();
  data.params.maxIntSupports = 0;
  const auto root = std::filesystem::temp_directory_path() / "skyrig_reduction";
  DialogFixture f(data, root);
  f.form.generateSupports(f.ui);
  int payloadTexts = 0;
  for (const auto& call : f.canvas.calls) payloadTexts += call.find(" MaxPayload:") != std::string::npos;
  // At least one pass over the three supports, and the final analysis.
  EXPECT_GE(payloadTexts, 4);
  EXPECT_LT(f.form.data().work.supportCount, 3 + 1);
  EXPECT_TRUE(std::filesystem::exists(root / "output" / "cableroadprofile.txt"));
  std::filesystem::remove_all(root);
}

TEST(ProfileCheckReport, PayloadAnalysisWritesTheReportOfTheAnalysedPoints) {
  ProfileCheckData data = humpRoad();
  const auto root = std::filesystem::temp_directory_path() / "skyrig_report";
  DialogFixture f(data, root);
  f.form.locateOrMove();
  f.click(3);  // one support, at point 3
  f.form.payloadAnalysis(f.ui);
  const auto lines = fileLines(root / "output" / "cableroadprofile.txt");
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "Landing:\t3");
  EXPECT_EQ(lines[1], "Cableroad:\t7");
  EXPECT_EQ(lines[2], "System:\t1");
  EXPECT_EQ(lines[3], "Tailspar height:\t12");
  EXPECT_EQ(lines[4], "No\t\tElev.\t\tHorDist\t\tPayload\t\tINT");
  EXPECT_EQ(lines[5], "1\t\t100\t\t0.000000\t\t-1.000000\t\t");
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
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace skyrig
