// Opening the parameter forms on the document: each builds its form from the document, runs it
// through the Ui and applies its effects on OK. The menu commands and the landing placement
// call these.
#pragma once

#include "seams/Ui.h"

namespace skyrig {

struct CSkyrigDoc;

// "Cable System": opens on currentCableSystem (set to 1 first when outside 1..5).
FormResult openCableSystemForm(CSkyrigDoc& doc, Ui& ui);
// "Operation data" from the menu: edits system currentCableSystem (set to 1 first when outside
// 1..5); OK marks that system's landings not analysed.
FormResult openOperationDataForm(CSkyrigDoc& doc, Ui& ui);
// "Road and Transportation Costs".
FormResult openRoadCostsForm(CSkyrigDoc& doc, Ui& ui);
// "Landing Info." with `landingId` selected.
FormResult openLandingInfoForm(CSkyrigDoc& doc, Ui& ui, int landingId);

}  // namespace skyrig
