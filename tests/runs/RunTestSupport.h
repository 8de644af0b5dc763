// A program instance for the runs tests (document, view, scripted Ui, recording canvas, pinned
// clock and generator over a temporary workspace) and a small synthetic planning case with
// hand-made cable road tables.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/AppContext.h"
#include "app/Clock.h"
#include "app/Paths.h"
#include "app/Random.h"
#include "app/ScriptedUi.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/RecordingCanvas.h"

namespace skyrig::testing {

inline std::filesystem::path freshWorkspace(const std::string& suffix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                     ("skyrig_runs_" + std::string(info->test_suite_name()) +
                                      "_" + info->name() + suffix);
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root);
  return root;
}

struct TestApp {
  // `suffix` tells apart the workspaces of several instances in one test.
  explicit TestApp(const std::string& suffix = "")
      : root(freshWorkspace(suffix)), paths(root), clock(1000, 0) {
    initialUpdate(*doc, *view);
  }

  std::filesystem::path root;
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  std::unique_ptr<CSkyrigView> view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  FixedClock clock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};

  std::filesystem::path output(const std::string& name) const { return root / "output" / name; }
};

inline std::string readText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeText(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// A 14 x 12 grid of 10 m cells on a plane falling 2 m per row to the south and rising 1 m per
// two columns to the east; harvest unit columns 3..12, rows 3..10 (box 2..13 x 2..11) with
// 0.5..0.9 m3 per cell and a few empty cells; landings 1 at C4R3 and 2 at C11R3 (system 1,
// default parameters); a timber exit at C7R11. Landing 1 has a road south (18) and one to the
// south-east (13); landing 2 one south (18) and one west (27); 8 profile points each.
void buildSyntheticCase(CSkyrigDoc& doc);

}  // namespace skyrig::testing
