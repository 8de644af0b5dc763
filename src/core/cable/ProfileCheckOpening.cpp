#include "cable/ProfileCheckOpening.h"

#include "cable/GroundProfile.h"
#include "cable/ProfileCheckForm.h"
#include "document/CSkyrigDoc.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

void openProfileCheck(AppContext& app, int landing, int system, int road) {
  if (landing < 0 || landing > kMaxLandings || system < 1 || system > kCableSystemCount ||
      road < 0 || road >= kCablewaysPerLanding)
    return;
  CSkyrigDoc& doc = app.doc;
  CableWorkArea& view = app.view.cable;
  sampleProfile(doc, view, landing, system, road);

  ProfileCheckData data;
  data.landing = landing;
  data.road = road;
  data.system = system;
  data.params = doc.cableSystems[system];
  data.tailSparHeight = startingTailSparHeight(doc.tailSparHeight[landing][road], data.params);
  data.work.profile = view.profile;
  data.work.sampledCount = view.sampledCount;
  data.work.analysedCount = doc.cableways[landing][road].pointCount;

  NullCanvas noPicture;
  Canvas& picture = app.view.profileCanvas != nullptr ? *app.view.profileCanvas : noPicture;
  ProfileCheckForm form(data, picture, app.paths);
  app.ui.runForm(form);
}

}  // namespace skyrig
