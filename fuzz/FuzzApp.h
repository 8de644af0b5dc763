// Shared by the fuzz harnesses: one program instance in a private workspace, with a small
// terrain loaded, and a way to hand the fuzzer's bytes to a loader as the file it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::fuzz {

struct FuzzApp {
  FuzzApp();

  // Writes the bytes as the file `name` under the workspace; returns the name to store as a
  // document path.
  std::string writeInput(const std::string& name, const std::uint8_t* data, std::size_t size);
  // Loads the harness's 12 x 10 terrain of 10 m cells again (after a fuzzed DTM replaced it).
  void loadTerrain();

  std::filesystem::path root;
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  std::unique_ptr<CSkyrigView> view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  FixedClock clock{1000, 0};
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};
};

// The one instance of a harness process.
FuzzApp& fuzzApp();

}  // namespace skyrig::fuzz
