#include <gtest/gtest.h>

#include <memory>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "document/ProjectSummary.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

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
  EXPECT_EQ(doc->dtm(1, 300).x, 511340);
  EXPECT_EQ(doc->dtm(1, 300).y, 4011600);
  EXPECT_EQ(doc->dtm(74, 71).z, 954);  // landing 1 at 954.16 m
  // The volume layer lies two columns east and one row south of the DTM.
  EXPECT_EQ(doc->volumeGrid(2, 5) + doc->volumeGrid(5, 1), 0.0f);
  EXPECT_EQ(doc->volumeGrid(3, 2), 1.34f);  // the file's first value
  EXPECT_EQ(doc->landings[6], (Landing{207, 91, 2}));

  const std::string summary = projectSummary(*doc);
  for (const char* line :
       {"Grid: 320 columns x 300 rows, cell size 10 m\n", "Elevation: 470 to 998 m\n",
        "Harvest unit: 12624 cells, 126.24 ha\n",
        "Harvest unit box: columns 32 to 145, rows 67 to 227\n", "Volume: 9931.0 m3 on unit cells",
        "Streams: 1570 cells\n", "Roads: 151 cells\n", "Landings: 6\n",
        "  Landing 1: system 1 (MADILL6150), cell C74R71\n"})
    EXPECT_NE(summary.find(line), std::string::npos) << line << "\n" << summary;
}

}  // namespace
}  // namespace skyrig
