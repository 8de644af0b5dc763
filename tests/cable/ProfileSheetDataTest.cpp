// The profile sheet of a cable road is recomputed from the stored results by the analysis
// itself: it must give back what the batch analysis stored and leave the document unchanged.
#include <gtest/gtest.h>

#include <cstring>

#include "CableTestSupport.h"
#include "SampleProject.h"
#include "cable/ProfileSheetData.h"

namespace skyrig {
namespace {

TEST(ProfileSheet, FeasibleSampleRoadsGiveBackTheirStoredPayloadAndSupports) {
  test::Project project("profile_sheet");
  CSkyrigDoc& doc = *project.doc;
  ASSERT_TRUE(sample::loadSampleProject(doc));
  doc.landingCount = 1;  // one fan of 36 roads keeps the test short
  BatchOptions oneWorker;
  oneWorker.threads = 1;
  analyseAllCableways(project.app, oneWorker);

  const auto cablewaysBefore = doc.cableways;
  const auto payloadsBefore = doc.profilePayload[1];
  const float minPerTurn = doc.cableSystems[static_cast<std::size_t>(doc.landings[1].system)].minPayloadPerTurn;
  int feasible = 0, clear = 0;
  for (int road = 0; road < kCablewaysPerLanding; ++road) {
    ProfileSheetData sheet;
    std::string error;
    const CablewayRecord& record = doc.cableways[1][static_cast<std::size_t>(road)];
    if (record.pointCount < 3) {
      EXPECT_FALSE(computeProfileSheet(doc, 1, road, sheet, error));
      EXPECT_NE(error.find("has no ground profile"), std::string::npos);
      continue;
    }
    ASSERT_TRUE(computeProfileSheet(doc, 1, road, sheet, error)) << error;
    EXPECT_EQ(sheet.tailPoint, record.pointCount - 1);
    EXPECT_FLOAT_EQ(sheet.length, sheet.points[static_cast<std::size_t>(sheet.tailPoint)].distance);
    if (doc.cablewayMinPayload[1][static_cast<std::size_t>(road)] < minPerTurn) continue;
    ++feasible;
    EXPECT_EQ(sheet.minPayload, doc.cablewayMinPayload[1][static_cast<std::size_t>(road)]) << "road " << road;
    EXPECT_EQ(sheet.supportCount, record.supportCount) << "road " << road;
    clear += sheet.flags.any() ? 0 : 1;
    // The limiting point carries the road's payload; every analysed point has a carriage.
    ASSERT_GE(sheet.limitingPoint, 1);
    EXPECT_EQ(sheet.points[static_cast<std::size_t>(sheet.limitingPoint)].payload, sheet.minPayload);
    for (int k = 1; k < sheet.tailPoint; ++k) {
      const ProfileSheetPoint& p = sheet.points[static_cast<std::size_t>(k)];
      if (!p.support) {
        EXPECT_GE(p.carriageHeight, 0) << "road " << road << " point " << k;
      }
    }
  }
  EXPECT_GT(feasible, 10);
  EXPECT_GT(clear, 5);  // carries its load without any condition (others are downhill, say)
  EXPECT_TRUE(cablewaysBefore == doc.cableways);
  EXPECT_EQ(std::memcmp(&payloadsBefore, &doc.profilePayload[1], sizeof payloadsBefore), 0);
}

TEST(ProfileSheet, MissingLandingsUnanalysedFansAndEmptyRoadsAreRefusedWithAReason) {
  test::Project project("profile_sheet_refusals");
  CSkyrigDoc& doc = *project.doc;
  project.makeGrid(30, 30, 10, [](int c, int r) { return 500 + c - r; });
  project.placeLanding(1, 5, 5, 1);
  ProfileSheetData sheet;
  std::string error;
  EXPECT_FALSE(computeProfileSheet(doc, 2, 0, sheet, error));
  EXPECT_EQ(error, "there is no cable road 0 of landing 2");
  EXPECT_FALSE(computeProfileSheet(doc, 1, 36, sheet, error));
  EXPECT_FALSE(computeProfileSheet(doc, 1, 3, sheet, error));
  EXPECT_EQ(error, "the cable roads of landing 1 are not analysed");
  doc.landingAnalysed[1] = 1;  // analysed, but the road was never generated
  EXPECT_FALSE(computeProfileSheet(doc, 1, 3, sheet, error));
  EXPECT_EQ(error, "cable road 3 of landing 1 has no ground profile");
}

}  // namespace
}  // namespace skyrig
