#include "view/ViewCollaborators.h"

namespace skyrig {

float trialLandingScore(AppContext& /*app*/, int /*c*/, int /*r*/, int /*system*/) {
  return -1.0f;
}

}  // namespace skyrig
