#include "document/RasterFile.h"

#include <algorithm>

namespace skyrig {

namespace {

std::string describeValue(const RasterHeader& header, std::int64_t index) {
  return "value " + std::to_string(index + 1) + " (row " +
         std::to_string(index / header.ncols + 1) + ", column " +
         std::to_string(index % header.ncols + 1) + ")";
}

ScanResult readValue(TextScanner& scanner, float& value) { return scanner.readFloat(value); }
ScanResult readValue(TextScanner& scanner, std::int32_t& value) { return scanner.readInt(value); }

template <typename T>
std::string readValues(TextScanner& scanner, const RasterHeader& header, std::vector<T>& values) {
  const std::int64_t count = header.valueCount();
  // Every value takes at least one byte and one separator, so a short file cannot make this
  // reserve more than its own size.
  const std::int64_t possible = static_cast<std::int64_t>(scanner.remaining() / 2 + 1);
  values.clear();
  values.reserve(static_cast<std::size_t>(std::min(count, possible)));
  for (std::int64_t i = 0; i < count; ++i) {
    T value{};
    switch (readValue(scanner, value)) {
      case ScanResult::Ok:
        break;
      case ScanResult::End:
        return "the file ends after " + std::to_string(i) + " of its " + std::to_string(count) +
               " values (" + std::to_string(header.ncols) + " columns x " +
               std::to_string(header.nrows) + " rows)";
      case ScanResult::NotANumber:
        return describeValue(header, i) + " is not a number";
      case ScanResult::OutOfRange:
        return describeValue(header, i) + " does not fit 32 bits";
    }
    values.push_back(value);
  }
  return {};
}

}  // namespace

std::string readRasterHeader(TextScanner& scanner, RasterHeader& header) {
  std::int32_t* const fields[6] = {&header.ncols, &header.nrows,    &header.xll,
                                   &header.yll,   &header.cellSize, &header.noData};
  for (int line = 1; line <= 6; ++line) {
    const std::string name = "header line " + std::to_string(line);
    if (!scanner.skipBytes(line == 6 ? 13 : 10)) return "the file ends in " + name;
    switch (scanner.readInt(*fields[line - 1])) {
      case ScanResult::Ok:
        break;
      case ScanResult::End:
        return "the file ends in " + name;
      case ScanResult::NotANumber:
        return name + " holds no number after its label";
      case ScanResult::OutOfRange:
        return "the number of " + name + " does not fit 32 bits";
    }
    if (!scanner.skipPastLineEnd()) return name + " has no line end";
  }
  if (header.ncols < 1 || header.nrows < 1)
    return "the header gives " + std::to_string(header.ncols) + " columns and " +
           std::to_string(header.nrows) + " rows";
  return {};
}

std::string readRasterValues(TextScanner& scanner, const RasterHeader& header,
                             std::vector<float>& values) {
  return readValues(scanner, header, values);
}

std::string readRasterValues(TextScanner& scanner, const RasterHeader& header,
                             std::vector<std::int32_t>& values) {
  return readValues(scanner, header, values);
}

}  // namespace skyrig
