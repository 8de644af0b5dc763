// Plain records shared by every subsystem: DTM cells, landings, cable roads, grid points.
#pragma once

#include <cstdint>

namespace skyrig {

struct DtmCell {
  std::int32_t x = 0;  // easting, m
  std::int32_t y = 0;  // northing, m
  std::int32_t z = 0;  // elevation, m (file value truncated toward zero)
  friend bool operator==(const DtmCell&, const DtmCell&) = default;
};

// Row first, as the landing table stores it. system 0 = slot holds no landing.
struct Landing {
  std::int32_t row = 0;
  std::int32_t col = 0;
  std::int32_t system = 0;
  friend bool operator==(const Landing&, const Landing&) = default;
};

struct CablewayRecord {
  std::int32_t endCol = 0;  // current end cell
  std::int32_t endRow = 0;
  std::int32_t genEndCol = 0;  // end cell as generated
  std::int32_t genEndRow = 0;
  std::int32_t pointCount = 0;     // profile points of the current road
  std::int32_t genPointCount = 0;  // profile points at the last sampling
  float slope = 0.0f;              // road line y = slope * x + intercept through the landing
  float intercept = 0.0f;
  std::int32_t supportCount = 0;  // intermediate supports
  friend bool operator==(const CablewayRecord&, const CablewayRecord&) = default;
};

struct CellPoint {
  std::int32_t col = 0;
  std::int32_t row = 0;
  friend bool operator==(const CellPoint&, const CellPoint&) = default;
};

// Timber exits are stored row first.
struct RowColPoint {
  std::int32_t row = 0;
  std::int32_t col = 0;
  friend bool operator==(const RowColPoint&, const RowColPoint&) = default;
};

struct UnitBox {
  std::int32_t minCol = 0;
  std::int32_t minRow = 0;
  std::int32_t maxCol = 0;
  std::int32_t maxRow = 0;
  friend bool operator==(const UnitBox&, const UnitBox&) = default;
};

}  // namespace skyrig
