// Opens the parameter forms on the document and applies their effects on OK.
#include "params/ParamsFormOpening.h"

#include <algorithm>

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

}  // namespace skyrig
