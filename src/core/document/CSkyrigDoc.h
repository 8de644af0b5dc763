// CSkyrigDoc: the one in-memory store of a planning project. Owns every grid and design table
// with the fixed capacities and 1-based indexing of the system; other subsystems read and
// write these tables directly.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "document/CableSystemParams.h"
#include "document/ContourStore.h"
#include "document/Georeference.h"
#include "document/Grid.h"
#include "document/NetworkTables.h"
#include "document/Records.h"
#include "document/RoadCostParams.h"
#include "document/SolverTables.h"

namespace skyrig {

inline constexpr int kMaxLandings = 90;        // ids 1..90, slot 0 = trial landing
inline constexpr int kLandingSlots = 91;
inline constexpr int kCablewaysPerLanding = 36;  // roads 0..35
inline constexpr int kCablewaySlots = 37;        // slot 36 holds no road
inline constexpr int kMaxProfilePoints = 100;    // points 1..100
inline constexpr int kProfileSlots = 101;
inline constexpr int kBoundarySlots = 50;   // points 1..49
inline constexpr int kMaxBoundaryPoints = 49;
inline constexpr int kTimberExitSlots = 20;  // exits 1..19
inline constexpr int kMaxTimberExits = 19;

template <typename T>
using PerLanding = std::array<T, kLandingSlots>;
template <typename T>
using PerCableway = std::array<std::array<T, kCablewaySlots>, kLandingSlots>;
template <typename T>
using PerProfilePoint =
    std::array<std::array<std::array<T, kProfileSlots>, kCablewaySlots>, kLandingSlots>;

// The seven input file paths, in the order the document keeps them.
struct InputPaths {
  std::string dtmPath;
  std::string volumePath;
  std::string streamPath;
  std::string roadPath;
  std::string boundaryPath;
  std::string landingsPath;
  std::string cablewaysPath;
  friend bool operator==(const InputPaths&, const InputPaths&) = default;
};

struct CSkyrigDoc {
  // Grid geometry, set by Open DTM.
  std::int32_t ncols = 0;
  std::int32_t nrows = 0;
  std::int32_t xll = 0;  // x of column 1
  std::int32_t yll = 0;  // y of row nrows
  std::int32_t minElevation = 0;
  std::int32_t xMax = 0;
  std::int32_t yMax = 0;  // y of row 1
  std::int32_t maxElevation = 0;
  std::int32_t cellSize = 0;

  Grid<DtmCell> dtm;
  Grid<float> volumeGrid;          // working copy (clumping, networks, results)
  Grid<float> volumeGridOriginal;  // as loaded and aligned
  Grid<std::uint16_t> streamGrid;
  Grid<std::uint16_t> streamBufferGrid;
  Grid<std::uint16_t> roadGrid;
  Grid<std::uint16_t> harvestUnitGrid;
  Grid<std::uint8_t> unitCellFlags;

  std::uint16_t streamBufferWidth = 0;  // m
  std::uint16_t chokerLength = 0;       // m
  std::int32_t contourInterval = 0;     // m
  ContourStore contours;

  UnitBox unitBox;

  std::array<CellPoint, kBoundarySlots> boundaryPoints{};
  std::int16_t boundaryPointCount = 0;
  std::array<RowColPoint, kTimberExitSlots> timberExits{};
  std::int32_t timberExitCount = 0;

  PerLanding<Landing> landings{};
  std::int32_t landingCount = 0;
  PerLanding<std::uint8_t> landingAnalysed{};
  PerLanding<float> landingConstructionCost{};
  PerLanding<std::int32_t> landingSharedTower{};

  PerCableway<CablewayRecord> cableways{};
  std::array<CablewayRecord, kCablewaySlots> cablewayScratch{};
  PerCableway<float> cablewayMinPayload{};
  PerCableway<float> cablewayCycleTime{};
  PerCableway<float> tailSparHeight{};
  PerProfilePoint<float> profilePayload{};
  PerProfilePoint<float> profileCycleTime{};

  std::array<CableSystemParams, kCableSystemCount + 1> cableSystems{};
  std::int32_t currentCableSystem = 0;
  RoadCostParams roadCosts;

  InputPaths paths;
  // The coordinate system of ESRI ASCII grid layers ("crs" of the project file; "" = none),
  // as any definition GDAL accepts; a DTM read by GDAL carries its own.
  std::string crsDefinition;
  Georeference georeference;  // set by Open DTM

  CellPoint pickStart{-1, -1};
  CellPoint pickEnd{-1, -1};
  std::uint8_t pickValid = 0;

  NetworkTables network;
  SolverTables solver;
};

// Allocates a document with every table zeroed (the document is large; keep it on the heap).
std::unique_ptr<CSkyrigDoc> makeDocument();

// x and y of cell (c, r) from the grid geometry.
std::int32_t cellX(const CSkyrigDoc& doc, int c);
std::int32_t cellY(const CSkyrigDoc& doc, int r);

// The cell under ground point (X, Y): the first column and row whose open half-cell interval
// holds the point. A point on a cell border belongs to no cell: (-1, -1).
CellPoint cellUnderGroundPoint(const CSkyrigDoc& doc, double groundX, double groundY);

// True when 1 <= c <= ncols and 1 <= r <= nrows.
bool isInsideGrid(const CSkyrigDoc& doc, int c, int r);

// Columns and rows a design file's cells may lie on: the loaded grid, or the grid tables
// before any terrain is loaded.
struct CellLimits {
  int cols;
  int rows;
};
CellLimits cellLimits(const CSkyrigDoc& doc);

}  // namespace skyrig
