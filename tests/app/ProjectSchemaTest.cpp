// The parameter tables drive the project file: its schema, its reader and the forms agree.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/ProjectFile.h"
#include "app/ProjectSchema.h"
#include "document/CSkyrigDoc.h"
#include "params/CableSystemForm.h"
#include "document/CableSystemTable.h"
#include "params/FieldText.h"
#include "params/OperationDataForm.h"
#include "document/RoadCostTable.h"
#include "params/RoadCostsForm.h"
#include "view/CSkyrigView.h"

namespace skyrig {
namespace {

TEST(ProjectSchema, CommittedSchemaIsGeneratedFromTheTables) {
  std::ifstream in(SKYRIG_SOURCE_DIR "/docs/skyrig.schema.json", std::ios::binary);
  std::ostringstream committed;
  committed << in.rdbuf();
  EXPECT_EQ(committed.str(), projectFileSchema())
      << "regenerate it: skyrig-cli schema > docs/skyrig.schema.json";
}

// A value for each field that its range accepts and that no other field gets.
double valueFor(int number, const ParameterRange& range) {
  return range.bounded ? range.low + number % 10 + 1 : number + 0.5;
}

TEST(ParameterTables, EveryParameterIsReadByNameIntoItsFieldAndShownByItsForm) {
  std::ostringstream text;
  text << R"({"crs": "EPSG:26910", "runs": {"improve": true}, "cableSystems": {"2": {)";
  for (const CableParameter& p : cableParameters())
    text << '"' << p.name << "\": " << valueFor(p.number, p.range) << ", ";
  for (const CableFlag& f : cableFlags()) text << '"' << f.name << "\": true, ";
  text << R"("name": "X"}}, "roadCosts": {)";
  for (int n = 0; n < kRoadCostFieldCount; ++n) {
    const RoadCostParameter& p = roadCostParameter(n);
    if (p.index > 0) continue;
    text << (n == 0 ? "" : ", ") << '"' << p.name << "\": ";
    if (p.index < 0) {
      text << valueFor(n, p.range);
      continue;
    }
    for (int k = 0; k < 7; ++k) text << (k == 0 ? "[" : ", ") << valueFor(n + k, p.range);
    text << "]";
  }
  text << "}}";

  ProjectSettings settings;
  std::string error;
  ASSERT_TRUE(parseProjectFile(text.str(), "/p", settings, error)) << error << "\n" << text.str();
  EXPECT_EQ(settings.crs, "EPSG:26910");
  EXPECT_TRUE(settings.runImprove);
  auto doc = makeDocument();
  CSkyrigView view;
  initialUpdate(*doc, view);
  applyProjectSettings(settings, *doc, view);

  const CableSystemParams& set = doc->cableSystems[2];
  CableSystemForm cableForm(doc->cableSystems, 2);
  OperationDataForm operationForm(set);
  for (const CableParameter& p : cableParameters()) {
    SCOPED_TRACE(p.name);
    const double expected = valueFor(p.number, p.range);
    const float* value = cableSystemFloatField(set, p.number);
    EXPECT_EQ(value ? *value : static_cast<float>(set.maxIntSupports), static_cast<float>(expected));
    const std::string shown = p.form == CableForm::CableSystem ? cableForm.fieldText(p.label)
                              : p.form == CableForm::OperationData ? operationForm.fieldText(p.label)
                                                                   : formatNumber(*value);
    EXPECT_EQ(shown, formatNumber(static_cast<float>(expected)));
  }
  for (const CableFlag& f : cableFlags()) EXPECT_EQ(set.*f.member, 1) << f.name;
  EXPECT_EQ(doc->cableSystems[1], defaultCableSystem(1));

  RoadCostsForm roadForm(doc->roadCosts);
  for (const RoadCostParameter& p : roadCostParameters()) {
    SCOPED_TRACE(p.label);
    const auto expected = static_cast<float>(valueFor(p.number, p.range));
    EXPECT_EQ(roadCostField(doc->roadCosts, p.number), expected);
    EXPECT_EQ(roadForm.fieldText(p.label), formatNumber(expected));
  }
}

TEST(ParameterTables, RangesOfTheTableBindTheFormsAndTheProjectFile) {
  for (const CableParameter& p : cableParameters()) {
    if (!p.range.bounded) continue;
    SCOPED_TRACE(p.name);
    ProjectSettings settings;
    std::string error;
    std::ostringstream text;
    text << R"({"cableSystems": {"3": {")" << p.name << "\": " << std::to_string(p.range.high + 1) << "}}}";
    EXPECT_FALSE(parseProjectFile(text.str(), "/p", settings, error));
    EXPECT_NE(error.find("must be a number between " + formatNumber(p.range.low) + " and " +
                         formatNumber(p.range.high)),
              std::string::npos)
        << error;
  }
  // The defaults are the table's: every default set is accepted by the reader's ranges.
  for (int s = 1; s <= kCableSystemCount; ++s) {
    const CableSystemParams defaults = defaultCableSystem(s);
    for (const CableParameter& p : cableParameters())
      if (p.range.bounded) {
        const float* value = cableSystemFloatField(defaults, p.number);
        const double v = value ? *value : defaults.maxIntSupports;
        EXPECT_TRUE(v >= p.range.low && v <= p.range.high) << p.name;
      }
  }
}

}  // namespace
}  // namespace skyrig
