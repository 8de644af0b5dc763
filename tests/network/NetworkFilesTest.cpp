// Node names, and the link and sale files read by the command-line solver.
#include <gtest/gtest.h>

#include <random>

#include "NetworkFixture.h"
#include "document/NearestCell.h"
#include "network/ExportFile.h"
#include "network/NetworkFileReader.h"

namespace skyrig {
namespace {

using testing::Workspace;

TEST(NodeNames, BlanksAreDroppedAndAtMostTenCharactersAreKept) {
  NodeName name;
  EXPECT_TRUE(assignNodeName(name, "C1 R2 "));
  EXPECT_EQ(name.view(), "C1R2");
  EXPECT_TRUE(assignNodeName(name, "DummyDest1"));
  EXPECT_EQ(name.view(), "DummyDest1");
  EXPECT_FALSE(assignNodeName(name, "DummyDest12"));
  EXPECT_EQ(name.view(), "");
  EXPECT_FALSE(assignNodeName(name, "   "));
  EXPECT_EQ(cablewayNode(35, 5, 90).view(), "C35S5L90");
  EXPECT_EQ(virtualCellNode(699, 699).view(), "VC699R699");
  EXPECT_LT(compareNodeNames(cellNode(10, 1), cellNode(9, 1)), 0);  // byte order, not numeric
}

class NetworkFileReaderTest : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& name, const std::string& text) {
    const std::filesystem::path path = work.root() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  Workspace work;
  std::string error;
};

TEST_F(NetworkFileReaderTest, ReadsTheExportFormatBackAndSkipsBlankLines) {
  LinkTable links;
  std::unique_ptr<std::FILE, FileCloser> out(work.paths().openForWriting("links.txt"));
  writeLinkLine(out.get(), {cellNode(3, 4), roadSinkNode(), 1.25f, 300.0f});
  writeLinkLine(out.get(), {landingNode(7), cableSinkNode(), -0.5f, 0.0f});
  std::fputs("\n   \n", out.get());
  out.reset();
  ASSERT_TRUE(readLinkFile(work.root() / "links.txt", links, error)) << error;
  ASSERT_EQ(links.count(), 2);
  EXPECT_EQ(links[1].from.view(), "C3R4");
  EXPECT_EQ(links[1].to.view(), "SuperExit");
  EXPECT_EQ(links[1].variableCost, 1.25f);
  EXPECT_EQ(links[1].fixedCost, 300.0f);
  EXPECT_EQ(links[2].variableCost, -0.5f);

  SaleTable sales;
  ASSERT_TRUE(readSaleFile(write("sales.txt", "C3R4 SuperExit 12.5 2\n"), sales, error));
  ASSERT_EQ(sales.count(), 1);
  EXPECT_EQ(sales[1].volume, 12.5f);
  EXPECT_EQ(sales[1].period, 2);
}

TEST_F(NetworkFileReaderTest, RefusesAMalformedLineWithItsNumberAndKeepsNothing) {
  LinkTable links;
  const auto refused = [&](const std::string& text) {
    EXPECT_FALSE(readLinkFile(write("links.txt", text), links, error)) << text;
    EXPECT_EQ(links.count(), 0);
    return error.substr(error.find(" line "));
  };
  const std::string good = "A\tB\t1.00\t2.00\n";
  EXPECT_EQ(refused(good + "\nA B 1.0\n"),
            " line 3: expected four fields: from node, to node, variable cost, fixed cost");
  EXPECT_EQ(refused(good + "A DummyDest12 1 2\n"),
            " line 2: node name \"DummyDest12\" is longer than 10 characters");
  EXPECT_EQ(refused("A B 1.0x 2\n"), " line 1: variable cost \"1.0x\" is not a number");
  EXPECT_EQ(refused("A B 1 inf\n"), " line 1: fixed cost \"inf\" is not a number");

  SaleTable sales;
  EXPECT_FALSE(readSaleFile(write("sales.txt", "A B 1.0 0.5\n"), sales, error));
  EXPECT_NE(error.find(" line 1: period \"0.5\" is not a 16-bit integer"), std::string::npos);
  EXPECT_FALSE(readSaleFile(work.root() / "missing.txt", sales, error));
  EXPECT_NE(error.find("cannot be opened"), std::string::npos);
  // A folder is no empty file.
  std::filesystem::create_directories(work.root() / "folder");
  EXPECT_FALSE(readLinkFile(work.root() / "folder", links, error));
  EXPECT_NE(error.find("folder: is a folder, not a file"), std::string::npos) << error;
  EXPECT_FALSE(readSaleFile(work.root() / "folder", sales, error));
  EXPECT_NE(error.find("folder: is a folder, not a file"), std::string::npos) << error;
}

TEST(NearestCell, FinderAgreesWithTheTwoPassRuleIncludingTiesAndIrregularGrids) {
  auto doc = testing::makeFlatArea(30, 25);
  const NearestCellSearch regular(*doc);
  // Halfway between two columns and two rows: the earlier column and row win.
  EXPECT_EQ(regular.find(1005.0, 4000235.0), (CellPoint{1, 1}));
  EXPECT_EQ(findNearestCell(*doc, 1005.0, 4000235.0), (CellPoint{1, 1}));
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> x(900.0, 1400.0), y(3999900.0, 4000350.0);
  for (int i = 0; i < 2000; ++i) {
    const double px = i % 10 == 0 ? 1000.0 + 5.0 * (i % 70) : x(rng);
    const double py = y(rng);
    ASSERT_EQ(regular.find(px, py), findNearestCell(*doc, px, py)) << px << " " << py;
  }
  // Columns out of order and a column without any X of 0 or more.
  std::swap(doc->dtm(3, 1).x, doc->dtm(8, 1).x);
  for (int r = 1; r <= 25; ++r) doc->dtm(5, r).x = -1;
  const NearestCellSearch irregular(*doc);
  for (int i = 0; i < 500; ++i) {
    const double px = x(rng), py = y(rng);
    ASSERT_EQ(irregular.find(px, py), findNearestCell(*doc, px, py)) << px << " " << py;
  }
}

}  // namespace
}  // namespace skyrig
