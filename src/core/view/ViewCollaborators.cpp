#include "view/ViewCollaborators.h"

#include "app/AppContext.h"
#include "app/CommandTable.h"

namespace skyrig {

void openCableSystemForm(AppContext& app) { runCommand("InputCableSystem", app); }

void openLandingInfoForm(AppContext& /*app*/, int /*landing*/) {}

bool chooseLandingToDelete(AppContext& /*app*/, int& /*landing*/) { return false; }

float trialLandingScore(AppContext& /*app*/, int /*c*/, int /*r*/, int /*system*/) {
  return -1.0f;
}

void computeHarvestAreaFromBoundary(AppContext& /*app*/) {}

}  // namespace skyrig
