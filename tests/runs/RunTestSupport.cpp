#include "RunTestSupport.h"

#include <vector>

#include "network/CableNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "runs/NodeNameParts.h"
#include "runs/OptimizationRuns.h"
#include "runs/PathFileReader.h"
#include "runs/RunFiles.h"
#include "runs/SolutionFlows.h"
#include "solver/Prepare.h"

namespace skyrig::testing {

std::filesystem::path freshWorkspace(const std::string& suffix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() /
      ("skyrig_runs_" + std::string(info->test_suite_name()) + "_" + info->name() + suffix);
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root);
  return root;
}

std::string readText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeText(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

namespace {

void setRoad(CSkyrigDoc& doc, std::size_t landing, std::size_t road, int endCol, int endRow) {
  CablewayRecord& way = doc.cableways[landing][road];
  const DtmCell& start = doc.dtm(doc.landings[landing].col, doc.landings[landing].row);
  const DtmCell& end = doc.dtm(endCol, endRow);
  way.endCol = way.genEndCol = endCol;
  way.endRow = way.genEndRow = endRow;
  way.pointCount = way.genPointCount = 8;
  way.slope = way.intercept = 999999.875f;  // vertical
  if (start.x != end.x) {
    way.slope = static_cast<float>(start.y - end.y) / static_cast<float>(start.x - end.x);
    way.intercept = static_cast<float>(start.y) - static_cast<float>(start.x) * way.slope;
  }
  for (std::size_t p = 1; p <= 8; ++p) {
    doc.profilePayload[landing][road][p] = 3000.0f - 150.0f * static_cast<float>(p);
    doc.profileCycleTime[landing][road][p] = 60.0f + 12.0f * static_cast<float>(p);
  }
}

float overallTotal(const std::string& text) {
  const auto at = text.find("OverallTotal: ");
  return at == std::string::npos ? -1.0f : std::stof(text.substr(at + 14));
}

}  // namespace

void buildSyntheticCase(CSkyrigDoc& doc) {
  doc.ncols = 14;
  doc.nrows = 12;
  doc.cellSize = 10;
  doc.xll = 500000;
  doc.yll = 4000000;
  doc.xMax = doc.xll + 130;
  doc.yMax = doc.yll + 110;
  doc.minElevation = 200;
  doc.maxElevation = 229;
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r)
      doc.dtm(c, r) = {cellX(doc, c), cellY(doc, r), 200 + 2 * (doc.nrows - r) + c / 2};
  doc.unitBox = {2, 2, 13, 11};
  for (int c = 3; c <= 12; ++c)
    for (int r = 3; r <= 10; ++r) {
      doc.unitCellFlags(c, r) = 1;
      doc.harvestUnitGrid(c, r) = 1;
      doc.volumeGrid(c, r) = (c * 7 + r * 3) % 11 == 0 ? 0.0f : 0.5f + 0.1f * static_cast<float>((c + 2 * r) % 5);
      doc.volumeGridOriginal(c, r) = doc.volumeGrid(c, r);
    }
  doc.landings[1] = {3, 4, 1};
  doc.landings[2] = {3, 11, 1};
  doc.landingCount = 2;
  setRoad(doc, 1, 18, 4, 10);
  setRoad(doc, 1, 13, 10, 9);
  setRoad(doc, 2, 18, 11, 10);
  setRoad(doc, 2, 27, 6, 3);
  doc.timberExits[1] = {11, 7};
  doc.timberExitCount = 1;
}

void expectSeparateRunInvariants(TestApp& t) {
  int k = 0;
  float lowest = 1.0e22f;
  int earliest = 0;
  while (std::filesystem::exists(t.paths.resolve(iterationResultsFile(k + 1)))) {
    const float total = overallTotal(readText(t.paths.resolve(iterationResultsFile(++k))));
    if (total < lowest) lowest = total, earliest = k;
  }
  EXPECT_GE(k, 2);  // the first iteration compares with a previous total of 0
  EXPECT_LE(k, kMaxRunIterations);
  std::istringstream log(readText(t.output("T&Results.txt")));
  std::string line;
  for (int i = 0; std::getline(log, line); ++i) {
    const char* starts[3] = {"Iteration ", "Hour Min Sec ", "Cab Road Total "};
    EXPECT_EQ(line.rfind(starts[i % 3], 0), 0u) << line;
    if (i % 3 == 0) {
      EXPECT_EQ(line, "Iteration " + std::to_string(i / 3 + 1));
    }
    EXPECT_LT(i, 3 * k);
  }
  const std::string final = readText(t.output("T&ResultsSepFinal.txt"));
  EXPECT_EQ(final.rfind("Best Iteration: " + std::to_string(earliest) + "\n", 0), 0u);
  EXPECT_EQ(overallTotal(final), lowest);

  CSkyrigDoc& doc = *t.doc;
  const PerLanding<float> zero{};
  ASSERT_TRUE(buildCableNetwork(doc, t.paths, t.ui, zero, zero, 100));
  ASSERT_TRUE(buildCableSales(doc, t.paths, t.ui, 100));
  prepare(doc, t.ui);
  PathFileReader reader(t.paths, t.ui, kBestCablePathFile, doc.solver.nodeCount);
  PathEntry entry;
  int paths = 0;
  while (reader.next(entry) && entry.nodes.size() == 5) {
    ++paths;
    std::vector<std::string> names;
    for (const std::int32_t node : entry.nodes)
      names.emplace_back(doc.solver.nodeNames[static_cast<std::size_t>(node)].view());
    const NodeNameParts road = parseNodeName(names[1]);
    EXPECT_EQ(parseNodeName(names[0]).kind, NodeNameParts::Kind::Cell);
    EXPECT_EQ(road.kind, NodeNameParts::Kind::Cableway);
    EXPECT_EQ(names[2], "S" + std::to_string(road.system) + "L" + std::to_string(road.landing));
    EXPECT_EQ(names[3], "L" + std::to_string(road.landing));
    EXPECT_EQ(names[4], "DummyDest1");
  }
  EXPECT_EQ(paths, doc.network.sales.count());
  float sold = 0;
  for (int s = 1; s <= doc.network.sales.count(); ++s) sold += doc.network.sales[s].volume;
  ASSERT_TRUE(flowsFromRouting(t.app, kBestCablePathFile));
  float sunk = 0;
  for (int i = 1; i <= doc.network.links.count(); ++i)
    if (doc.network.links[i].to.view() == "DummyDest1")
      sunk += doc.solver.linkFlow[static_cast<std::size_t>(i)];
  // Equal but for float sums in different orders.
  EXPECT_NEAR(sunk, sold, 1e-5 * sold);
}

}  // namespace skyrig::testing
