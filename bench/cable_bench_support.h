// Shared set-up of the cable benchmarks: an application context over a document, a headless
// Ui and canvas, a scratch output folder; wall time and peak memory.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
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

// CPU seconds used by the calling thread so far.
inline double threadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The CPU time of the busiest batch worker: on a machine shared with other work it gives the
// run time each worker would need with a core of its own.
struct BusiestWorker {
  std::mutex mutex;
  double seconds = 0;
  double callerStart = 0;  // CPU time of the calling thread before the run (1-thread runs)
  std::function<void()> hook() {
    callerStart = threadCpuSeconds();
    const auto caller = std::this_thread::get_id();
    return [this, caller] {
      const double used =
          threadCpuSeconds() - (std::this_thread::get_id() == caller ? callerStart : 0);
      std::lock_guard<std::mutex> lock(mutex);
      seconds = std::max(seconds, used);
    };
  }
};

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
