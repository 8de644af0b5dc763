// Batch analysis on a hand-made valley (10 m cells, the landing on its west slope, 100 m
// roads, generic system 4): outcomes per road, the timing file, a second run, cancelling,
// and the trial landing evaluation.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "CableTestSupport.h"
#include "cable/BatchAnalysis.h"
#include "cable/CablewayGeneration.h"
#include "cable/GroundProfile.h"
#include "cable/TrialLandingEvaluation.h"
#include "view/MapDrawing.h"

namespace skyrig {
namespace {

constexpr int kSystem = 4;

std::string readFile(const std::filesystem::path& path) {
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

class BatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.makeGrid(40, 40, 10, [](int c, int r) {
      return 500 + (3 * (c - 25) * (c - 25)) / 10 + ((r - 20) * (r - 20)) / 20;
    });
    params().maxYardingDistance = 100;
    p.placeLanding(1, 10, 20, kSystem);
  }
  CableSystemParams& params() { return p.doc->cableSystems[kSystem]; }
  const CablewayRecord& road(int r) const { return p.doc->cableways[1][r]; }
  // The road's line as the batch draws it, from the landing cell (map point 190, -290).
  std::string line(int r, const char* colour) {
    const MapPoint end = cellCentre(*p.doc, *p.view, road(r).endCol, road(r).endRow);
    return "line 190 -290 " + std::to_string(end.x) + " " + std::to_string(end.y) + " 10 " +
           colour + " solid";
  }
  bool drawn(const std::string& call) {
    return std::count(p.canvas.calls.begin(), p.canvas.calls.end(), call) == 1;
  }
  // Minimum payload of road r at full length with tail height h, analysed as the batch does.
  float minimumPayloadAt(int r, float h) {
    CableWorkArea& w = p.view->cable;
    sampleProfile(*p.doc, w, 1, kSystem, r);
    w.analysedCount = w.sampledCount;
    test::ScratchHooks hooks(params(), h);
    placeSupports(params(), w, {h, h, true}, hooks);
    analyseRoad(params(), w, 1, h, {hooks.payload.data(), hooks.cycleTime.data()});
    return w.minPayload;
  }
  test::Project p{"cable_batch"};
};

TEST_F(BatchTest, ConcaveRoadIsFeasibleAtFullLengthAndMinimumTailHeight) {
  analyseAllCableways(p.app, test::workers(1));
  EXPECT_EQ(road(9).pointCount, 11);  // east, down into the valley
  EXPECT_EQ(road(9).endCol, 20);
  EXPECT_EQ(p.doc->tailSparHeight[1][9], 12.0f);
  EXPECT_GE(p.doc->cablewayMinPayload[1][9], params().minPayloadPerTurn);
  EXPECT_TRUE(drawn(line(9, "200,200,255")));
  EXPECT_EQ(p.doc->landingAnalysed[1], 1);
  // West runs uphill: downhill yarding shortens it to 5 points, drawn grey.
  EXPECT_EQ(road(27).pointCount, 5);
  EXPECT_TRUE(drawn(line(27, "100,100,100")));
}

TEST_F(BatchTest, RoadFeasibleOnlyAtTheThirdHeightKeepsThatHeight) {
  generateCableways(p.app);  // road 7 carries more under a taller tail spar
  const float payloads[] = {minimumPayloadAt(7, 12), minimumPayloadAt(7, 13),
                            minimumPayloadAt(7, 14)};
  ASSERT_TRUE(payloads[0] < payloads[1] && payloads[1] < payloads[2]);
  params().minPayloadPerTurn = (payloads[1] + payloads[2]) / 2;
  analyseAllCableways(p.app, test::workers(1));
  EXPECT_EQ(road(7).pointCount, road(7).genPointCount);
  EXPECT_EQ(p.doc->tailSparHeight[1][7], 14.0f);
  EXPECT_EQ(p.doc->cablewayMinPayload[1][7], payloads[2]);
  EXPECT_TRUE(drawn(line(7, "200,255,255")));
}

TEST_F(BatchTest, InfeasibleRoadsStopAtFivePointsAndTheTimingFileCountsTheTrials) {
  params().minPayloadPerTurn = 1.0e7f;
  p.clock = FixedClock(1000, 3725);  // the run takes 1 h 2 min 5 s
  const BatchSummary summary = analyseAllCableways(p.app, test::workers(1));
  int trials = 0;
  for (int r = 0; r < 36; ++r) {
    // Four heights at full length and at every shorter length down to 5 points.
    trials += 4 * (1 + std::max(0, road(r).genPointCount - 5));
    EXPECT_EQ(road(r).pointCount, 5) << r;
    EXPECT_EQ(p.doc->tailSparHeight[1][r], 12.0f) << r;
  }
  EXPECT_EQ(road(9).endCol, 14);  // the fifth profile point
  EXPECT_EQ(summary.infeasible, 36);
  EXPECT_EQ(readFile(p.paths.resolve(kTimingFilePath)),
            "Hour:  1.000000\nMin:  2.000000\nSec:  5.000000\nTotalIteration:  " +
                std::to_string(trials) +
                "\n\n\n SteepChordBreak:" + std::to_string(summary.steepChordBreaks) + "\n");
}

TEST_F(BatchTest, DownhillYardingIsAcceptedWhenTheSystemAllowsIt) {
  params().minPayloadPerTurn = 1;
  params().downhillAvailable = 1;
  analyseAllCableways(p.app, test::workers(1));
  EXPECT_EQ(road(27).pointCount, road(27).genPointCount);
}

TEST_F(BatchTest, SecondRunAnalysesNothingAndAnUnwritableTimingFileIsReported) {
  analyseAllCableways(p.app, test::workers(1));
  const auto cableways = p.doc->cableways;
  const auto payloads = p.doc->profilePayload;
  p.paths.setRoot("/dev/null/cannot-be-a-folder");
  const BatchSummary second = analyseAllCableways(p.app, test::workers(1));
  EXPECT_EQ(second.landingsAnalysed, 0);
  EXPECT_EQ(second.iterations, 0);
  EXPECT_TRUE(cableways == p.doc->cableways && payloads == p.doc->profilePayload);
  ASSERT_EQ(p.ui.messages().size(), 1u);
  EXPECT_EQ(p.ui.messages()[0].rfind("message exclamation: Unable to create the timing file", 0),
            0u);
}

// A Ui that cancels at its third progress report (the one after the second landing).
struct CancellingUi : ScriptedUi {
  bool progress(std::string_view) override { return ++calls < 3; }
  int calls = 0;
};

TEST_F(BatchTest, CancelLeavesEveryLandingWhollyAnalysedOrUntouched) {
  for (int id = 2; id <= 6; ++id) p.placeLanding(id, 8 + 4 * id, 12 + id, kSystem);
  for (int threads : {1, 2}) {
    p.doc->landingAnalysed = {};
    p.doc->tailSparHeight = {};
    CancellingUi ui;
    AppContext app{*p.doc, *p.view, ui, p.canvas, p.paths, p.clock, p.random};
    const BatchSummary summary = analyseAllCableways(app, test::workers(threads));
    int analysed = 0;
    for (int id = 1; id <= 6; ++id) {
      analysed += p.doc->landingAnalysed[id];
      for (int r = 0; r < 36; ++r)  // an analysed road has its tail spar height
        EXPECT_EQ(p.doc->tailSparHeight[id][r] > 0.0f, p.doc->landingAnalysed[id] == 1) << id;
    }
    EXPECT_EQ(analysed, summary.landingsAnalysed);
    EXPECT_EQ(summary.cancelled, analysed < 6);
    if (threads == 1) {
      EXPECT_EQ(analysed, 2);
    }
  }
}

TEST_F(BatchTest, TrialLandingScoresSquaredReachInsideTheUnit) {
  for (int c = 12; c <= 40; ++c)
    for (int r = 1; r <= 40; ++r) p.doc->unitCellFlags(c, r) = 1;
  const float score = evaluateLandingPosition(p.app, 10, 20, kSystem);
  EXPECT_EQ(p.doc->cableways[1][9], CablewayRecord{});  // only the trial slot changes
  EXPECT_EQ(p.doc->landings[0], (Landing{20, 10, kSystem}));
  EXPECT_EQ(std::count_if(p.canvas.calls.begin(), p.canvas.calls.end(),
                          [](const std::string& c) { return c.rfind("line", 0) == 0; }),
            36);
  // Again from the stored trial roads: each road's farthest point inside the unit, beyond 2.
  float expected = 0.0f;
  for (int r = 0; r < 36; ++r) {
    sampleProfile(*p.doc, p.view->cable, 0, kSystem, r);
    for (int m = p.doc->cableways[0][r].pointCount; m > 2; --m) {
      const ProfilePoint& point = p.view->cable.profile[m];
      if (p.doc->unitCellFlags(point.col, point.row) != 1) continue;
      const float dx = static_cast<float>(test::kXll + 90 - p.doc->dtm(point.col, point.row).x);
      const float dy = static_cast<float>(test::kYll + 200 - p.doc->dtm(point.col, point.row).y);
      expected += dx * dx + dy * dy;
      break;
    }
  }
  EXPECT_EQ(score, expected);
  EXPECT_GT(score, 0.0f);
  EXPECT_EQ(evaluateLandingPosition(p.app, 41, 20, kSystem), 0.0f);
}

}  // namespace
}  // namespace skyrig
