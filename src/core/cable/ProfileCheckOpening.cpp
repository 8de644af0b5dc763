#include "cable/ProfileCheckOpening.h"

#include "app/AppContext.h"
#include "app/Ui.h"
#include "cable/ProfileCheckForm.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

// Samples the road's ground profile into the dialog's copy. The profile sampling of the cable
// road model is connected here when it is part of the build; until then the copy is empty.
void sampleProfileCopy(AppContext& /*app*/, ProfileCheckData& data) { data.sampledCount = 0; }

}  // namespace

void openProfileCheck(AppContext& app, int landing, int system, int road) {
  if (system < 1 || system > kCableSystemCount) return;
  const CSkyrigDoc& doc = app.doc;
  ProfileCheckData data;
  data.landing = landing;
  data.road = road;
  data.system = system;
  sampleProfileCopy(app, data);
  data.tailPoint = doc.cableways[landing][road].pointCount;
  data.params = doc.cableSystems[system];
  data.tailSparHeight = startingTailSparHeight(doc.tailSparHeight[landing][road], data.params);
  NullCanvas noPicture;
  Canvas& picture = app.view.profileCanvas != nullptr ? *app.view.profileCanvas : noPicture;
  ProfileCheckForm form(data, picture, app.paths);
  app.ui.runForm(form);
}

}  // namespace skyrig
