// Map pictures for the headless runner: a canvas over a retained image and its PNG output.
#pragma once

#include <memory>
#include <string>

namespace skyrig {
class Canvas;
}

namespace skyrig::cli {

// A canvas that keeps the picture (a NullCanvas when the build has no image support).
std::unique_ptr<Canvas> makeMapCanvas();
// True when this build can write PNG pictures.
bool canWritePictures();
// Writes the canvas picture as PNG; false with a reason in `error` when it cannot.
bool writePng(Canvas& canvas, const std::string& file, std::string& error);

}  // namespace skyrig::cli
