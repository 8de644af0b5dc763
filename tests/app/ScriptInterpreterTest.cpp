#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandTable.h"
#include "app/ScriptInterpreter.h"
#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "view/CSkyrigView.h"

namespace skyrig {
namespace {

struct Fixture {
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  CSkyrigView view;
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths{"/ws"};
  FixedClock clock;
  Random random;
  AppContext app{*doc, view, ui, canvas, paths, clock, random};
  ScriptInterpreter interpreter{app, ui};

  ScriptResult run(const std::string& text) {
    std::istringstream in(text);
    return interpreter.run(in);
  }
};

TEST(CommandTable, FindsCommandsByTheirMenuPath) {
  const CommandTable& table = CommandTable::instance();
  const Command* byFile = table.findByPath("Input Data > Harvest Unit Boundary > By file");
  ASSERT_NE(byFile, nullptr);
  EXPECT_EQ(byFile->id, "BoundaryByFile");
  // Accelerator marks and spacing around '>' do not matter.
  EXPECT_EQ(table.findByPath("File>New"), table.findById("FileNew"));
  EXPECT_EQ(table.findByPath("Help > About Skyrig..."), table.findById("HelpAbout"));
  // Same text under two menus stays two commands.
  EXPECT_EQ(table.findByPath("Network > Roads > Generate")->id, "NetworkRoadsGenerate");
  EXPECT_EQ(table.findByPath("Cableways > Generate")->id, "CablewaysGenerate");
  EXPECT_EQ(table.findByPath("Cableways > Generate Roads"), nullptr);
}

TEST(ScriptInterpreter, RunsCommandsAndReportsScriptErrorsWithTheirLine) {
  Fixture f;
  f.doc->chokerLength = 55;
  EXPECT_TRUE(f.run("# comment\n\ncommand File > New\ncommand Network > Roads > Generate\n").ok);
  EXPECT_EQ(f.doc->chokerLength, 20);  // File New ran the view's initial update

  const ScriptResult unknown = f.run("command File > New\ncommand File > Open Everything\n");
  EXPECT_FALSE(unknown.ok);
  EXPECT_EQ(unknown.errorLine, 2);
  EXPECT_NE(unknown.error.find("Open Everything"), std::string::npos);

  EXPECT_FALSE(f.run("command Edit > Undo\n").ok);  // unavailable
  EXPECT_FALSE(f.run("frobnicate\n").ok);
  EXPECT_FALSE(f.run("answer Dialog | maybe\n").ok);
}

TEST(ScriptInterpreter, SetsStoredPathsByName) {
  Fixture f;
  EXPECT_TRUE(f.run("set path dtmPath /data/dem.asc\nset path resultFilePath out/r.dat\n").ok);
  EXPECT_EQ(f.doc->paths.dtmPath, "/data/dem.asc");
  EXPECT_EQ(f.view.resultFilePath, "out/r.dat");
  EXPECT_FALSE(f.run("set path elevation x\n").ok);
}

TEST(ScriptInterpreter, MouseLinesNeedACellOfTheLoadedGrid) {
  Fixture f;
  const ScriptResult r = f.run("click 3 4\n");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("not on the loaded grid"), std::string::npos);
  EXPECT_FALSE(f.run("drag 1 2 3\n").ok);
}

}  // namespace
}  // namespace skyrig
