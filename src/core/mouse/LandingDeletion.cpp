#include "mouse/LandingDeletion.h"

#include "document/CSkyrigDoc.h"
#include "params/DeleteLandingsForm.h"
#include "seams/Ui.h"
#include "view/AppContext.h"

namespace skyrig {

void moveLandingSlot(CSkyrigDoc& doc, int from, int to) {
  doc.landings[to] = doc.landings[from];
  doc.landingConstructionCost[to] = doc.landingConstructionCost[from];
  doc.landingSharedTower[to] = doc.landingSharedTower[from];
  doc.landingAnalysed[to] = doc.landingAnalysed[from];
  doc.cableways[to] = doc.cableways[from];
  doc.cablewayMinPayload[to] = doc.cablewayMinPayload[from];
  // The cycle time and tail spar height of a road belong to the landing as much as its end
  // and payload do, so they move with it.
  doc.cablewayCycleTime[to] = doc.cablewayCycleTime[from];
  doc.tailSparHeight[to] = doc.tailSparHeight[from];
  doc.profilePayload[to] = doc.profilePayload[from];
  doc.profileCycleTime[to] = doc.profileCycleTime[from];
}

bool deleteLanding(CSkyrigDoc& doc, int landing) {
  if (landing < 1 || landing > doc.landingCount || doc.landingCount > kMaxLandings) return false;
  if (landing == doc.landingCount) {
    moveLandingSlot(doc, 0, landing);
  } else {
    for (int i = landing; i <= doc.landingCount - 1; ++i) {
      moveLandingSlot(doc, i + 1, i);
      moveLandingSlot(doc, 0, i + 1);
    }
  }
  --doc.landingCount;
  return true;
}

void deleteLandingByForm(AppContext& app) {
  DeleteLandingsForm form(app.doc.landingCount);
  if (app.ui.runForm(form) == FormResult::Ok) deleteLanding(app.doc, form.selectedLanding());
}

}  // namespace skyrig
