#include <gtest/gtest.h>

#include "params/ChokerLengthForm.h"
#include "params/ContourIntervalForm.h"
#include "params/FishStreamBufferForm.h"
#include "seams/ScriptedUi.h"

namespace skyrig {
namespace {

TEST(SingleValueForms, IntegersAreCheckedAgainstTheirRangeOnOk) {
  ScriptedUi ui;
  FishStreamBufferForm buffer;
  EXPECT_EQ(buffer.fieldText("Fish Stream Buffer"), "0");
  EXPECT_TRUE(buffer.editField("Fish Stream Buffer", "10001", ui));
  EXPECT_FALSE(buffer.validateOnOk(ui));
  EXPECT_EQ(buffer.width(), 0);
  EXPECT_TRUE(buffer.editField("Fish Stream Buffer", "30", ui));
  EXPECT_TRUE(buffer.validateOnOk(ui));
  EXPECT_EQ(buffer.width(), 30);

  ChokerLengthForm choker(20);
  EXPECT_EQ(choker.title(), "Dialog");
  EXPECT_EQ(choker.fieldText("Choker length"), "20");
  EXPECT_TRUE(choker.editField("Choker length", "101", ui));
  EXPECT_FALSE(choker.validateOnOk(ui));
  EXPECT_EQ(choker.chokerLength(), 20);

  // An interval of 0 would divide the elevation range by zero.
  ContourIntervalForm contours(1234, 56, 10);
  EXPECT_EQ(contours.fieldText("Highest Elevation"), "1234");
  EXPECT_EQ(contours.fieldText("Lowest Elevation"), "56");
  EXPECT_TRUE(contours.editField("Contour interval", "0", ui));
  EXPECT_FALSE(contours.validateOnOk(ui));
  EXPECT_TRUE(contours.editField("Contour interval", "1000", ui));
  EXPECT_TRUE(contours.validateOnOk(ui));
  EXPECT_EQ(contours.contourInterval(), 1000);

  EXPECT_EQ(ui.messages(), (std::vector<std::string>{
                               "message exclamation: Please enter an integer between 0 and 10000.",
                               "message exclamation: Please enter an integer between 0 and 100.",
                               "message exclamation: Please enter an integer between 1 and 1000.",
                           }));
}

}  // namespace
}  // namespace skyrig
