#include <gtest/gtest.h>

#include "LayersTestGrid.h"
#include "layers/StreamBuffer.h"

namespace skyrig {
namespace {

// 9 x 9 cells of 10 m holding 2 m3 each; stream (5,5) of value 7, stream (1,1) of value 3.
struct Streams : test::LayersProject {
  Streams() : LayersProject(9, 9) {
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) doc.volumeGridOriginal(c, r) = 2.0f;
    doc.volumeGrid = doc.volumeGridOriginal;
    doc.streamGrid(5, 5) = 7;
    doc.streamGrid(1, 1) = 3;
  }
  int buffered() const {
    int n = 0;
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) n += doc.streamBufferGrid(c, r) > 0;
    return n;
  }
};

TEST(StreamBuffer, HalfWidthInWholeCellsSetsTheBand) {
  // Below one cell: the stream cells only; 3 cells: h 1; 4 and 5 cells: h 2, where the
  // clipped corner band meets the centre's in (3,3) and takes the later stream's value.
  for (const auto& [width, h, cells] : {std::tuple{9, 0, 2}, {30, 1, 13}, {40, 2, 33}, {50, 2, 33}}) {
    Streams p;
    buildStreamBuffer(p.doc, width);
    EXPECT_EQ(p.buffered(), cells) << width;
    EXPECT_EQ(p.doc.streamBufferGrid(5 + h, 5 - h), 7);
    EXPECT_EQ(p.doc.volumeGrid(5 + h, 5 - h), 0.0f);
    EXPECT_EQ(p.doc.volumeGrid(6 + h, 5), 2.0f);
    EXPECT_EQ(p.doc.streamBufferGrid(1, 1 + h), 3);
  }
}

TEST(StreamBuffer, OkRestoresTheLoadedVolumesEvenWithWidthZeroAndCancelChangesNothing) {
  Streams p;
  buildStreamBuffer(p.doc, 30);
  p.doc.volumeGrid(8, 8) = -1.0f;
  p.ui.queueAnswer({"Fish Stream Buffer", true, {{"Fish Stream Buffer", "0"}}});
  ASSERT_TRUE(runCommand("LayersCreateBuffer", p.app));
  EXPECT_EQ(p.buffered(), 0);
  EXPECT_TRUE(p.doc.volumeGrid == p.doc.volumeGridOriginal);

  p.doc.volumeGrid(8, 8) = -1.0f;
  p.ui.queueAnswer({"Fish Stream Buffer", false, {{"Fish Stream Buffer", "50"}}});
  ASSERT_TRUE(runCommand("LayersCreateBuffer", p.app));
  EXPECT_EQ(p.doc.volumeGrid(8, 8), -1.0f);
}

TEST(StreamBuffer, ShowStreamsAsksForTheBufferFirstThenDrawsIt) {
  Streams p;
  p.ui.queueAnswer({"Fish Stream Buffer", true, {{"Fish Stream Buffer", "30"}}});
  ASSERT_TRUE(runCommand("LayersShowStreams", p.app));
  p.doc.streamGrid(1, 1) = 0;  // buffered but no longer a stream: light blue
  p.canvas.calls.clear();
  ASSERT_TRUE(runCommand("LayersShowStreams", p.app));
  EXPECT_EQ(p.canvas.calls.size(), 13u);
  EXPECT_EQ(p.canvas.calls[0], "fill 95 -105 105 -95 0,0,250");
  EXPECT_EQ(p.canvas.calls[8], "fill 135 -145 145 -135 0,0,150");
  EXPECT_EQ(p.ui.log().size(), 1u);  // one form, for the first use

  p.canvas.calls.clear();
  p.doc.roadGrid(3, 2) = p.doc.roadGrid(1, 4) = 1;
  ASSERT_TRUE(runCommand("LayersShowRoads", p.app));
  EXPECT_EQ(p.canvas.calls, (std::vector<std::string>{"fill 115 -115 125 -105 0,200,250",
                                                      "fill 95 -135 105 -125 0,200,250"}));
}

}  // namespace
}  // namespace skyrig
