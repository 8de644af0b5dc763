#include "view/StatusTexts.h"

#include <cstdio>

#include "document/CSkyrigDoc.h"
#include "seams/Canvas.h"
#include "seams/Ui.h"
#include "view/AppContext.h"

namespace skyrig {

namespace {

std::string cellStatus(const CSkyrigDoc& doc, bool volumeShown, int c, int r,
                       const char* elevationFormat, const char* volumeFormat) {
  const DtmCell& cell = doc.dtm(c, r);
  char text[160];
  if (volumeShown)
    std::snprintf(text, sizeof text, volumeFormat, cell.x, cell.y,
                  static_cast<double>(doc.volumeGridOriginal(c, r)), c, r);
  else
    std::snprintf(text, sizeof text, elevationFormat, cell.x, cell.y, cell.z, c, r);
  return text;
}

}  // namespace

std::string movingStatus(const CSkyrigDoc& doc, bool volumeShown, int c, int r) {
  return cellStatus(doc, volumeShown, c, r, "x:%d  y:%d  z:%d  c:%d  r:%d      ",
                    "x:%d  y:%d  z:%.1f  c:%d  r:%d         ");
}

std::string releaseStatus(const CSkyrigDoc& doc, bool volumeShown, int c, int r) {
  return cellStatus(doc, volumeShown, c, r, "x:%d  y:%d  z:%d  c:%d  r:%d  ",
                    "x:%d  y:%d  z:%.1f  c:%d  r:%d        ");
}

std::string placedStatus(const CSkyrigDoc& doc, int c, int r) {
  const DtmCell& cell = doc.dtm(c, r);
  char text[96];
  std::snprintf(text, sizeof text, "x:%d  y:%d  z:%d", cell.x, cell.y, cell.z);
  return text;
}

std::string noDataStatus() { return "Data are not available..." + std::string(50, ' '); }

void showStatus(AppContext& app, std::string_view text) {
  app.ui.status(text);
  app.canvas.statusText(text);
}

}  // namespace skyrig
