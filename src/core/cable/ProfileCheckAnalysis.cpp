#include "cable/ProfileCheckAnalysis.h"

namespace skyrig {

// The cable road payload model is connected here when it is part of the build.
bool analyseProfileCheckPayload(const ProfileCheckData& /*data*/, ProfileCheckResults& /*results*/,
                                const LoadObserver& /*onLoad*/) {
  return false;
}

std::array<std::string, 3> profileCheckCycleLines(const ProfileCheckData& /*data*/,
                                                  const ProfileCheckResults& /*results*/,
                                                  float /*payload*/) {
  return {};
}

}  // namespace skyrig
