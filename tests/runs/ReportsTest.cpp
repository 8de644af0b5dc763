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
  EXPECT_EQ(gradeClass(0.0f), 0);
  EXPECT_EQ(gradeClass(0.0499f), 0);
  EXPECT_EQ(gradeClass(0.05f), 1);
  EXPECT_EQ(gradeClass(0.2f), 4);
  EXPECT_EQ(gradeClass(0.25f), 5);
  EXPECT_EQ(gradeClass(0.9f), 5);
  EXPECT_EQ(sideSlopeClass(0.1499f), 0);
  EXPECT_EQ(sideSlopeClass(0.15f), 1);
  EXPECT_EQ(sideSlopeClass(0.6f), 4);
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

std::string afterLine(const std::string& text, const std::string& marker) {
  const auto at = text.find(marker);
  return at == std::string::npos ? std::string() : text.substr(at);
}

TEST(RoadMileageReport, SharedLinksCountOnceUnderTheFirstSale) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  // The best road path twice, as two sales of 10 and 5 m3 over the same links.
  const std::string best = testing::readText(t.output("bestroadpath.txt"));
  std::istringstream in(best);
  int zero = 0, count = 0, sale = 0, nodes = 0;
  float volume = 0;
  in >> zero >> count >> sale >> volume >> nodes;
  ASSERT_EQ(count, 1);
  std::string path;
  for (int i = 0; i < nodes; ++i) {
    int node = 0;
    in >> node;
    path += std::to_string(node) + " ";
  }
  const std::string n = std::to_string(nodes);
  testing::writeText(t.output("bestroadpath.txt"), "0\n2\n1\n10.000000\n" + n + "\n" + path +
                                                       "\n2\n5.000000\n" + n + "\n" + path +
                                                       "\n1.0\n2.0\n3.0\n");
  writeRoadMileageReport(t.app);
  EXPECT_TRUE(t.ui.messages().empty());
  const std::string report = testing::readText(t.output("RoadMileage.txt"));
  const std::string second = afterLine(report, "Sale: 2\n");
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second.substr(0, second.find("slope0-5")),
            "Sale: 2\nVolume: 5.000000\nNumber of links: " + n +
                "\nDist\tSlope\tSideSlope\nhaulingcosts: 0.000000\nroadcosts: 0.000000\n"
                "total dist: 0.000000\n");
  // The grand totals after sale 2 add its volume and nothing else.
  const std::string firstTotals = afterLine(report, "Grand total road length: ");
  const std::string lastTotals = afterLine(second, "Grand total road length: ");
  EXPECT_EQ(firstTotals.substr(0, firstTotals.find('\n')), lastTotals.substr(0, lastTotals.find('\n')));
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
