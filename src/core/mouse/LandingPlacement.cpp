#include "mouse/LandingPlacement.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cable/TrialLandingEvaluation.h"
#include "document/CSkyrigDoc.h"
#include "params/ParamsFormOpening.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"
#include "view/StatusTexts.h"
#include "view/ViewOperations.h"

namespace skyrig {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Parameter sets exist for systems 1..5 only; any other number means system 1.
int usableCableSystem(int system) {
  return system >= 1 && system <= kCableSystemCount ? system : 1;
}

void whitenRectangle(const CSkyrigDoc& doc, Canvas& canvas, int c1, int c2, int r1, int r2) {
  for (int c = c1; c <= c2; ++c)
    for (int r = r1; r <= r2; ++r) fillCell(doc, canvas, c, r, kWhite);
}

}  // namespace

void prepareLandingPlacement(AppContext& app) {
  CSkyrigDoc& doc = app.doc;
  if (doc.landingCount < 1) {
    doc.landingCount = 1;
  } else if (doc.landingCount > kMaxLandings || doc.landings[doc.landingCount].system > 0) {
    if (doc.landingCount >= kMaxLandings) {
      char text[96];
      std::snprintf(text, sizeof text, "You cannot add more than %d landing alternatives.",
                    kMaxLandings);
      app.ui.message(text, MessageIcon::Stop);
      return;
    }
    ++doc.landingCount;
  }
  app.view.placingLanding = 1;
}

CellPoint bestLandingCell(const CSkyrigDoc& doc, Canvas& canvas, CellPoint start, CellPoint end,
                          const LandingScore& score) {
  const int c1 = std::min(start.col, end.col);
  const int c2 = std::max(start.col, end.col);
  const int r1 = std::min(start.row, end.row);
  const int r2 = std::max(start.row, end.row);
  whitenRectangle(doc, canvas, c1, c2, r1, r2);
  CellPoint best{-1, -1};
  float bestScore = -1.0f;
  for (int c = c1; c <= c2; ++c)
    for (int r = r1; r <= r2; ++r) {
      fillCell(doc, canvas, c, r, kWhite);
      const float s = score(c, r);
      if (s > bestScore) {
        bestScore = s;
        best = {c, r};
      }
    }
  return best;
}

void placePendingLanding(AppContext& app, int c, int r) {
  CSkyrigDoc& doc = app.doc;
  app.view.placingLanding = 0;
  const int landing = doc.landingCount;
  if (landing < 1 || landing > kMaxLandings) return;
  Landing& l = doc.landings[landing];

  if (doc.currentCableSystem < 1) doc.currentCableSystem = 1;
  l.system = doc.currentCableSystem;
  openCableSystemForm(doc, app.ui);
  doc.currentCableSystem = usableCableSystem(doc.currentCableSystem);
  l.system = doc.currentCableSystem;

  const CellPoint start = doc.pickStart;
  const CellPoint end = doc.pickEnd;
  const bool dragged =
      end.col >= 1 && end.row >= 1 && start.col >= 1 && start.row >= 1 && !(end == start);
  if (!dragged) {
    l.col = c;
    l.row = r;
    fillCell(doc, app.canvas, c, r, kBlack);
    showStatus(app, placedStatus(doc, c, r));
  } else {
    const int system = l.system;
    const CellPoint best = bestLandingCell(doc, app.canvas, start, end, [&](int tc, int tr) {
      return evaluateLandingPosition(app, tc, tr, system);
    });
    if (best.col >= 1) {
      l.col = best.col;
      l.row = best.row;
      fillCell(doc, app.canvas, best.col, best.row, kBlack);
      showStatus(app, placedStatus(doc, best.col, best.row));
    }
  }

  openLandingInfoForm(doc, app.ui, landing);
  labelLanding(doc, app.canvas, landing);
}

}  // namespace skyrig
