// CSkyrigView: the map view's state (margins, zoom, palette, interaction modes) and the work
// areas of the analyses it runs. Drawing goes through a Canvas.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/CableWorkArea.h"
#include "document/LayersWorkArea.h"
#include "document/RunWorkArea.h"
#include "seams/Canvas.h"

namespace skyrig {

struct CSkyrigDoc;

inline constexpr int kPaletteSize = 41;

struct CSkyrigView {
  std::int32_t marginX = 100;  // m between the window origin and the grid's north-west corner
  std::int32_t marginY = 100;
  std::int32_t windowExtent = 5000;  // m of ground spanned by the reference extent
  std::array<Rgb, kPaletteSize> palette = makePalette();

  std::uint8_t placingLanding = 0;
  std::uint8_t pickingCableway = 0;
  std::uint8_t drawingBoundary = 0;
  std::uint8_t placingTimberExit = 0;
  std::uint8_t volumeShown = 0;
  std::uint8_t clumpingDone = 0;
  std::uint8_t leftButtonHeld = 0;  // between a left button press and its release

  // Where the profile check draws its picture; nullptr draws nothing (headless runs).
  Canvas* profileCanvas = nullptr;

  std::string resultFilePath;

  CableWorkArea cable;
  LayersWorkArea layers;
  RunWorkArea runs;

  static std::array<Rgb, kPaletteSize> makePalette();
};

// The view's initial update: restores the planning defaults of the document (parameter sets,
// road and landing costs, single values, paths) and clears the view's mode flags. Grids,
// landings, landingCount and currentCableSystem are not touched.
void initialUpdate(CSkyrigDoc& doc, CSkyrigView& view);

// The seven document paths the initial update sets, and the results file path it sets.
InputPaths defaultInputPaths();
inline constexpr std::string_view kDefaultResultFilePath =
    "E:/thesis/output/planningarea1/output/ResultFile.dat";

}  // namespace skyrig
