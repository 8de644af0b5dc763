#include "planexport/CablewayOutcomes.h"

#include <array>
#include <memory>

#include "document/CSkyrigDoc.h"

namespace skyrig {

std::vector<CablewayOutcome> analyseCablewayOutcomes(const CSkyrigDoc& doc) {
  std::vector<CablewayOutcome> outcomes(static_cast<std::size_t>(kLandingSlots) * kCablewaysPerLanding);
  auto copy = std::make_unique<CSkyrigDoc>(doc);
  auto work = std::make_unique<CableWorkArea>();
  std::array<float, kProfilePointSlots> trialPayload{};
  std::array<float, kProfilePointSlots> trialCycleTime{};
  const AnalysisRows trialRows{trialPayload.data(), trialCycleTime.data()};
  const int landings = doc.landingCount < kMaxLandings ? doc.landingCount : kMaxLandings;
  for (int i = 1; i <= landings; ++i) {
    const int system = doc.landings[static_cast<std::size_t>(i)].system;
    if (doc.landingAnalysed[static_cast<std::size_t>(i)] != 1 || system < 1 ||
        system > kCableSystemCount)
      continue;
    for (int r = 0; r < kCablewaysPerLanding; ++r) {
      if (doc.cableways[static_cast<std::size_t>(i)][static_cast<std::size_t>(r)].genPointCount < 1)
        continue;
      BatchCounters counters;
      bool wroteTrialRows = false;
      CablewayOutcome& out = outcomes[cablewayIndex(i, r)];
      out.outcome = analyseRoadWithShortening(*copy, *work, trialRows, i, system, r, counters,
                                              wroteTrialRows);
      out.analysed = true;
      for (int k = 2; k < work->analysedCount; ++k)
        if (work->supportMarks[static_cast<std::size_t>(k)])
          out.supports.push_back({work->profile[static_cast<std::size_t>(k)].col,
                                  work->profile[static_cast<std::size_t>(k)].row,
                                  work->profile[static_cast<std::size_t>(k)].z});
    }
  }
  return outcomes;
}

}  // namespace skyrig
