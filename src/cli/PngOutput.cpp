#include "PngOutput.h"

#include "view/Canvas.h"

namespace skyrig::cli {

std::unique_ptr<Canvas> makeMapCanvas() { return std::make_unique<NullCanvas>(); }

bool writePng(Canvas& /*canvas*/, const std::string& /*file*/, std::string& error) {
  error = "this build cannot write PNG files";
  return false;
}

}  // namespace skyrig::cli
