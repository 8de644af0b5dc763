// A program instance for the runs tests (document, view, scripted Ui, recording canvas, frozen
// clock, generator) over a temporary workspace; a small synthetic planning case with hand-made
// cable road tables; and the invariants every finished separate run must keep.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::testing {

std::filesystem::path freshWorkspace(const std::string& suffix);

struct TestApp {
  // `suffix` tells apart the workspaces of several instances in one test.
  explicit TestApp(const std::string& suffix = "")
      : root(freshWorkspace(suffix)), paths(root), clock(1000, 0) {
    initialUpdate(*doc, *view);
  }
  std::filesystem::path output(const std::string& name) const { return root / "output" / name; }

  std::filesystem::path root;
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  std::unique_ptr<CSkyrigView> view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  FixedClock clock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};
};

std::string readText(const std::filesystem::path& file);
void writeText(const std::filesystem::path& file, const std::string& text);

// A 14 x 12 grid of 10 m cells (x = 500000 + 10 (c - 1), y = 4000000 + 10 (12 - r)) on a plane
// falling 2 m per row to the south and rising 1 m per two columns to the east; harvest unit
// columns 3..12, rows 3..10 (box 2..13 x 2..11) with 0.5..0.9 m3 per cell and 7 empty cells;
// landings 1 at C4R3 and 2 at C11R3 (system 1, its defaults); a timber exit at C7R11.
// Landing 1 has roads 18 (south to C4R10) and 13 (to C10R9), landing 2 roads 18 (south to
// C11R10) and 27 (west to C6R3); 8 profile points each.
void buildSyntheticCase(CSkyrigDoc& doc);

// After a separate run: at least 2 and at most 10 iterations, three run-log lines each; the
// final evaluation repeats the earliest lowest iteration's total; every path of the best cable
// solution runs cell, cable road, setup, landing, "DummyDest1", and the volume reaching
// "DummyDest1" is the volume of the sales. Leaves the cable network built.
void expectSeparateRunInvariants(TestApp& t);

}  // namespace skyrig::testing
