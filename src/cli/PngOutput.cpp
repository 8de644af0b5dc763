#include "PngOutput.h"

#include "seams/Canvas.h"

#ifdef SKYRIG_HAVE_PNG
#include "QImageCanvas.h"
#endif

namespace skyrig::cli {

#ifdef SKYRIG_HAVE_PNG

bool canWritePictures() { return true; }

// The runner's window shows the view's reference extent: 2000 x 2000 pixels.
std::unique_ptr<Canvas> makeMapCanvas() {
  return std::make_unique<QImageCanvas>(kReferencePixels, kReferencePixels);
}

bool writePng(Canvas& canvas, const std::string& file, std::string& error) {
  auto* picture = dynamic_cast<QImageCanvas*>(&canvas);
  if (picture == nullptr) {
    error = "the canvas keeps no picture";
    return false;
  }
  if (!picture->savePng(file)) {
    error = "the file cannot be written";
    return false;
  }
  return true;
}

#else

bool canWritePictures() { return false; }

std::unique_ptr<Canvas> makeMapCanvas() { return std::make_unique<NullCanvas>(); }

bool writePng(Canvas& /*canvas*/, const std::string& /*file*/, std::string& error) {
  error = "this build cannot write PNG files";
  return false;
}

#endif

}  // namespace skyrig::cli
