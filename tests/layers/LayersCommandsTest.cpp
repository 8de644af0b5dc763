#include <gtest/gtest.h>

#include "LayersTestGrid.h"
#include "app/CommandTable.h"
#include "layers/LayersValueForm.h"

namespace skyrig {
namespace {

using test::LayersProject;

TEST(LayersCommands, ReachableByTheirMenuPaths) {
  const CommandTable& table = CommandTable::instance();
  for (const char* path :
       {"Layers > DEM > Draw Contour Lines", "Layers > DEM > Change Contour Interval",
        "Layers > Volume > Clump cells", "Layers > Streams > Show Streams",
        "Layers > Streams > Create Buffer", "Layers > Roads > ShowRoads"}) {
    const Command* command = table.findByPath(path);
    ASSERT_NE(command, nullptr) << path;
    EXPECT_TRUE(command->available()) << path;
  }
}

TEST(LayersValueForms, ShowTheirValuesAndRefuseOutOfRangeIntegers) {
  LayersValueForm contour = contourIntervalForm(10, 1000, 500);
  EXPECT_EQ(contour.fieldText("Highest Elevation"), "1000");
  EXPECT_EQ(contour.fieldText("Lowest Elevation"), "500");
  EXPECT_EQ(contour.fieldText("Contour interval"), "10");

  ScriptedUi ui;
  ASSERT_TRUE(contour.editField("Contour interval", "0", ui));
  EXPECT_FALSE(contour.validateOnOk(ui));
  ASSERT_TRUE(contour.editField("Contour interval", "2.5", ui));
  EXPECT_FALSE(contour.validateOnOk(ui));
  ASSERT_TRUE(contour.editField("Contour interval", " 25 ", ui));
  EXPECT_TRUE(contour.validateOnOk(ui));
  EXPECT_EQ(contour.value(), 25);
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{
                               "message exclamation: Please enter an integer between 1 and 1000.",
                               "message exclamation: Please enter an integer."}));

  LayersValueForm choker = chokerLengthForm(20);
  EXPECT_EQ(choker.title(), "Dialog");
  ASSERT_TRUE(choker.editField("Choker length", "101", ui));
  EXPECT_FALSE(choker.validateOnOk(ui));
  EXPECT_EQ(fishStreamBufferForm().fieldText("Fish Stream Buffer"), "0");
}

// Elevations 500..1000 rising eastwards by 100 m a column.
struct ContourProject : LayersProject {
  ContourProject() : LayersProject(7, 4, 10) {
    setElevations([](int c, int) { return std::min(500 + 100 * (c - 1), 1000); });
  }
};

TEST(ContourCommands, DrawTracesFirstThenRedrawsFromTheStore) {
  ContourProject p;
  p.ui.queueAnswer({"Generating Contour Lines", true, {{"Contour interval", "100"}}});
  ASSERT_TRUE(runCommand("LayersDrawContours", p.app));
  EXPECT_EQ(p.doc.contourInterval, 100);
  EXPECT_EQ(p.doc.contours.tracedMarker, 0);
  const std::vector<std::string> traced = p.canvas.calls;
  EXPECT_EQ(traced.size(), 8u);

  p.canvas.calls.clear();
  p.ui.clearLog();
  ASSERT_TRUE(runCommand("LayersDrawContours", p.app));
  EXPECT_TRUE(p.ui.log().empty());  // no form the second time
  EXPECT_EQ(p.canvas.calls.size(), traced.size());
}

TEST(ContourCommands, CancelOrARefusedIntervalKeepsIntervalAndSegments) {
  ContourProject p;
  p.ui.queueAnswer({"Generating Contour Lines", true, {{"Contour interval", "100"}}});
  ASSERT_TRUE(runCommand("LayersChangeContourInterval", p.app));
  const ContourSegment kept = p.doc.contours.slot(3, 2, 0);

  p.ui.queueAnswer({"Generating Contour Lines", false, {{"Contour interval", "50"}}});
  ASSERT_TRUE(runCommand("LayersChangeContourInterval", p.app));
  p.ui.queueAnswer({"Generating Contour Lines", true, {{"Contour interval", "0"}}});
  ASSERT_TRUE(runCommand("LayersChangeContourInterval", p.app));
  EXPECT_EQ(p.doc.contourInterval, 100);
  EXPECT_EQ(p.doc.contours.count(3, 2), 1);
  EXPECT_EQ(p.doc.contours.slot(3, 2, 0), kept);
}

TEST(ContourCommands, CancelledTracingLeavesTheStoreToBeTracedAgain) {
  ContourProject p;
  p.ui.cancelRequested = true;
  ASSERT_TRUE(runCommand("LayersChangeContourInterval", p.app));
  EXPECT_EQ(p.doc.contours.tracedMarker, -1);
  ASSERT_TRUE(runCommand("LayersDrawContours", p.app));  // traces, as nothing is kept
  EXPECT_EQ(p.doc.contours.tracedMarker, 0);
}

}  // namespace
}  // namespace skyrig
