#include <gtest/gtest.h>

#include "LayersTestGrid.h"
#include "app/CommandTable.h"
#include "layers/StreamBuffer.h"

namespace skyrig {
namespace {

using test::LayersProject;

// 9 x 9 cells of 10 m, every cell loaded with 2 m3, stream cell (5,5) of value 7 and a
// stream cell (1,1) of value 3 in the grid's corner.
struct StreamProject : LayersProject {
  StreamProject() : LayersProject(9, 9, 10) {
    doc.volumeGridOriginal.fill(0.0f);
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) doc.volumeGridOriginal(c, r) = 2.0f;
    doc.volumeGrid = doc.volumeGridOriginal;
    doc.streamGrid(5, 5) = 7;
    doc.streamGrid(1, 1) = 3;
  }
  int bufferedCells() const {
    int n = 0;
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) n += doc.streamBufferGrid(c, r) > 0;
    return n;
  }
};

TEST(StreamBuffer, HalfWidthInCellsSetsTheBand) {
  struct Case {
    int width;
    int h;
  };
  // Below one cell: the stream cells only; 3 cells: h 1; 4 and 5 cells: h 2.
  for (const Case& k : {Case{9, 0}, Case{30, 1}, Case{40, 2}, Case{50, 2}}) {
    StreamProject p;
    buildStreamBuffer(p.doc, k.width);
    EXPECT_EQ(p.doc.streamBufferWidth, k.width);
    const int side = 2 * k.h + 1;
    // The corner stream's band is clipped; at h 2 it meets the centre's band in (3,3).
    const int overlap = k.h == 2 ? 1 : 0;
    EXPECT_EQ(p.bufferedCells(), side * side + (k.h + 1) * (k.h + 1) - overlap) << k.width;
    EXPECT_EQ(p.doc.streamBufferGrid(5 + k.h, 5 - k.h), 7);
    EXPECT_EQ(p.doc.volumeGrid(5 + k.h, 5 - k.h), 0.0f);
    EXPECT_EQ(p.doc.streamBufferGrid(5 + k.h + 1, 5), 0);
    EXPECT_EQ(p.doc.volumeGrid(5 + k.h + 1, 5), 2.0f);
    EXPECT_EQ(p.doc.streamBufferGrid(1, 1 + k.h), 3);
    if (overlap) {
      EXPECT_EQ(p.doc.streamBufferGrid(3, 3), 7);  // the later stream cell's value
    }
  }
}

TEST(StreamBuffer, OkRestoresTheLoadedVolumesEvenWithWidthZero) {
  StreamProject p;
  buildStreamBuffer(p.doc, 30);
  p.doc.volumeGrid(8, 8) = -1.0f;  // as a run marks cells
  p.doc.volumeGrid(7, 2) = 5.0f;   // as clumping gathers them
  p.ui.queueAnswer({"Fish Stream Buffer", true, {{"Fish Stream Buffer", "0"}}});
  ASSERT_TRUE(runCommand("LayersCreateBuffer", p.app));
  EXPECT_EQ(p.doc.streamBufferWidth, 0);
  EXPECT_EQ(p.bufferedCells(), 0);
  EXPECT_TRUE(p.doc.volumeGrid == p.doc.volumeGridOriginal);

  p.doc.volumeGrid(8, 8) = -1.0f;
  p.ui.queueAnswer({"Fish Stream Buffer", false, {{"Fish Stream Buffer", "50"}}});
  ASSERT_TRUE(runCommand("LayersCreateBuffer", p.app));
  EXPECT_EQ(p.doc.volumeGrid(8, 8), -1.0f);  // Cancel changes nothing
  EXPECT_EQ(p.bufferedCells(), 0);
}

TEST(StreamBuffer, FormRefusesWidthsOutsideItsRange) {
  StreamProject p;
  p.ui.queueAnswer({"Fish Stream Buffer", true, {{"Fish Stream Buffer", "10001"}}});
  ASSERT_TRUE(runCommand("LayersCreateBuffer", p.app));
  EXPECT_EQ(p.ui.messages(), std::vector<std::string>{
                                 "message exclamation: Please enter an integer between 0 and 10000."});
  EXPECT_EQ(p.bufferedCells(), 0);
}

TEST(StreamLayers, ShowStreamsDrawsStreamsDarkAndBufferLight) {
  StreamProject p;
  p.ui.queueAnswer({"Fish Stream Buffer", true, {{"Fish Stream Buffer", "9"}}});
  ASSERT_TRUE(runCommand("LayersShowStreams", p.app));  // width 0: asks for the buffer first
  EXPECT_EQ(p.doc.streamBufferWidth, 9);
  EXPECT_EQ(p.canvas.calls, (std::vector<std::string>{"fill 95 -105 105 -95 0,0,150",
                                                      "fill 135 -145 145 -135 0,0,150"}));

  p.canvas.calls.clear();
  buildStreamBuffer(p.doc, 30);
  p.doc.streamGrid(1, 1) = 0;  // buffered cells keep their value; drawn light when not a stream
  ASSERT_TRUE(runCommand("LayersShowStreams", p.app));
  EXPECT_EQ(p.canvas.calls.size(), 13u);
  EXPECT_EQ(p.canvas.calls[0], "fill 95 -105 105 -95 0,0,250");
  EXPECT_EQ(p.canvas.calls[8], "fill 135 -145 145 -135 0,0,150");
  EXPECT_TRUE(p.ui.log().size() == 1);  // the form was shown once, by the first use
}

TEST(StreamLayers, ShowRoadsFillsRoadCellsRowByRow) {
  StreamProject p;
  p.doc.roadGrid(3, 2) = 1;
  p.doc.roadGrid(1, 4) = 2;
  ASSERT_TRUE(runCommand("LayersShowRoads", p.app));
  EXPECT_EQ(p.canvas.calls, (std::vector<std::string>{"fill 115 -115 125 -105 0,200,250",
                                                      "fill 95 -135 105 -125 0,200,250"}));
}

}  // namespace
}  // namespace skyrig
