// Shared set-up of the cable benchmarks: an application context over a document, a headless
// Ui and canvas, a scratch output folder; wall time and peak memory.
#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/AppContext.h"
#include "app/Clock.h"
#include "app/Paths.h"
#include "app/Random.h"
#include "app/ScriptedUi.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig::bench {

struct Session {
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  std::unique_ptr<CSkyrigView> view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  NullCanvas canvas;
  Paths paths{std::filesystem::temp_directory_path() / "skyrig_cable_bench"};
  SystemClock clock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};
};

inline double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Peak resident memory of the process, MB (VmHWM).
inline double peakMemoryMb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      double kb = 0;
      status >> kb;
      return kb / 1024.0;
    }
    std::getline(status, key);
  }
  return 0.0;
}

}  // namespace skyrig::bench
