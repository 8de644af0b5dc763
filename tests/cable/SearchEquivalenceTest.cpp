// The fast carriage height and log angle searches return exactly what the literal scans
// return: whole analyses of thousands of generated profiles, and the searches alone on
// skylines with reference lengths all around their range (tangent cases included).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "CableTestSupport.h"
#include "cable/CarriageSearch.h"
#include "document/CableSystemParams.h"

namespace skyrig {
namespace {

struct Generator {
  std::uint64_t state;
  double uniform() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  }
  double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  int integer(int lo, int hi) { return lo + static_cast<int>(uniform() * (hi - lo + 1)); }
};

// n points of terrain made of slope segments with noise, one cell (5 to 30 m) per step,
// diagonal steps and gaps now and then, a few stream buffer cells; random log and tower figures.
CableSystemParams generate(Generator& g, CableWorkArea& work) {
  const int n = g.integer(3, 100);
  const double cell = g.between(5, 30);
  double z = g.between(300, 1500), slope = g.between(-1.2, 1.2), d = g.between(0.0, 0.001);
  for (int k = 1; k <= n; ++k) {
    work.profile[k] = {k, 1, static_cast<int>(std::lround(z)), static_cast<float>(d),
                       g.uniform() < 0.05};
    if (g.uniform() < 0.15) slope = g.between(-1.2, 1.2);
    const double step =
        cell * (g.uniform() < 0.2 ? 1.41421356 : 1.0) * (g.uniform() < 0.05 ? 3 : 1);
    d += step;
    z = std::max(1.0, z + slope * step + g.between(-2, 2));
  }
  work.sampledCount = work.analysedCount = n;
  CableSystemParams p = defaultCableSystem(g.integer(1, 5));
  p.logLength = static_cast<float>(g.between(4, 20));
  p.effectiveChokerLength = static_cast<float>(g.between(1, 6));
  p.carriageDepth = static_cast<float>(g.between(0.3, 1.5));
  p.frictionCoefficient = static_cast<float>(g.between(0.2, 1.0));
  p.logToGroundAngle = static_cast<float>(g.between(0.05, 0.6));
  p.towerHeight = static_cast<float>(g.between(6, 30));
  p.intSupportHeight = static_cast<float>(g.between(6, 20));
  p.maxIntSupports = g.integer(0, 6);
  return p;
}

struct Recorder : CarriageObserver {
  void carriagePlaced(int, const CableWorkArea& work) override {
    heights.push_back(work.carriage.height);
    angles.push_back(work.carriage.logAngle);
    partial += work.carriage.partialSuspension;
  }
  std::vector<float> heights, angles;
  int partial = 0;
};

template <typename T>
bool sameBytes(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

TEST(SearchEquivalence, WholeAnalysesMatchTheLiteralScans) {
  Generator g{2024};
  int partial = 0, placed = 0;
  for (int profile = 0; profile < 3000; ++profile) {
    CableWorkArea fast;
    const CableSystemParams p = generate(g, fast);
    const float tail = static_cast<float>(g.between(8, 25));
    test::ScratchHooks hooks(p, tail);
    placeSupports(p, fast, {tail, tail, true}, hooks);
    CableWorkArea literal = fast;
    literal.literalSearches = true;
    std::array<float, kProfilePointSlots> payloadFast{}, cycleFast{}, payloadLiteral{},
        cycleLiteral{};
    Recorder fastSeen, literalSeen;
    analysePayloads(p, fast, tail, payloadFast.data(), &fastSeen);
    analysePayloads(p, literal, tail, payloadLiteral.data(), &literalSeen);
    ASSERT_TRUE(fastSeen.heights == literalSeen.heights && fastSeen.angles == literalSeen.angles)
        << profile;
    ASSERT_TRUE(sameBytes(payloadFast, payloadLiteral) &&
                sameBytes(fast.groundReaction, literal.groundReaction));
    partial += fastSeen.partial;
    placed += static_cast<int>(fastSeen.heights.size());
    analyseRoad(p, fast, 1, tail, {payloadFast.data(), cycleFast.data()});
    analyseRoad(p, literal, 1, tail, {payloadLiteral.data(), cycleLiteral.data()});
    ASSERT_TRUE(sameBytes(payloadFast, payloadLiteral) && sameBytes(cycleFast, cycleLiteral))
        << profile;
    ASSERT_TRUE(sameBytes(fast.minPayload, literal.minPayload) &&
                sameBytes(fast.roadCycleTime, literal.roadCycleTime));
  }
  EXPECT_GT(partial, 10000);  // both suspension modes in numbers
  EXPECT_GT(placed - partial, 10000);
}

TEST(SearchEquivalence, SearchesMatchTheScansForAnyReferenceLength) {
  Generator g{77};
  CableWorkArea work;
  std::array<float, kProfilePointSlots> chords{};
  for (int profile = 0; profile < 400; ++profile) {
    const CableSystemParams p = generate(g, work);
    if (work.analysedCount < 3) continue;
    const int chordCount = g.integer(1, 4);
    for (int s = 1; s <= chordCount; ++s) chords[s] = static_cast<float>(g.between(-5, 300));
    for (int trial = 0; trial < 20; ++trial) {
      const int k = g.integer(2, work.analysedCount - 1);
      PointSkyline sky{static_cast<float>(work.profile[k].z),
                       static_cast<float>(g.between(0.5, 400)),
                       0,
                       static_cast<float>(g.between(0.5, 400)),
                       0,
                       chords.data(),
                       chordCount,
                       g.integer(1, chordCount)};
      sky.leftTop = sky.groundZ + static_cast<float>(g.between(-30, 150));
      sky.rightTop = sky.groundZ + static_cast<float>(g.between(-30, 150));
      // The carriage on the line between the tops gives the shortest skyline.
      const float onChord =
          sky.leftTop +
          (sky.rightTop - sky.leftTop) * sky.spanALength / (sky.spanALength + sky.spanBLength) -
          sky.groundZ;
      const float chordHeight = g.uniform() < 0.7
                                    ? onChord + static_cast<float>(g.between(-1e-3, 1e-3))
                                    : static_cast<float>(g.between(-10, 200));
      const double spread[] = {1e-4, 1e-2, 1, 30, 300};
      const float L0 = sky.length(std::max(0.0f, onChord)) +
                       static_cast<float>(g.between(-0.01, 1) * spread[g.integer(0, 4)]);
      EXPECT_EQ(carriageHeightSearch(sky, chordHeight, L0),
                carriageHeightScan(sky, chordHeight, L0));
      EXPECT_EQ(logAngleSearch(suspensionTable(work, p, k), sky, chordHeight, L0),
                logAngleScan(p, sky, groundAngle(work, k), chordHeight, L0));
    }
  }
}

}  // namespace
}  // namespace skyrig
