// The map picture over a retained image, and a PNG of the sample project checked pixel by pixel.
#ifdef SKYRIG_HAVE_PNG

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <limits>

#include "QImageCanvas.h"
#include "ViewTestSupport.h"
#include "app/CommandTable.h"

namespace skyrig {
namespace {

using testing::ViewFixture;

Rgb pixel(const QImage& image, QPoint p) {
  const QColor c = image.pixelColor(p);
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

TEST(QImageCanvas, CellsTileWithoutOverlapAndTheScaleFollowsOneOverTheExtent) {
  QImageCanvas canvas(100, 100);                // 0.4 pixels per metre
  canvas.fillRect(95, -105, 105, -95, kRed);    // cell (1, 1) of a 10 m grid: pixels 38..41
  canvas.fillRect(105, -105, 115, -95, kBlue);  // cell (2, 1): pixels 42..45
  const QImage& image = canvas.image();
  for (int x = 37; x <= 46; ++x)
    EXPECT_EQ(pixel(image, {x, 40}), x < 38 || x > 45 ? kWhite : x < 42 ? kRed : kBlue) << x;
  EXPECT_EQ(pixel(image, {40, 41}), kRed);
  EXPECT_EQ(pixel(image, {40, 42}), kWhite);
  canvas.setWindowExtent(1000);
  EXPECT_EQ(canvas.toDevice(95, -105), QPoint(190, 210));
  canvas.setWindowExtent(0);  // refused: the scale stays
  EXPECT_DOUBLE_EQ(canvas.scale(), 2.0);
  canvas.clear();  // white, with the black border of the cleared area at the picture edges
  EXPECT_EQ(pixel(canvas.image(), {0, 40}), (Rgb{0, 0, 0}));
  EXPECT_EQ(pixel(canvas.image(), {40, 40}), kWhite);
}

TEST(QImageCanvas, DirectFillsGiveThePictureOfPainterFills) {
  // Rectangles of every orientation, partly or wholly off the picture, at several scales.
  QImageCanvas literal(300, 200);
  literal.literalFills = true;
  QImageCanvas direct(300, 200);
  Random random;
  for (int extent : {5000, 1300, 777, 20000}) {
    literal.setWindowExtent(extent);
    direct.setWindowExtent(extent);
    for (int i = 0; i < 2000; ++i) {
      const int x1 = random.next() % 1200 - 200;
      const int y1 = -(random.next() % 900 - 200);
      const int x2 = x1 + random.next() % 80 - 20;
      const int y2 = y1 + random.next() % 80 - 20;
      const Rgb colour{static_cast<std::uint8_t>(random.next() % 256),
                       static_cast<std::uint8_t>(random.next() % 256),
                       static_cast<std::uint8_t>(random.next() % 256)};
      literal.fillRect(x1, y1, x2, y2, colour);
      direct.fillRect(x1, y1, x2, y2, colour);
    }
  }
  EXPECT_TRUE(literal.image() == direct.image());
}

// Coordinates from a damaged results file reach the canvas unchecked by the drawing code: the
// extremes of int must neither overflow nor be drawn as anything but clipped lines.
TEST(QImageCanvas, ExtremeCoordinatesAreClippedWithoutOverflow) {
  QImageCanvas canvas(100, 100);
  const int low = std::numeric_limits<int>::min();
  const int high = std::numeric_limits<int>::max();
  canvas.line(low, low, 0, 0, 5, kRed, PenStyle::Solid);
  canvas.line(high, high, low, low, 0, kBlue, PenStyle::Dotted);
  canvas.fillRect(low, high, high, low, kRed);
  EXPECT_EQ(canvas.toDevice(low, low), QPoint(-858993459, 858993459));  // 0.4 px per metre
  EXPECT_EQ(pixel(canvas.image(), {50, 50}), kRed);
}

// The sample project drawn as the runner draws it, written as PNG and read back.
TEST(SouthZonePicture, CellsHaveTheirPaletteColours) {
  ViewFixture f(1, 1, std::string(SKYRIG_SOURCE_DIR) + "/examples/southzone");
  QImageCanvas canvas(kReferencePixels, kReferencePixels);
  AppContext app{*f.doc, *f.view, f.ui, canvas, f.paths, f.clock, f.random};
  ASSERT_TRUE(runCommand("FileOpenDtm", app));
  ASSERT_EQ(f.doc->minElevation, 470);
  ASSERT_EQ(f.doc->maxElevation, 998);
  ASSERT_TRUE(runCommand("LayersShowDem", app));
  // The highest and the lowest cells take the last and the first elevation colour.
  for (int r = 1; r <= f.doc->nrows; ++r)
    for (int c = 1; c <= f.doc->ncols; ++c) {
      const QPoint centre = canvas.toDevice(10 * (c - 1) + 100, -10 * (r - 1) - 100);
      if (f.doc->dtm(c, r).z == 998) {
        EXPECT_EQ(pixel(canvas.image(), centre), (Rgb{75, 100, 100}));
      }
      if (f.doc->dtm(c, r).z == 470) {
        EXPECT_EQ(pixel(canvas.image(), centre), (Rgb{0, 255, 0}));
      }
    }
  ASSERT_TRUE(runCommand("LandingsOpen", app));
  ASSERT_EQ(f.doc->landingCount, 6);
  ASSERT_TRUE(runCommand("CablewaysGenerate", app));

  const auto file = std::filesystem::temp_directory_path() /
                    ("skyrig_southzone_" + std::to_string(::getpid()) + ".png");
  ASSERT_TRUE(canvas.savePng(file.string()));
  QImage picture(QString::fromStdString(file.string()));
  ASSERT_FALSE(picture.isNull());
  std::filesystem::remove(file);

  // Cell (c, r) of the 10 m grid has its centre at (10 (c - 1) + 100, -10 (r - 1) - 100).
  auto cellPixel = [&](int c, int r) {
    return pixel(picture, canvas.toDevice(10 * (c - 1) + 100, -10 * (r - 1) - 100));
  };
  // Classes (z - 470) / 528 * 100 / 3.4 worked by hand from the DTM values, at cells no road
  // crosses: C300R20 z 820: 19.50 -> 19; C300R280 z 673: 11.31 -> 11; C160R250 z 564: 5.24 -> 5.
  EXPECT_EQ(cellPixel(300, 20), (Rgb{255, 75, 100}));
  EXPECT_EQ(cellPixel(300, 280), (Rgb{255, 235, 100}));
  EXPECT_EQ(cellPixel(160, 250), (Rgb{140, 255, 0}));
  // Road ends are black: landing 1's east road (600 m, 60 cells) ends at C134R71.
  ASSERT_EQ(f.doc->cableways[1][9].endCol, 134);
  ASSERT_EQ(f.doc->cableways[1][9].endRow, 71);
  EXPECT_EQ(cellPixel(134, 71), (Rgb{0, 0, 0}));
  // Outside the grid the picture stays white: east of column 320 and south of row 300.
  EXPECT_EQ(cellPixel(330, 10), kWhite);
  EXPECT_EQ(cellPixel(10, 310), kWhite);
}

}  // namespace
}  // namespace skyrig

#endif
