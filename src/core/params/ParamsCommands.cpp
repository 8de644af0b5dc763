// Binds the parameter forms to the command table.
#include "params/ParamsCommands.h"

#include <algorithm>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "params/CableSystemForm.h"
#include "params/LandingInfoForm.h"
#include "params/OperationDataForm.h"
#include "params/RoadCostsForm.h"

namespace skyrig {

namespace {

void ensureCurrentCableSystem(CSkyrigDoc& doc) {
  if (doc.currentCableSystem < 1 || doc.currentCableSystem > kCableSystemCount)
    doc.currentCableSystem = 1;
}

}  // namespace

FormResult openCableSystemForm(CSkyrigDoc& doc, Ui& ui) {
  ensureCurrentCableSystem(doc);
  CableSystemForm form(doc.cableSystems, doc.currentCableSystem);
  const FormResult result = ui.runForm(form);
  if (result == FormResult::Ok) form.apply(doc);
  return result;
}

FormResult openOperationDataForm(CSkyrigDoc& doc, Ui& ui) {
  ensureCurrentCableSystem(doc);
  const int system = doc.currentCableSystem;
  OperationDataForm form(doc.cableSystems[system]);
  const FormResult result = ui.runForm(form);
  if (result != FormResult::Ok) return result;
  copyOperatingFigures(form.params(), doc.cableSystems[system]);
  const int count = std::clamp(doc.landingCount, 0, kMaxLandings);
  for (int i = 1; i <= count; ++i)
    if (doc.landings[i].system == system) doc.landingAnalysed[i] = 0;
  return result;
}

FormResult openRoadCostsForm(CSkyrigDoc& doc, Ui& ui) {
  RoadCostsForm form(doc.roadCosts);
  const FormResult result = ui.runForm(form);
  if (result == FormResult::Ok) doc.roadCosts = form.costs();
  return result;
}

FormResult openLandingInfoForm(CSkyrigDoc& doc, Ui& ui, int landingId) {
  LandingInfoForm form(doc, landingId);
  const FormResult result = ui.runForm(form);
  if (result == FormResult::Ok) form.apply(doc);
  return result;
}

void bindParamsCommands(CommandTable& table) {
  table.bind("InputCableSystem", [](AppContext& app) { openCableSystemForm(app.doc, app.ui); });
  table.bind("InputOperationData",
             [](AppContext& app) { openOperationDataForm(app.doc, app.ui); });
  table.bind("InputRoadCosts", [](AppContext& app) { openRoadCostsForm(app.doc, app.ui); });
  table.bind("InputLandingCosts",
             [](AppContext& app) { openLandingInfoForm(app.doc, app.ui, 1); });
}

}  // namespace skyrig
