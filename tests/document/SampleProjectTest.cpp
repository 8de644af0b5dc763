#include <gtest/gtest.h>

#include <memory>

#include "app/AppContext.h"
#include "app/Clock.h"
#include "app/CommandTable.h"
#include "app/Paths.h"
#include "app/Random.h"
#include "app/ScriptedUi.h"
#include "document/CSkyrigDoc.h"
#include "document/ProjectSummary.h"
#include "view/CSkyrigView.h"
#include "view/RecordingCanvas.h"

namespace skyrig {
namespace {

// The bundled south zone project, loaded through the menu commands from its default paths.
TEST(SampleProject, LoadsWithItsKnownFigures) {
  auto doc = makeDocument();
  auto view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths(SKYRIG_SOURCE_DIR "/examples/southzone");
  FixedClock clock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};
  initialUpdate(*doc, *view);
  for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                         "BoundaryByFile", "LandingsOpen"})
    ASSERT_TRUE(runCommand(id, app)) << id;
  EXPECT_TRUE(ui.messages().empty());

  EXPECT_EQ(doc->ncols, 320);
  EXPECT_EQ(doc->nrows, 300);
  EXPECT_EQ(doc->cellSize, 10);
  EXPECT_EQ(doc->dtm(1, 300), (DtmCell{511340, 4011600, doc->dtm(1, 300).z}));
  EXPECT_EQ(doc->unitBox, (UnitBox{32, 67, 145, 227}));
  // The volume layer lies two columns east and one row south: nothing reaches those cells.
  EXPECT_EQ(doc->volumeGrid(1, 5), 0.0f);
  EXPECT_EQ(doc->volumeGrid(2, 5), 0.0f);
  EXPECT_EQ(doc->volumeGrid(5, 1), 0.0f);
  EXPECT_EQ(doc->volumeGrid(3, 2), 1.34f);  // the file's first value
  EXPECT_EQ(doc->landingCount, 6);
  EXPECT_EQ(doc->landings[1], (Landing{71, 74, 1}));
  EXPECT_EQ(doc->landings[6], (Landing{207, 91, 2}));
  EXPECT_EQ(doc->dtm(74, 71).z, 954);  // landing 1 at 954.16 m

  const std::string summary = projectSummary(*doc);
  for (const char* line : {"Grid: 320 columns x 300 rows, cell size 10 m\n",
                           "Elevation: 470 to 998 m\n",
                           "Harvest unit: 12624 cells, 126.24 ha\n",
                           "Harvest unit box: columns 32 to 145, rows 67 to 227\n",
                           "Streams: 1570 cells\n", "Roads: 151 cells\n", "Landings: 6\n",
                           "  Landing 1: system 1 (MADILL6150), cell C74R71\n"})
    EXPECT_NE(summary.find(line), std::string::npos) << line << "\n" << summary;
  EXPECT_NE(summary.find("Volume: 9931.0 m3 on unit cells"), std::string::npos) << summary;
}

}  // namespace
}  // namespace skyrig
