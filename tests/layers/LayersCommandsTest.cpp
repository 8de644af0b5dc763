#include <gtest/gtest.h>

#include "LayersTestGrid.h"

namespace skyrig {
namespace {

// 500..1000 m rising eastwards: at 100 m four levels give eight segments.
struct Contours : test::LayersProject {
  Contours() : LayersProject(7, 4) {
    setElevations([](int c, int) { return std::min(400 + 100 * c, 1000); });
  }
  void answer(bool ok, const char* interval) {
    ui.queueAnswer({"Generating Contour Lines", ok, {{"Contour interval", interval}}});
  }
};

TEST(ContourCommands, DrawTracesFirstThenRedrawsFromTheStore) {
  Contours p;
  p.answer(true, "100");
  ASSERT_TRUE(runCommand("LayersDrawContours", p.app));
  EXPECT_EQ(p.segments(), 8);
  ASSERT_TRUE(runCommand("LayersDrawContours", p.app));
  EXPECT_EQ(p.canvas.calls.size(), 16u);
  EXPECT_EQ(p.ui.log(), std::vector<std::string>{"form Generating Contour Lines: ok"});
}

TEST(ContourCommands, CancelOrARefusedIntervalKeepsIntervalAndSegments) {
  Contours p;
  p.answer(true, "100");
  p.answer(false, "50");
  p.answer(true, "0");
  p.answer(true, "2.5");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(runCommand("LayersChangeContourInterval", p.app));
  EXPECT_EQ(p.doc.contourInterval, 100);
  EXPECT_EQ(p.segments(), 8);
  EXPECT_EQ(p.ui.messages(), (std::vector<std::string>{
                                 "message exclamation: Please enter an integer between 1 and 1000.",
                                 "message exclamation: Please enter an integer."}));
}

}  // namespace
}  // namespace skyrig
