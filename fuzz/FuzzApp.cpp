#include "FuzzApp.h"

#include <unistd.h>

#include <fstream>

#include "document/OpenDtm.h"

namespace skyrig::fuzz {

namespace {

std::string terrainText() {
  std::string text =
      "ncols         12\nnrows         10\nxllcorner     500000\nyllcorner     4000000\n"
      "cellsize      10\nNODATA_value  -9999\n";
  for (int r = 1; r <= 10; ++r, text += "\n")
    for (int c = 1; c <= 12; ++c) text += std::to_string(500 + 3 * c - 2 * r) + " ";
  return text;
}

}  // namespace

FuzzApp::FuzzApp()
    : root(std::filesystem::temp_directory_path() /
           ("skyrig-fuzz-" + std::to_string(getpid()))) {
  std::filesystem::create_directories(root);
  paths.setRoot(root);
  initialUpdate(*doc, *view);
  loadTerrain();
}

std::string FuzzApp::writeInput(const std::string& name, const std::uint8_t* data,
                                std::size_t size) {
  std::ofstream(root / name, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return name;
}

void FuzzApp::loadTerrain() {
  const std::string text = terrainText();
  doc->paths.dtmPath =
      writeInput("terrain.dat", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  openDtm(*doc, paths, ui);
  ui.clearLog();
}

FuzzApp& fuzzApp() {
  static FuzzApp app;
  return app;
}

}  // namespace skyrig::fuzz
