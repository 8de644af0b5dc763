// The batch analysis of the sample project (real terrain, six landings, systems 1 to 3) run
// sequentially and on two workers gives the same document byte for byte; outcomes pinned.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "CableTestSupport.h"
#include "SampleProject.h"
#include "cable/BatchAnalysis.h"

namespace skyrig {
namespace {

#define EXPECT_SAME_BYTES(field) \
  EXPECT_EQ(std::memcmp(&a.field, &b.field, sizeof a.field), 0) << #field

// Every table of the document (the network and solver tables aside, which no cable operation
// touches).
void expectSameDocument(const CSkyrigDoc& a, const CSkyrigDoc& b) {
  EXPECT_TRUE(a.ncols == b.ncols && a.nrows == b.nrows && a.xll == b.xll && a.yll == b.yll &&
              a.cellSize == b.cellSize && a.xMax == b.xMax && a.yMax == b.yMax &&
              a.minElevation == b.minElevation && a.maxElevation == b.maxElevation);
  EXPECT_TRUE(a.dtm == b.dtm && a.volumeGrid == b.volumeGrid &&
              a.volumeGridOriginal == b.volumeGridOriginal && a.streamGrid == b.streamGrid &&
              a.streamBufferGrid == b.streamBufferGrid && a.roadGrid == b.roadGrid &&
              a.harvestUnitGrid == b.harvestUnitGrid && a.unitCellFlags == b.unitCellFlags);
  EXPECT_SAME_BYTES(landings);
  EXPECT_SAME_BYTES(landingAnalysed);
  EXPECT_SAME_BYTES(landingConstructionCost);
  EXPECT_SAME_BYTES(landingSharedTower);
  EXPECT_SAME_BYTES(cableways);
  EXPECT_SAME_BYTES(cablewayScratch);
  EXPECT_SAME_BYTES(cablewayMinPayload);
  EXPECT_SAME_BYTES(cablewayCycleTime);
  EXPECT_SAME_BYTES(tailSparHeight);
  EXPECT_SAME_BYTES(profilePayload);
  EXPECT_SAME_BYTES(profileCycleTime);
  EXPECT_SAME_BYTES(roadCosts);
  EXPECT_TRUE(a.cableSystems == b.cableSystems && a.landingCount == b.landingCount &&
              a.currentCableSystem == b.currentCableSystem && a.unitBox == b.unitBox &&
              a.boundaryPoints == b.boundaryPoints &&
              a.boundaryPointCount == b.boundaryPointCount && a.timberExits == b.timberExits &&
              a.timberExitCount == b.timberExitCount && a.paths == b.paths &&
              a.pickStart == b.pickStart && a.pickEnd == b.pickEnd && a.pickValid == b.pickValid &&
              a.streamBufferWidth == b.streamBufferWidth && a.chokerLength == b.chokerLength &&
              a.contourInterval == b.contourInterval);
}

std::string readFile(const std::filesystem::path& path) {
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

TEST(SampleProject, TwoWorkersGiveTheSequentialDocumentByteForByte) {
  test::Project one("cable_sample_1"), two("cable_sample_2");
  ASSERT_TRUE(sample::loadSampleProject(*one.doc) && sample::loadSampleProject(*two.doc));
  const BatchSummary sequential = analyseAllCableways(one.app, test::workers(1));
  const BatchSummary parallel = analyseAllCableways(two.app, test::workers(2));
  expectSameDocument(*one.doc, *two.doc);
  EXPECT_EQ(one.canvas.calls, two.canvas.calls);
  EXPECT_EQ(readFile(one.paths.resolve(kTimingFilePath)),
            readFile(two.paths.resolve(kTimingFilePath)));
  EXPECT_EQ(sequential.payloadAnalyses, parallel.payloadAnalyses);
  // The view keeps what the last road left (the trial evaluation reads its road cycle time),
  // and the support reductions' trial road rows were merged back.
  EXPECT_EQ(one.view->cable.roadCycleTime, two.view->cable.roadCycleTime);
  EXPECT_NE(one.doc->profilePayload[0][0][1], 0.0f);

  // Outcomes of the 216 roads (pinned): on this steep terrain with long spans no road carries
  // the minimum payload at full length; most do once shortened.
  EXPECT_EQ(sequential.feasibleAtHeight, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(sequential.shortenedAtHeight, (std::array<int, 4>{64, 18, 20, 38}));
  EXPECT_EQ(sequential.feasibleShortened, 140);
  EXPECT_EQ(sequential.infeasible, 76);
  EXPECT_EQ(sequential.iterations, 23549);
  for (int i = 1; i <= 6; ++i)
    for (int r = 0; r < 36; ++r) {
      EXPECT_TRUE(one.doc->cableways[i][r].pointCount >= 5 &&
                  one.doc->cableways[i][r].pointCount <= one.doc->cableways[i][r].genPointCount);
      for (int k = 0; k <= 100; ++k)
        EXPECT_TRUE(std::isfinite(one.doc->profilePayload[i][r][k]) &&
                    std::isfinite(one.doc->profileCycleTime[i][r][k]));
    }
}

}  // namespace
}  // namespace skyrig
