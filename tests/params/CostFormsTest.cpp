#include <gtest/gtest.h>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "params/OperationDataForm.h"
#include "params/ParamsFormOpening.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/RecordingCanvas.h"
#include "seams/ScriptedUi.h"
#include "view/CSkyrigView.h"

namespace skyrig {
namespace {

TEST(OperationDataForm, FromTheMenuEditsSystemOneWhenCurrentIsOutOfRange) {
  auto doc = makeDocument();
  for (int s = 1; s <= kCableSystemCount; ++s) doc->cableSystems[s] = defaultCableSystem(s);
  doc->landingCount = 3;
  const std::array<int, 4> systems{0, 1, 2, 1};
  for (int i = 1; i <= 3; ++i) {
    doc->landings[i].system = systems[i];
    doc->landingAnalysed[i] = 1;
  }
  doc->currentCableSystem = 7;
  ScriptedUi ui;
  ui.queueAnswer({"Operation data", true,
                  {{"Hook time", "42"}, {"Give up timber parcel if it is farther than", "80"}}});
  EXPECT_EQ(openOperationDataForm(*doc, ui), FormResult::Ok);
  EXPECT_EQ(doc->currentCableSystem, 1);
  EXPECT_EQ(doc->cableSystems[1].hookTime, 42.0f);
  EXPECT_EQ(doc->cableSystems[1].giveUpDistance, 80.0f);
  EXPECT_EQ(doc->cableSystems[1].parametersChanged, 0);
  EXPECT_EQ(doc->cableSystems[2], defaultCableSystem(2));
  EXPECT_EQ(doc->landingAnalysed[1], 0);
  EXPECT_EQ(doc->landingAnalysed[2], 1);
  EXPECT_EQ(doc->landingAnalysed[3], 0);
}

TEST(OperationDataForm, OkChecksEveryFieldAndTheThreeRanges) {
  const CableSystemParams generic = defaultCableSystem(4);
  struct Case {
    const char* label;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"Multiplier for beyond lateral yarding zone", "0.5",
       "Please enter a number between 1 and 1000000."},
      {"Give up timber parcel if it is farther than ", "-1",
       "Please enter a number between 0 and 1000000."},
      {"Delay time as a percentage of total time", "100.5",
       "Please enter a number between 0 and 100."},
      {"2/3 - 1 of LYD", "2x", "Please enter a number."},
  };
  for (const Case& c : cases) {
    OperationDataForm form(generic);
    ScriptedUi ui;
    EXPECT_TRUE(form.editField("Hook time", "1", ui));
    EXPECT_TRUE(form.editField(c.label, c.text, ui));
    EXPECT_FALSE(form.validateOnOk(ui)) << c.label;
    EXPECT_EQ(ui.messages(), std::vector<std::string>{std::string("message exclamation: ") + c.message});
    EXPECT_EQ(form.params(), generic);  // nothing taken from a refused form
  }
  OperationDataForm form(generic);
  ScriptedUi ui;
  EXPECT_FALSE(form.editField("Load factor", "0.5", ui));  // kept but not shown
  EXPECT_TRUE(form.editField("Multiplier for beyond lateral yarding zone", "1", ui));
  EXPECT_TRUE(form.editField("Delay time as a percentage of total time", "100", ui));
  EXPECT_TRUE(form.validateOnOk(ui));
  EXPECT_EQ(form.params().beyondLateralZoneMultiplier, 1.0f);
  EXPECT_EQ(form.params().delayPercent, 100.0f);
  EXPECT_EQ(form.params().loadFactor, 0.8f);
}

// Through the menu command, which must be bound.
TEST(RoadCostsForm, OkStoresAllValuesAndRefusesAStreamMultiplierBelowOne) {
  auto doc = makeDocument();
  auto view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths;
  FixedClock clock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};
  ui.queueAnswer({"Road and Transportation Costs", true,
                  {{"Hauling costs", "0.1"}, {"Multiplier for road cells on stream buffer", "0.5"}}});
  ASSERT_TRUE(runCommand("InputRoadCosts", app));
  EXPECT_EQ(doc->roadCosts, RoadCostParams{});
  EXPECT_EQ(ui.messages(), std::vector<std::string>{
                               "message exclamation: Please enter a number between 1 and 10000000."});

  ui.queueAnswer({"Road and Transportation Costs", true,
                  {{"> 30%", "25"}, {"15% - 30%", "0.95"}, {"Side slope limit", "0.8"},
                   {"Multiplier for road cells on stream buffer", "10000000"}}});
  ASSERT_TRUE(runCommand("InputRoadCosts", app));
  RoadCostParams expected;
  expected.gradeMultiplier[6] = 25.0f;
  expected.sideSlopeMultiplier[1] = 0.95f;
  expected.sideSlopeLimit = 0.8f;
  expected.streamCrossingMultiplier = 10000000.0f;
  EXPECT_EQ(doc->roadCosts, expected);
}

}  // namespace
}  // namespace skyrig
