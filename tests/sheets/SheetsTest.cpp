// The printed sheets as a reader measures them: the map sheet's scale bar and two landings'
// distance against their coordinates, and the files written when some of them cannot be.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>
#include <vector>

#include "GuiApplication.h"
#include "MapSheet.h"
#include "SheetFiles.h"
#include "SheetPage.h"
#include "runs/OptimizationRuns.h"
#include "runs/PlanSheetData.h"
#include "runs/RunTestSupport.h"

namespace skyrig::sheets {
namespace {

using skyrig::testing::TestApp;

constexpr double kUnitsPerMm = 150 / 25.4;

// A 100 x 100 grid of 10 m cells sloping east, a harvest unit of columns 40..60, rows 40..55
// with timber, and landings 1 at C42R45 and 2 at C58R52.
void buildMeasuringCase(CSkyrigDoc& doc) {
  doc.ncols = doc.nrows = 100;
  doc.cellSize = 10;
  doc.xll = 500000;
  doc.yll = 4000000;
  doc.xMax = doc.xll + 990;
  doc.yMax = doc.yll + 990;
  doc.minElevation = 100;
  doc.maxElevation = 199;
  for (int c = 1; c <= 100; ++c)
    for (int r = 1; r <= 100; ++r) {
      doc.dtm(c, r) = {doc.xll + 10 * (c - 1), doc.yll + 10 * (100 - r), 99 + c};
      const bool unit = c >= 40 && c <= 60 && r >= 40 && r <= 55;
      doc.harvestUnitGrid(c, r) = unit ? 1 : 0;
      doc.unitCellFlags(c, r) = unit ? 1 : 0;
      doc.volumeGrid(c, r) = doc.volumeGridOriginal(c, r) = unit ? 0.8f : 0.0f;
    }
  doc.unitBox = {40, 40, 60, 55};
  doc.landings[1] = {45, 42, 1};
  doc.landings[2] = {52, 58, 1};
  doc.landingCount = 2;
}

QImage renderMapSheet(const CSkyrigDoc& doc, const PlanSheetData& plan) {
  ensureGuiApplication();
  QImage image(static_cast<int>(kA3Width * kUnitsPerMm), static_cast<int>(kA3Height * kUnitsPerMm),
               QImage::Format_RGB32);
  image.setDotsPerMeterX(static_cast<int>(kUnitsPerMm * 1000));
  image.setDotsPerMeterY(static_cast<int>(kUnitsPerMm * 1000));
  image.fill(Qt::white);
  QPainter painter(&image);
  paintMapSheet({painter, kUnitsPerMm, kA3Width, kA3Height}, doc, plan, {QStringLiteral("Test"), QStringLiteral("2026-12-06")});
  return image;
}

// Centres of the groups of pure white pixels inside the map frame (the landing marks).
std::vector<QPointF> whiteBlobCentres(const QImage& image, const MapSheetLayout& layout) {
  const int x0 = static_cast<int>((layout.frameLeft + 1) * kUnitsPerMm);
  const int y0 = static_cast<int>((layout.frameTop + 1) * kUnitsPerMm);
  const int x1 = static_cast<int>((layout.frameLeft + layout.frameWidth - 1) * kUnitsPerMm);
  const int y1 = static_cast<int>((layout.frameTop + layout.frameHeight - 1) * kUnitsPerMm);
  std::vector<std::vector<bool>> seen(static_cast<std::size_t>(image.width()),
                                      std::vector<bool>(static_cast<std::size_t>(image.height())));
  std::vector<QPointF> centres;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      if (seen[x][y] || image.pixel(x, y) != qRgb(255, 255, 255)) continue;
      double sx = 0, sy = 0;
      int count = 0;
      std::vector<QPoint> stack{{x, y}};
      seen[x][y] = true;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        sx += p.x(), sy += p.y(), ++count;
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint q = p + d;
          if (q.x() < x0 || q.x() > x1 || q.y() < y0 || q.y() > y1 || seen[q.x()][q.y()]) continue;
          if (image.pixel(q) != qRgb(255, 255, 255)) continue;
          seen[q.x()][q.y()] = true;
          stack.push_back(q);
        }
      }
      centres.emplace_back(sx / count, sy / count);
    }
  return centres;
}

TEST(MapSheet, TwoLandingsAndTheScaleBarMeasureTrueGroundDistances) {
  TestApp t("sheet_measure");
  buildMeasuringCase(*t.doc);
  PlanSheetData plan = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  for (PlanLanding& landing : plan.landings) landing.used = true;  // drawn white
  const MapSheetLayout layout = mapSheetLayout(*t.doc, plan);
  const QImage image = renderMapSheet(*t.doc, plan);

  const std::vector<QPointF> marks = whiteBlobCentres(image, layout);
  ASSERT_EQ(marks.size(), 2u);
  const double pixels = std::hypot(marks[1].x() - marks[0].x(), marks[1].y() - marks[0].y());
  const double metresOnSheet = pixels / kUnitsPerMm * static_cast<double>(layout.scale) / 1000.0;
  const double groundMetres = std::hypot(10.0 * (58 - 42), 10.0 * (52 - 45));
  EXPECT_NEAR(metresOnSheet, groundMetres, 1.5 / kUnitsPerMm * static_cast<double>(layout.scale) / 1000.0);
  // Landing 2 lies east and south of landing 1.
  const QPointF& west = marks[0].x() < marks[1].x() ? marks[0] : marks[1];
  const QPointF& east = marks[0].x() < marks[1].x() ? marks[1] : marks[0];
  EXPECT_GT(east.y(), west.y());

  // The scale bar: its dark extent along its middle measures its labelled metres at 1:N.
  const int row = static_cast<int>((layout.frameTop + 5.8) * kUnitsPerMm);
  int first = -1, last = -1;
  for (int x = static_cast<int>((layout.frameLeft + layout.frameWidth + 20) * kUnitsPerMm); x < image.width(); ++x)
    if (qGray(image.pixel(x, row)) < 128) {
      if (first < 0) first = x;
      last = x;
    }
  ASSERT_GE(first, 0);
  const double barMetres = (last - first + 1) / kUnitsPerMm * static_cast<double>(layout.scale) / 1000.0;
  EXPECT_NEAR(barMetres, layout.scaleBarMetres, 2.0 / kUnitsPerMm * static_cast<double>(layout.scale) / 1000.0);
}

TEST(SheetFiles, NamesAFileNameCannotHoldAreReplaced) {
  EXPECT_EQ(safeFileName("South zone"), "South zone");
  EXPECT_EQ(safeFileName("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
  EXPECT_EQ(safeFileName("unit 7.\n"), "unit 7._");
  EXPECT_EQ(safeFileName(".."), "plan");
  EXPECT_EQ(safeFileName(""), "plan");
}

TEST(SheetFiles, WhatCannotBeWrittenIsNamedAndTheRestIsStillWritten) {
  TestApp t("sheet_files");
  skyrig::testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  t.doc->landingAnalysed[1] = t.doc->landingAnalysed[2] = 1;  // the hand-made fans count as analysed
  const PlanSheetData plan = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  const SheetTitle title{QStringLiteral("a/b: \"odd\" name"), QStringLiteral("2026-12-06")};
  const auto out = t.root / "sheets";
  // A file stands where the profile folder should be: no single sheet can be written there.
  std::filesystem::create_directories(out);
  skyrig::testing::writeText(out / "profiles", "in the way");

  SheetOutput written;
  writeMapSheet(*t.doc, plan, title, out / "profiles" / "map.pdf", out / "map.png", written);
  auto roads = usedRoads(plan);
  ASSERT_FALSE(roads.empty());
  roads.emplace_back(1, 5);  // generated by no one: no profile
  writeProfileSheets(*t.doc, plan, title, roads, out / "profiles", out / "profiles.pdf", written);
  writePlanReport(*t.doc, plan, title, out / "report.pdf", written);

  auto wrote = [&](const std::filesystem::path& p) {
    return std::find(written.written.begin(), written.written.end(), p.string()) != written.written.end() &&
           std::filesystem::file_size(p) > 1000;
  };
  EXPECT_TRUE(wrote(out / "map.png"));
  EXPECT_TRUE(wrote(out / "profiles.pdf"));
  EXPECT_TRUE(wrote(out / "report.pdf"));
  bool noProfile = false, noFolder = false;
  for (const std::string& problem : written.problems) {
    noProfile = noProfile || problem.find("L1-R5: cable road 5 of landing 1 has no ground profile") != std::string::npos;
    noFolder = noFolder || (problem.find("profiles/L") != std::string::npos &&
                            problem.find(".pdf cannot be written") != std::string::npos);
  }
  EXPECT_TRUE(noProfile);
  EXPECT_TRUE(noFolder);

  // A road the plan does not use still gets its sheet on request (one with a ground profile).
  std::pair<int, int> drawable{-1, -1};
  for (const auto& [landing, road] : usedRoads(plan)) {
    const std::string name = "L" + std::to_string(landing) + "-R" + std::to_string(road) + ":";
    if (std::none_of(written.problems.begin(), written.problems.end(),
                     [&](const std::string& p) { return p.find(name) != std::string::npos; })) {
      drawable = {landing, road};
      break;
    }
  }
  ASSERT_GE(drawable.first, 1);
  PlanSheetData unused = plan;
  for (PlanCableRoad& road : unused.cableRoads) road.used = false;
  SheetOutput requested;
  writeProfileSheets(*t.doc, unused, title, {drawable}, {}, out / "unused.pdf", requested);
  EXPECT_TRUE(requested.problems.empty()) << requested.problems.front();
  EXPECT_EQ(requested.written, std::vector<std::string>{(out / "unused.pdf").string()});
}

TEST(SheetFiles, AnEmptyPlanStillGivesAMapSheetAndAReport) {
  TestApp t("sheet_empty");
  skyrig::testing::buildSyntheticCase(*t.doc);
  const PlanSheetData plan = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  ASSERT_FALSE(plan.hasPlan);
  SheetOutput written;
  writeMapSheet(*t.doc, plan, {QStringLiteral("Empty"), QString()}, t.root / "map.pdf", {}, written);
  writePlanReport(*t.doc, plan, {QStringLiteral("Empty"), QString()}, t.root / "report.pdf", written);
  EXPECT_EQ(written.written.size(), 2u);
  EXPECT_TRUE(written.problems.empty());
  EXPECT_TRUE(usedRoads(plan).empty());
}

}  // namespace
}  // namespace skyrig::sheets
