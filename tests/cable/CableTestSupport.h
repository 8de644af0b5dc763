// Hand-made grids and profiles and an application context for the cable tests.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cable/BatchAnalysis.h"
#include "cable/IntermediateSupports.h"
#include "cable/PayloadAnalysis.h"
#include "document/CSkyrigDoc.h"
#include "document/CableWorkArea.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::test {

inline constexpr int kXll = 500000;
inline constexpr int kYll = 4000000;

// A document and view with the view's defaults, a recording canvas and a scratch folder.
struct Project {
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  std::unique_ptr<CSkyrigView> view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  FixedClock clock{1000, 0};
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};

  explicit Project(const std::string& name)
      : paths(std::filesystem::temp_directory_path() / ("skyrig_" + name)) {
    initialUpdate(*doc, *view);
  }
  // An ncols x nrows DTM of cellSize m cells with elevation z(c, r).
  void makeGrid(int ncols, int nrows, int cellSize, const std::function<int(int, int)>& z) {
    CSkyrigDoc& d = *doc;
    d.ncols = ncols;
    d.nrows = nrows;
    d.cellSize = cellSize;
    d.xll = kXll;
    d.yll = kYll;
    d.xMax = kXll + cellSize * (ncols - 1);
    d.yMax = kYll + cellSize * (nrows - 1);
    for (int c = 1; c <= ncols; ++c)
      for (int r = 1; r <= nrows; ++r)
        d.dtm(c, r) = {kXll + cellSize * (c - 1), kYll + cellSize * (nrows - r), z(c, r)};
  }
  void placeLanding(int id, int col, int row, int system) {
    doc->landings[id] = {row, col, system};
    doc->landingCount = std::max(doc->landingCount, id);
  }
};

// Batch options with `threads` workers and the fast searches.
inline BatchOptions workers(int threads) {
  BatchOptions options;
  options.threads = threads;
  return options;
}

// Elevation z and horizontal distance d of one hand-made profile point.
struct GroundPoint {
  int z;
  float d;
};

// Writes points 1..n into the work area's profile (sampled and analysed count n).
inline void setProfile(CableWorkArea& work, const std::vector<GroundPoint>& points) {
  int k = 0;
  for (const GroundPoint& p : points) {
    ++k;
    work.profile[k] = {k, 1, p.z, p.d, 0};
  }
  work.sampledCount = work.analysedCount = k;
}

// Support placement whose reduction analyses into scratch rows, as the trial road does.
struct ScratchHooks : SupportPlacementHooks {
  ScratchHooks(const CableSystemParams& p, float tail) : params(p), tail(tail) {}
  float analyseCandidate(CableWorkArea& work) override {
    ++analyses;
    analyseRoad(params, work, 0, tail, {payload.data(), cycleTime.data()});
    return work.minPayload;
  }
  const CableSystemParams& params;
  float tail;
  int analyses = 0;
  std::array<float, kProfilePointSlots> payload{}, cycleTime{};
};

}  // namespace skyrig::test
