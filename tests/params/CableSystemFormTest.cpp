#include <gtest/gtest.h>

#include <array>

#include "document/CSkyrigDoc.h"
#include "params/CableSystemForm.h"
#include "params/ParamsFormOpening.h"
#include "seams/ScriptedUi.h"

namespace skyrig {
namespace {

// Five landings on systems 1, 2, 2, 3, 2, all analysed.
std::unique_ptr<CSkyrigDoc> planWithFiveLandings() {
  auto doc = makeDocument();
  for (int s = 1; s <= kCableSystemCount; ++s) doc->cableSystems[s] = defaultCableSystem(s);
  const std::array<int, 5> systems{1, 2, 2, 3, 2};
  for (int i = 1; i <= 5; ++i) {
    doc->landings[i] = Landing{10 * i, 20, systems[i - 1]};
    doc->landingAnalysed[i] = 1;
  }
  doc->landingCount = 5;
  return doc;
}

std::array<int, 6> analysedFlags(const CSkyrigDoc& doc) {
  std::array<int, 6> flags{};
  for (int i = 1; i <= 5; ++i) flags[i] = doc.landingAnalysed[i];
  return flags;
}

TEST(CableSystemDefaults, MatchTheTableOfAllFiveSystems) {
  // Fields 0..21 and 24..47 (22 and 23 are not floats); columns: generic, systems 1, 2, 3.
  const std::array<std::array<float, 4>, 48> expected{{
      {300, 600, 300, 610}, {50, 50, 30, 61}, {12, 15, 7, 27}, {12, 12, 8, 18},
      {15, 15, 15, 18}, {12, 12, 12, 18}, {10000, 12000, 5000, 32700},
      {10000, 6200, 2200, 11800}, {1.5f, 2.1f, 0.9f, 6.15f}, {1.2f, 1.1f, 0.4f, 2.1f},
      {0.9f, 0.7f, 0.4f, 0.4f}, {180, 750, 150, 1785}, {3.0f, 3.0f, 2.5f, 2.5f},
      {0.7f, 1.0f, 0.7f, 1.2f}, {12, 12, 12, 12.5f}, {0.3f, 0.3f, 0.3f, 0.9f},
      {0.17453289f, 0.17453289f, 0.17453289f, 0.17453289f}, {0.6f, 0.6f, 0.6f, 0.6f},
      {6, 6, 6, 6}, {0.07f, 0.07f, 0.07f, 0.07f}, {-20, -10, -10, -10}, {50, 45, 45, 45},
      {}, {},
      {700, 700, 700, 860}, {0.65f, 0.65f, 0.65f, 0.7f}, {300, 230, 65, 450}, {60, 30, 30, 30},
      {200, 200, 60, 1000}, {30, 10, 10, 10}, {300, 465, 160, 522}, {20, 20, 20, 15},
      {15, 3.5f, 3.5f, 3.5f}, {3000, 465, 160, 1500}, {4, 4, 1, 8}, {1, 1, 1, 1.2f},
      {3000, 7500, 3000, 15000}, {1000, 2500, 1000, 6000}, {0.8f, 0.8f, 0.8f, 0.8f},
      {5, 3, 1, 4}, {15, 4, 2, 10}, {20, 5, 3, 5}, {1.0f, 0.33f, 0.17f, 0.33f},
      {10, 10, 10, 10}, {1, 1, 1, 1}, {1.5f, 1.5f, 1.5f, 1.5f}, {2, 2, 2, 2},
      {150, 100, 60, 122},
  }};
  const std::array<int, 6> column{0, 1, 2, 3, 0, 0};  // systems 4 and 5 are generic
  const std::array<const char*, 6> names{"?", "MADILL6150", "KOLLER-300", "TY-290    ", "?", "?"};
  const std::array<int, 6> maxSupports{5, 2, 2, 2, 5, 5};
  for (int s = 1; s <= kCableSystemCount; ++s) {
    const CableSystemParams p = defaultCableSystem(s);
    SCOPED_TRACE(s);
    EXPECT_EQ(p.name, names[s]);
    for (int n = 0; n < 48; ++n)
      if (n != 22 && n != 23) {
        EXPECT_EQ(*cableSystemFloatField(p, n), expected[n][column[s]]) << n;
      }
    EXPECT_EQ(p.maxIntSupports, maxSupports[s]);
    EXPECT_EQ(p.haulbackLine, s == 1 ? 1 : 0);
    EXPECT_EQ(p.parametersChanged + p.englishUnits + p.downhillAvailable, 0);
  }
  // 10 degrees with pi = 3.141592, not the float nearest to 0.1745329.
  EXPECT_EQ(defaultCableSystem(3).logToGroundAngle, 0.17453289f);
  EXPECT_NE(defaultCableSystem(3).logToGroundAngle, 0.1745329f);
  EXPECT_EQ(defaultCableSystem(9), defaultCableSystem(4));
}

TEST(CableSystemForm, OkMarksOnlyTheEditedSystemsLandingsNotAnalysed) {
  auto doc = planWithFiveLandings();
  doc->cableSystems[3].parametersChanged = 1;  // flagged earlier: the form's copy clears it
  ScriptedUi ui;
  ui.queueAnswer({"Cable System", true, {{"Cable system", "2"}, {"Tower height", "9.5"}}});
  EXPECT_EQ(openCableSystemForm(*doc, ui), FormResult::Ok);
  EXPECT_EQ(doc->cableSystems[2].towerHeight, 9.5f);
  EXPECT_EQ(doc->cableSystems[2].parametersChanged, 1);
  EXPECT_EQ(doc->cableSystems[3].parametersChanged, 0);
  EXPECT_EQ(doc->currentCableSystem, 2);
  EXPECT_EQ(analysedFlags(*doc), (std::array<int, 6>{0, 1, 0, 0, 1, 0}));
  EXPECT_TRUE(ui.messages().empty());
}

TEST(CableSystemForm, NameOnlyChangeDropsBlanksAndClearsNothing) {
  auto doc = planWithFiveLandings();
  doc->currentCableSystem = 0;
  ScriptedUi ui;
  ui.queueAnswer({"Cable System", true, {{"Name", "MADILL 6150 B"}}});
  EXPECT_EQ(openCableSystemForm(*doc, ui), FormResult::Ok);
  EXPECT_EQ(doc->cableSystems[1].name, "MADILL6150B");
  EXPECT_EQ(doc->currentCableSystem, 1);
  EXPECT_EQ(analysedFlags(*doc), (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
}

TEST(CableSystemForm, CancelDiscardsEditsOfEverySystem) {
  auto doc = planWithFiveLandings();
  doc->currentCableSystem = 3;
  const CableSystemSets before = doc->cableSystems;
  ScriptedUi ui;
  ui.queueAnswer({"Cable System", false,
                  {{"Cable system", "2"}, {"Tower height", "9"}, {"Haulbackline", "1"},
                   {"Cable system", "3"}, {"Max. skyline tension", "30000"}, {"Name", "X"}}});
  EXPECT_EQ(openCableSystemForm(*doc, ui), FormResult::Cancel);
  EXPECT_EQ(doc->cableSystems, before);
  EXPECT_EQ(doc->currentCableSystem, 3);
  EXPECT_EQ(analysedFlags(*doc), (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
}

TEST(CableSystemForm, EveryKeystrokeIsValidatedAndRefusedTextsHoldTheForm) {
  auto doc = planWithFiveLandings();
  CableSystemForm form(doc->cableSystems, 2);
  ScriptedUi ui;
  EXPECT_FALSE(form.editField("Max. # of INT. support", "21", ui));
  EXPECT_EQ(form.system(2).maxIntSupports, 2);
  EXPECT_TRUE(form.editField("Max. # of INT. support", "20", ui));
  EXPECT_FALSE(form.editField("Tower height", "", ui));  // emptied while retyping
  EXPECT_EQ(form.system(2).towerHeight, 7.0f);
  EXPECT_FALSE(form.editField("Cable system", "3", ui));  // the empty field holds the form
  EXPECT_FALSE(form.validateOnOk(ui));
  EXPECT_EQ(form.selectedSystem(), 2);
  EXPECT_TRUE(form.editField("Tower height", "8", ui));
  EXPECT_FALSE(form.editField("Name", "ABCDEFGHIJ KLMNOPQRST", ui));
  EXPECT_EQ(form.system(2).name, "KOLLER-300");
  EXPECT_TRUE(form.editField("Name", "KOLLER 300", ui));
  // Only systems 1..5 exist: any other choice is refused and the selection stays.
  EXPECT_FALSE(form.editField("Cable system", "7", ui));
  EXPECT_TRUE(form.editField("Cable system", "3", ui));
  EXPECT_EQ(form.fieldText("Tower height"), "27");
  EXPECT_EQ(form.fieldText("Name"), "TY-290    ");
  EXPECT_TRUE(form.validateOnOk(ui));
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{
                               "message exclamation: Please enter an integer between 0 and 20.",
                               "message exclamation: Please enter a number.",
                               "message exclamation: Please enter a number.",
                               "message exclamation: Please enter a number.",
                               "message exclamation: Please enter no more than 20 characters.",
                               "message exclamation: Please enter an integer between 1 and 5.",
                           }));
  EXPECT_EQ(form.system(2).towerHeight, 8.0f);
  EXPECT_EQ(form.system(2).maxIntSupports, 20);
  EXPECT_EQ(form.system(2).name, "KOLLER300");
  EXPECT_EQ(form.system(3).parametersChanged, 0);
}

TEST(CableSystemForm, OperationDataButtonEditsTheSelectedSystemInTheCopy) {
  auto doc = planWithFiveLandings();
  ScriptedUi ui;
  ui.queueAnswer({"Cable System", true, {{"Cable system", "3"}, {"Input more operation data", ""}}});
  ui.queueAnswer({"Operation data", true, {{"Hook time", "45"}, {"Cable road change", "1.5"}}});
  EXPECT_EQ(openCableSystemForm(*doc, ui), FormResult::Ok);
  EXPECT_EQ(doc->cableSystems[3].hookTime, 45.0f);
  EXPECT_EQ(doc->cableSystems[3].roadChangeHours, 1.5f);
  EXPECT_EQ(doc->cableSystems[3].towerHeight, 27.0f);
  EXPECT_EQ(analysedFlags(*doc), (std::array<int, 6>{0, 1, 1, 1, 0, 1}));

  // Refused operation data (delay above 100 %) and a cancelled form change nothing.
  auto other = planWithFiveLandings();
  ui.queueAnswer({"Cable System", true, {{"Input more operation data", ""}, {"Input more operation data", ""}}});
  ui.queueAnswer({"Operation data", true, {{"Delay time as a percentage of total time", "101"}}});
  ui.queueAnswer({"Operation data", false, {{"Hook time", "1"}}});
  ui.clearLog();
  EXPECT_EQ(openCableSystemForm(*other, ui), FormResult::Ok);
  EXPECT_EQ(other->cableSystems[1], defaultCableSystem(1));
  EXPECT_EQ(analysedFlags(*other), (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{
                               "message exclamation: Please enter a number between 0 and 100."}));
}

}  // namespace
}  // namespace skyrig
