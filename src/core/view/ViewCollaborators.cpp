#include "view/ViewCollaborators.h"

#include "app/AppContext.h"

namespace skyrig {

float trialLandingScore(AppContext& /*app*/, int /*c*/, int /*r*/, int /*system*/) { return -1.0f; }

void computeHarvestAreaFromBoundary(AppContext& /*app*/) {}

}  // namespace skyrig
