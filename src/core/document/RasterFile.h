// The raster layer file: six header lines (a label whose bytes are skipped, then one integer)
// followed by nrows x ncols values, row by row from the northern row, each row west to east.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/TextScanner.h"

namespace skyrig {

struct RasterHeader {
  std::int32_t ncols = 0;
  std::int32_t nrows = 0;
  std::int32_t xll = 0;       // x of column 1, m
  std::int32_t yll = 0;       // y of the southern row, m
  std::int32_t cellSize = 0;  // m
  std::int32_t noData = 0;    // read and not used

  std::int64_t valueCount() const { return std::int64_t{ncols} * nrows; }
  // Coordinates of the file's own column c and row r (64-bit: headers are not trusted).
  std::int64_t columnX(std::int64_t c) const { return xll + std::int64_t{cellSize} * (c - 1); }
  std::int64_t rowY(std::int64_t r) const { return yll + std::int64_t{cellSize} * (nrows - r); }
};

// Reads the six header lines: skips 10 label bytes (13 on line 6), reads the value as "%d"
// would (a fraction is dropped: "500000.75" gives 500000), then discards through the LF.
// A label must start with a letter and the value must stand on the label's line, so a missing
// header line or a value inside the label bytes is named as such. Returns an empty string, or
// what is wrong with the header.
std::string readRasterHeader(TextScanner& scanner, RasterHeader& header);

// What a loader says about one value: empty when it takes it, otherwise what is wrong with it
// ("is the no-data value -9999").
template <typename T>
using RasterValueCheck = std::function<std::string(T)>;

// Reads the header's ncols x nrows values in file order, as "%f" (float) or "%d" (integer),
// and passes each to `check`. Returns an empty string, or what is wrong: the file ends early,
// or "line L: value i (row r, column c) "text" is not a number" and the like.
std::string readRasterValues(TextScanner& scanner, const RasterHeader& header,
                             std::vector<float>& values, const RasterValueCheck<float>& check = {});
std::string readRasterValues(TextScanner& scanner, const RasterHeader& header,
                             std::vector<std::int32_t>& values,
                             const RasterValueCheck<std::int32_t>& check = {});

}  // namespace skyrig
