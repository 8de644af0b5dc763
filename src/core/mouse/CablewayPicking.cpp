#include "mouse/CablewayPicking.h"

#include <algorithm>

#include "cable/ProfileCheckOpening.h"
#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

void openProfileChecksAt(AppContext& app, int c, int r) {
  const int count = std::clamp(app.doc.landingCount, 0, kMaxLandings);
  for (int i = 1; i <= count; ++i) {
    const int system = app.doc.landings[i].system;
    if (system < 1 || system > kCableSystemCount) continue;
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const CablewayRecord& road = app.doc.cableways[i][j];
      if (road.endCol == c && road.endRow == r) {
        openProfileCheck(app, i, system, j);
        break;
      }
    }
  }
}

}  // namespace skyrig
