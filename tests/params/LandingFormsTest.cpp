#include <gtest/gtest.h>

#include "document/CSkyrigDoc.h"
#include "params/DeleteLandingsForm.h"
#include "params/LandingInfoForm.h"
#include "params/ParamsFormOpening.h"
#include "seams/ScriptedUi.h"

namespace skyrig {
namespace {

std::unique_ptr<CSkyrigDoc> landingsWithCosts(int count) {
  auto doc = makeDocument();
  for (int i = 1; i <= kMaxLandings; ++i) doc->landingConstructionCost[i] = 5000.0f;
  doc->landingCount = count;
  return doc;
}

const std::string kShared = "ID number of tower location sharing this landing";

TEST(LandingInfoForm, SharedTowerMustNameALandingBelowTheLastOne) {
  auto doc = landingsWithCosts(3);
  LandingInfoForm form(*doc, 1);
  ScriptedUi ui;
  EXPECT_TRUE(form.editField(kShared, "2", ui));
  EXPECT_EQ(form.sharedTower(1), 2);
  EXPECT_FALSE(form.editField(kShared, "3", ui));
  EXPECT_EQ(form.fieldText(kShared), "0");
  EXPECT_EQ(form.sharedTower(1), 0);
  EXPECT_FALSE(form.editField(kShared, "-1", ui));
  EXPECT_TRUE(form.editField(kShared, "0", ui));
  EXPECT_FALSE(form.editField("Landing Construction Costs", "100000100", ui));
  EXPECT_EQ(form.constructionCost(1), 5000.0f);
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{
                               "message stop: ID number you entered does not exist!",
                               "message stop: ID number you entered does not exist!",
                               "message exclamation: Please enter a number between 0 and 100000000.",
                           }));
}

TEST(LandingInfoForm, OkResolvesSharedTowerCostsInIdOrder) {
  auto doc = landingsWithCosts(6);
  ScriptedUi ui;
  // Chain 3 -> 2 -> 1; landing 4 shares 2 although its own cost was typed; 5 shares 3.
  ui.queueAnswer({"Landing Info.", true,
                  {{"Landing Construction Costs", "7000"},
                   {"Landing ID", "2"}, {"Landing Construction Costs", "6000"}, {kShared, "1"},
                   {"Landing ID", "3"}, {"Landing Construction Costs", "5500"}, {kShared, "2"},
                   {"Landing ID", "4"}, {"Landing Construction Costs", "9999"}, {kShared, "2"},
                   {"Landing ID", "5"}, {kShared, "3"}}});
  EXPECT_EQ(openLandingInfoForm(*doc, ui, 1), FormResult::Ok);
  EXPECT_EQ(doc->landingConstructionCost[1], 7000.0f);
  EXPECT_EQ(doc->landingConstructionCost[2], 7000.0f);
  EXPECT_EQ(doc->landingConstructionCost[3], 7000.0f);
  EXPECT_EQ(doc->landingConstructionCost[4], 7000.0f);
  EXPECT_EQ(doc->landingConstructionCost[5], 7000.0f);
  EXPECT_EQ(doc->landingSharedTower[3], 2);

  // A landing that shares a later landing takes that landing's cost before it is resolved.
  auto later = landingsWithCosts(4);
  later->landingConstructionCost[1] = 7000.0f;
  later->landingConstructionCost[3] = 5500.0f;
  ui.queueAnswer({"Landing Info.", true, {{"Landing ID", "2"}, {kShared, "3"},
                                          {"Landing ID", "3"}, {kShared, "1"}}});
  EXPECT_EQ(openLandingInfoForm(*later, ui, 2), FormResult::Ok);
  EXPECT_EQ(later->landingConstructionCost[2], 5500.0f);
  EXPECT_EQ(later->landingConstructionCost[3], 7000.0f);
  EXPECT_TRUE(ui.messages().empty());
}

TEST(LandingInfoForm, LoopsAndCancelLeaveTheDocumentUnchanged) {
  auto doc = landingsWithCosts(4);
  doc->landingConstructionCost[1] = 6100.0f;
  const auto costs = doc->landingConstructionCost;
  const auto shared = doc->landingSharedTower;
  ScriptedUi ui;
  ui.queueAnswer({"Landing Info.", true, {{kShared, "2"}, {"Landing ID", "2"}, {kShared, "3"},
                                          {"Landing ID", "3"}, {kShared, "1"}}});
  ui.queueAnswer({"Landing Info.", true, {{"Landing ID", "2"}, {kShared, "2"}}});
  ui.queueAnswer({"Landing Info.", false, {{"Landing Construction Costs", "1"}, {kShared, "2"}}});
  EXPECT_EQ(openLandingInfoForm(*doc, ui, 1), FormResult::Cancel);
  EXPECT_EQ(openLandingInfoForm(*doc, ui, 1), FormResult::Cancel);
  EXPECT_EQ(openLandingInfoForm(*doc, ui, 1), FormResult::Cancel);
  EXPECT_EQ(doc->landingConstructionCost, costs);
  EXPECT_EQ(doc->landingSharedTower, shared);
  EXPECT_EQ(ui.messages(),
            (std::vector<std::string>{
                "message exclamation: The ID numbers of tower location sharing form a loop "
                "(1 -> 2 -> 3 -> 1). Please change one of them.",
                "message exclamation: The ID numbers of tower location sharing form a loop "
                "(2 -> 2). Please change one of them.",
            }));
}

TEST(DeleteLandingsForm, OnlyPlacedLandingsCanBeChosen) {
  DeleteLandingsForm form(5);
  ScriptedUi ui;
  EXPECT_EQ(form.fieldText("Landing ID"), "1");
  EXPECT_TRUE(form.editField("Landing ID", "3", ui));
  EXPECT_FALSE(form.editField("Landing ID", "7", ui));
  EXPECT_EQ(form.selectedLanding(), 3);
  EXPECT_TRUE(form.editField("Landing ID", "5", ui));
  EXPECT_TRUE(form.validateOnOk(ui));
  EXPECT_EQ(form.selectedLanding(), 5);

  DeleteLandingsForm none(0);
  EXPECT_FALSE(none.editField("Landing ID", "1", ui));
  EXPECT_FALSE(none.validateOnOk(ui));
  const std::string notAvailable =
      "message exclamation: The landing ID number that you just input is not available!";
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{notAvailable, notAvailable, notAvailable}));
}

}  // namespace
}  // namespace skyrig
