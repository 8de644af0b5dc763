// The reports: the mileage report's classes and its once-per-link accounting, the cable and
// road report lines, and Road reports without a separate run.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/Reports.h"
#include "runs/RoadLengthClasses.h"

namespace skyrig {
namespace {

using testing::TestApp;

TEST(RoadLengthClasses, BoundsBelongToTheUpperClass) {
  EXPECT_EQ(gradeClass(0.0499f), 0);
  EXPECT_EQ(gradeClass(0.05f), 1);
  EXPECT_EQ(gradeClass(0.25f), 5);
  EXPECT_EQ(sideSlopeClass(0.1499f), 0);
  EXPECT_EQ(sideSlopeClass(0.15f), 1);
  EXPECT_EQ(sideSlopeClass(0.75f), 5);
}

TEST(RoadMileageReport, WithoutASeparateRunSaysSoAndWritesNothing) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  writeRoadMileageReport(t.app);
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("There is no road solution to report"), std::string::npos);
  EXPECT_NE(t.ui.messages()[0].find("bestroadpath.txt"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(t.output("RoadMileage.txt")));
  EXPECT_EQ(t.doc->network.links.count(), 0);
}

TEST(RoadMileageReport, SharedLinksCountOnceUnderTheFirstSale) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  // The best road path of the synthetic case (its golden file) twice, as two sales.
  const std::string path = "11\n64 74 85 96 87 98 89 100 81 92 121 \n";
  testing::writeText(t.output("bestroadpath.txt"),
                     "0\n2\n1\n10.0\n" + path + "2\n5.0\n" + path + "1.0\n2.0\n3.0\n");
  writeRoadMileageReport(t.app);
  EXPECT_TRUE(t.ui.messages().empty());
  const std::string report = testing::readText(t.output("RoadMileage.txt"));
  const std::string second = report.substr(report.find("Sale: 2\n"));
  EXPECT_EQ(second.substr(0, second.find("slope0-5")),
            "Sale: 2\nVolume: 5.000000\nNumber of links: 11\nDist\tSlope\tSideSlope\n"
            "haulingcosts: 0.000000\nroadcosts: 0.000000\ntotal dist: 0.000000\n");
  // The grand totals after sale 2 add its volume and nothing else.
  const auto length = [](const std::string& text) {
    const auto at = text.find("Grand total road length: ");
    return text.substr(at, text.find('\n', at) - at);
  };
  EXPECT_EQ(length(report), length(second));
  EXPECT_NE(second.find("Grand total volume: 15.000000\n"), std::string::npos);
}

TEST(CableAndRoadReports, WriteEveryEntryIncludingEmptyPaths) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);  // leaves the road network's node table
  const std::string a(t.doc->solver.nodeNames[1].view());
  const std::string b(t.doc->solver.nodeNames[2].view());
  testing::writeText(t.root / "p.txt", "0\n2\n1\n1.5\n0\n\n2\n2.25\n2\n1 2 \n1.0\n2.0\n3.0\n");
  ASSERT_TRUE(writeCableReport(t.app, "p.txt"));
  EXPECT_EQ(testing::readText(t.output("cablereport.txt")),
            "1.500000\n" + a + "-" + b + "-2.250000\n");
  ASSERT_TRUE(writeRoadReport(t.app, "p.txt"));
  EXPECT_EQ(testing::readText(t.output("roadreport.txt")),
            "Sale:\t1\nVolume:\t1.500000\nNumberofCells:\t0\n\n"
            "Sale:\t2\nVolume:\t2.250000\nNumberofCells:\t2\n" + a + "-" + b + "-\n");
  EXPECT_TRUE(t.ui.messages().empty());
}

}  // namespace
}  // namespace skyrig
