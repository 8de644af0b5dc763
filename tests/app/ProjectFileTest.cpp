#include <gtest/gtest.h>

#include "app/ProjectFile.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig {
namespace {

std::string errorOf(const std::string& text) {
  ProjectSettings settings;
  std::string error;
  EXPECT_FALSE(parseProjectFile(text, "/p", settings, error)) << text;
  return error;
}

TEST(ProjectFile, AppliesOverridesByFieldName) {
  ProjectSettings settings;
  std::string error;
  ASSERT_TRUE(parseProjectFile(R"({
      "workspaceRoot": "ws",
      "paths": {"dtmPath": "/data/dem.asc", "resultFilePath": "out/r.dat"},
      "cableSystems": {"2": {"towerHeight": 9.5, "maxIntSupports": 3, "name": "K 300",
                             "haulbackLine": true}},
      "roadCosts": {"haulingCost": 0.1, "gradeMultiplier": [1, 2, 3, 4, 5, 6, 7]},
      "landingConstructionCosts": {"4": 7000},
      "timberExits": [{"col": 12, "row": 1}],
      "runs": {"separate": true, "allAtOnce": true, "improve": true}
    })", "/p", settings, error)) << error;
  EXPECT_EQ(settings.workspaceRoot, std::filesystem::path("/p/ws"));
  ASSERT_EQ(settings.timberExits.size(), 1u);
  EXPECT_EQ(settings.timberExits[0], (CellPoint{12, 1}));
  EXPECT_TRUE(settings.runAllAtOnce);
  EXPECT_TRUE(settings.runImprove);

  auto doc = makeDocument();
  CSkyrigView view;
  initialUpdate(*doc, view);
  applyProjectSettings(settings, *doc, view);
  EXPECT_EQ(doc->paths.dtmPath, "/data/dem.asc");
  EXPECT_EQ(view.resultFilePath, "out/r.dat");
  EXPECT_EQ(doc->cableSystems[2].towerHeight, 9.5f);
  EXPECT_EQ(doc->cableSystems[2].maxIntSupports, 3);
  EXPECT_EQ(doc->cableSystems[2].name, "K300");  // blanks removed, as the form does
  EXPECT_EQ(doc->cableSystems[2].haulbackLine, 1);
  EXPECT_EQ(doc->cableSystems[1], defaultCableSystem(1));
  EXPECT_EQ(doc->roadCosts.haulingCost, 0.1f);
  EXPECT_EQ(doc->roadCosts.gradeMultiplier[6], 7.0f);
  EXPECT_EQ(doc->landingConstructionCost[4], 7000.0f);
}

TEST(ProjectFile, BadFilesNameTheKeyPath) {
  EXPECT_NE(errorOf("{\"paths\": {\"dtmPath\": \"a\",}}").find("not valid JSON: line 1"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystem\": {}}").find("cableSystem"), std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystems\": {\"2\": {\"towerHight\": 3}}}")
                .find("cableSystems.2.towerHight"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystems\": {\"6\": {}}}").find("cableSystems.6"), std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystems\": {\"1\": {\"maxIntSupports\": 21}}}")
                .find("cableSystems.1.maxIntSupports (line 1): must be a number between 0 and 20"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystems\": {\"1\": {\"maxIntSupports\": 2.5}}}").find("integer"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystems\": {\"1\": {\"towerHeight\": \"12\"}}}")
                .find("expected a number, found a string"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"roadCosts\": {\"streamCrossingMultiplier\": 0.5}}")
                .find("roadCosts.streamCrossingMultiplier"),
            std::string::npos);
  // Where the forms take any number, a magnitude of a billion or more is a typing error that
  // would overflow the analyses' single-precision costs.
  EXPECT_NE(errorOf("{\"roadCosts\": {\"gradeMultiplier\": [1, 1, 1, 1e30, 1, 1, 1]}}")
                .find("roadCosts.gradeMultiplier[3] (line 1): must be a number between -1000000000 and 1000000000"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"cableSystems\": {\"2\": {\"hourlyCost\": -2e9}}}")
                .find("cableSystems.2.hourlyCost"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"roadCosts\": {\"gradeMultiplier\": [1, 2]}}").find("7 numbers"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"timberExits\": [{\"col\": 3}]}").find("timberExits[0]"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"runs\": {\"separate\": 1}}").find("runs.separate"), std::string::npos);
  EXPECT_NE(errorOf("{\n\"runs\": {},\n\"runs\": {}}").find("line 3"), std::string::npos);
}

TEST(ProjectFile, NumberedKeysAreReadWithoutSignsOrBlanks) {
  // The key names the system or landing; the value's own key path must stay readable after the
  // check (the number used to be read from a destroyed temporary).
  ProjectSettings settings;
  std::string error;
  ASSERT_TRUE(parseProjectFile(R"({"cableSystems": {"5": {"towerHeight": 8}},
                                   "landingConstructionCosts": {"90": 1, "1": 2}})",
                               "/p", settings, error))
      << error;
  EXPECT_EQ(settings.cableSystemValues[5]["towerHeight"], 8.0);
  EXPECT_EQ(settings.landingConstructionCosts[90], 1.0f);
  for (const char* key : {"02", "+2", " 2", "2 ", "", "0", "91", "99999999999999999999"})
    EXPECT_NE(errorOf(std::string("{\"landingConstructionCosts\": {\"") + key + "\": 1}}")
                  .find("key must be a number from 1 to 90"),
              std::string::npos)
        << key;
}

TEST(ProjectFile, ErrorsNameTheLineOfTheValue) {
  // A number is only known to end at the character after it: a line end there must not count.
  EXPECT_NE(errorOf("{\"cableSystems\":\n {\"1\": {\"maxIntSupports\": 21\n}}}")
                .find("cableSystems.1.maxIntSupports (line 2)"),
            std::string::npos);
  EXPECT_NE(errorOf("{\n\n\"runs\": {\"separate\": null}}").find("runs.separate (line 3)"),
            std::string::npos);
  EXPECT_NE(errorOf("{\n\"paths\": [\n1]}").find("paths (line 2): expected an object"),
            std::string::npos);
  EXPECT_NE(errorOf("{\"a\": \"x\ny\"}").find("not valid JSON: line 1"), std::string::npos);
  EXPECT_NE(errorOf(std::string(100, '[') + std::string(100, ']')).find("nesting too deep"),
            std::string::npos);
}

TEST(ProjectFile, DuplicateKeyFoundAmongManyKeys) {
  std::string text = "{\"landingConstructionCosts\": {\"k0\": 0";
  for (int i = 1; i < 64000; ++i) text += ",\n\"k" + std::to_string(i) + "\": 0";
  text += ",\n\"k17\": 0}}";
  EXPECT_NE(errorOf(text).find("line 64001: key \"k17\" appears twice"), std::string::npos);
}

TEST(ProjectFile, MissingFileGivesTheDefaults) {
  ProjectSettings settings;
  settings.runAllAtOnce = true;
  std::string error;
  ASSERT_TRUE(readProjectFile("/nonexistent-project-folder", settings, error));
  EXPECT_FALSE(settings.runAllAtOnce);
  EXPECT_TRUE(settings.runSeparate);
  EXPECT_EQ(settings.workspaceRoot, std::filesystem::path("/nonexistent-project-folder"));
}

}  // namespace
}  // namespace skyrig
