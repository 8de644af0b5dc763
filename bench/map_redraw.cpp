// Show DEM of a full 699 x 699 grid into the retained map image: direct pixel fills against
// the QPainter fills they replace, on the same synthetic terrain, with the pictures compared.
#include <chrono>
#include <cstdio>

#ifdef SKYRIG_HAVE_PNG

#include "QImageCanvas.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/MapLayers.h"

namespace {

double secondsToDraw(const skyrig::CSkyrigDoc& doc, skyrig::CSkyrigView& view,
                     skyrig::QImageCanvas& canvas) {
  const auto start = std::chrono::steady_clock::now();
  skyrig::showDem(doc, view, canvas);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  using namespace skyrig;
  auto doc = makeDocument();
  CSkyrigView view;
  doc->ncols = doc->nrows = 699;
  doc->xll = 500000;
  doc->yll = 4000000;
  doc->cellSize = 10;
  doc->yMax = doc->yll + doc->cellSize * (doc->nrows - 1);
  for (int c = 1; c <= 699; ++c)
    for (int r = 1; r <= 699; ++r)
      doc->dtm(c, r) = {cellX(*doc, c), cellY(*doc, r), 100 + (c * 7 + r * 3) % 900};
  doc->minElevation = 100;
  doc->maxElevation = 999;

  QImageCanvas literal(3000, 3000);
  literal.literalFills = true;
  QImageCanvas direct(3000, 3000);
  const double literalSeconds = secondsToDraw(*doc, view, literal);
  const double directSeconds = secondsToDraw(*doc, view, direct);
  std::printf("cells filled:           %d\n", 699 * 699);
  std::printf("QPainter fills (s):     %.3f\n", literalSeconds);
  std::printf("direct fills (s):       %.3f\n", directSeconds);
  std::printf("speedup:                %.1f\n", literalSeconds / directSeconds);
  std::printf("identical pictures:     %s\n", literal.image() == direct.image() ? "yes" : "NO");
  return literal.image() == direct.image() ? 0 : 1;
}

#else

int main() {
  std::puts("map_redraw: this build has no image canvas");
  return 0;
}

#endif
