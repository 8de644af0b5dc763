// The plan as the sheets and the report see it: served and unserved cells with their reasons,
// cable roads and landings with volume and cost, the new road by grade class.
#include <gtest/gtest.h>

#include <cmath>

#include "RunTestSupport.h"
#include "runs/OptimizationRuns.h"
#include "runs/PlanSheetData.h"

namespace skyrig {
namespace {

using testing::TestApp;

TEST(PlanSheetReports, CableReportLineNamesCellRoadAndVolume) {
  CableReportLine line;
  ASSERT_TRUE(parseCableReportLine("C66R166-C34S1L5-S1L5-L5-DummyDest1-1.530000", line));
  EXPECT_EQ(line.col, 66);
  EXPECT_EQ(line.row, 166);
  EXPECT_EQ(line.road, 34);
  EXPECT_EQ(line.system, 1);
  EXPECT_EQ(line.landing, 5);
  EXPECT_DOUBLE_EQ(line.volume, 1.53);
  EXPECT_FALSE(parseCableReportLine("1.530000", line));                      // no nodes
  EXPECT_FALSE(parseCableReportLine("C66R166-S1L5-L5-DummyDest1-2.0", line));  // no cable road
  EXPECT_FALSE(parseCableReportLine("C66R166-C34S1L5-L5-", line));           // no volume
}

TEST(PlanSheetReports, RoadReportGivesTheCellChainsOfEveryPath) {
  const auto paths = parseRoadReport(
      "Sale:\t1\nVolume:\t22.5\nNumberofCells:\t2\nC96R108-SuperExit-\n"
      "Sale:\t2\nVolume:\t18.0\nNumberofCells:\t4\nC91R180-C92R180-C93R179-SuperExit-\n");
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_EQ(paths[0], (std::vector<std::pair<int, int>>{{96, 108}}));
  EXPECT_EQ(paths[1], (std::vector<std::pair<int, int>>{{91, 180}, {92, 180}, {93, 179}}));
}

TEST(PlanSheetData, AfterASeparateRunEveryTimberCellIsServedOrHasAReason) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  runSeparateOptimization(t.app);
  const PlanSheetData plan = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  ASSERT_TRUE(plan.hasPlan);
  EXPECT_TRUE(plan.separateRun.present);

  double byRoads = 0, byLandings = 0, unserved = 0;
  int servedCells = 0, usedRoads = 0;
  for (const PlanCableRoad& road : plan.cableRoads) {
    byRoads += road.volume;
    if (!road.used) continue;
    ++usedRoads;
    servedCells += road.cells;
    EXPECT_GT(road.yardingCost, 0);
    EXPECT_GT(road.riggingCost, 0);
  }
  for (const PlanLanding& landing : plan.landings) byLandings += landing.volume;
  for (double v : plan.unservedVolume) unserved += v;
  EXPECT_GT(usedRoads, 0);
  EXPECT_NEAR(byRoads, plan.servedVolume, 1e-3);
  EXPECT_NEAR(byLandings, plan.servedVolume, 1e-3);
  EXPECT_NEAR(plan.servedVolume + unserved, plan.unitVolume, 1e-3);

  int cellsMarkedServed = 0;
  for (int r = 1; r <= t.doc->nrows; ++r)
    for (int c = 1; c <= t.doc->ncols; ++c) {
      const CellService s = plan.serviceAt(c, r);
      if (s == CellService::Served) ++cellsMarkedServed;
      if (t.doc->unitCellFlags(c, r) != 1) {
        EXPECT_EQ(s, CellService::None);
      }
    }
  EXPECT_EQ(cellsMarkedServed, servedCells);
  // The crop holds the unit and both landings.
  EXPECT_LE(plan.minCol, 3);
  EXPECT_GE(plan.maxCol, 12);
  EXPECT_LE(plan.minRow, 3);
  EXPECT_GE(plan.maxRow, 10);
}

TEST(PlanSheetData, UnservedReasonsFollowTheRoadsThatPassTheCell) {
  TestApp t;
  testing::buildSyntheticCase(*t.doc);
  // No run: nothing is served, and each timber cell gets the reason of the roads beside it.
  const PlanSheetData plan = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  EXPECT_FALSE(plan.hasPlan);
  EXPECT_EQ(plan.servedVolume, 0);
  ASSERT_FALSE(plan.notes.empty());
  // C4R6 lies under landing 1's road south: a usable road reaches it, the plan left it.
  EXPECT_EQ(plan.serviceAt(4, 6), CellService::NotRouted);
  double unserved = 0;
  for (double v : plan.unservedVolume) unserved += v;
  EXPECT_NEAR(unserved, plan.unitVolume, 1e-3);

  // With the lateral yarding distance at 0 m no road yards a cell off its line; cells beside
  // a road are beyond it, cells past every road's end are reached by none.
  for (CableSystemParams& p : t.doc->cableSystems) p.maxLateralYardingDistance = 0;
  for (CableSystemParams& p : t.doc->cableSystems) p.giveUpDistance = 0;
  const PlanSheetData narrow = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  EXPECT_EQ(narrow.serviceAt(6, 6), CellService::BeyondLateral);  // between the two south roads

  // Roads whose payload is below one kilogram everywhere cannot yard: reached only by infeasible roads.
  for (auto& landingRows : t.doc->profilePayload)
    for (auto& roadRow : landingRows) roadRow.fill(0.5f);
  const PlanSheetData weak = gatherPlanSheetData(*t.doc, t.view->runs, t.paths);
  EXPECT_EQ(weak.serviceAt(4, 6), CellService::OnlyInfeasible);
}

}  // namespace
}  // namespace skyrig
