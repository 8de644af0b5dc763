#include "document/RasterFile.h"

#include <algorithm>

namespace skyrig {

namespace {

std::string describeValue(const TextScanner& scanner, std::size_t pos, const RasterHeader& header,
                          std::int64_t index) {
  return "line " + std::to_string(scanner.lineAt(pos)) + ": value " + std::to_string(index + 1) +
         " (row " + std::to_string(index / header.ncols + 1) + ", column " +
         std::to_string(index % header.ncols + 1) + ") \"" + std::string(scanner.wordAt(pos)) +
         "\"";
}

ScanResult readValue(TextScanner& scanner, float& value) { return scanner.readFloat(value); }
ScanResult readValue(TextScanner& scanner, std::int32_t& value) { return scanner.readInt(value); }

template <typename T>
std::string readValues(TextScanner& scanner, const RasterHeader& header, std::vector<T>& values,
                       const RasterValueCheck<T>& check) {
  const std::int64_t count = header.valueCount();
  // Every value takes at least one byte and one separator, so a short file cannot make this
  // reserve more than its own size.
  const std::int64_t possible = static_cast<std::int64_t>(scanner.remaining() / 2 + 1);
  values.clear();
  values.reserve(static_cast<std::size_t>(std::min(count, possible)));
  for (std::int64_t i = 0; i < count; ++i) {
    T value{};
    scanner.skipWhiteSpace();
    const std::size_t start = scanner.position();
    switch (readValue(scanner, value)) {
      case ScanResult::Ok:
        break;
      case ScanResult::End:
        return "the file ends after " + std::to_string(i) + " of its " + std::to_string(count) +
               " values (" + std::to_string(header.ncols) + " columns x " +
               std::to_string(header.nrows) + " rows)";
      case ScanResult::NotANumber:
        return describeValue(scanner, start, header, i) + " is not a number";
      case ScanResult::OutOfRange:
        return describeValue(scanner, start, header, i) + " does not fit 32 bits";
    }
    if (check) {
      if (const std::string problem = check(value); !problem.empty())
        return describeValue(scanner, start, header, i) + " " + problem;
    }
    values.push_back(value);
  }
  return {};
}

bool isLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

}  // namespace

std::string readRasterHeader(TextScanner& scanner, RasterHeader& header) {
  std::int32_t* const fields[6] = {&header.ncols, &header.nrows,    &header.xll,
                                   &header.yll,   &header.cellSize, &header.noData};
  for (int line = 1; line <= 6; ++line) {
    const std::size_t labelBytes = line == 6 ? 13 : 10;
    const std::string labelRule =
        ": the reader skips the first " + std::to_string(labelBytes) +
        " bytes of the line as the label, so the value must start after them (a label padded "
        "with blanks, as in \"ncols         320\")";
    const std::size_t lineStart = scanner.position();
    const std::string name = "header line " + std::to_string(line) + " \"" +
                             std::string(scanner.lineTextAt(lineStart)) + "\"";
    const std::string_view label = scanner.lineTextAt(lineStart, labelBytes);
    const auto first = label.find_first_not_of(" \t");
    if (first != std::string_view::npos && !isLetter(label[first]))
      return name +
             " has no label: a raster file starts with six labelled lines (ncols, nrows, "
             "xllcorner, yllcorner, cellsize, NODATA_value) and one of them seems to be missing";
    if (scanner.remaining() < labelBytes) return "the file ends in header line " + std::to_string(line);
    if (first == std::string_view::npos || label.size() < labelBytes)
      return name + " is shorter than its label" + labelRule;
    scanner.skipBytes(labelBytes);
    // The value must stand on the label's line.
    const std::string_view rest = scanner.lineTextAt(scanner.position());
    if (rest.find_first_not_of(" \t") == std::string_view::npos) {
      const bool valueInLabel = label.find_first_of("0123456789") != std::string_view::npos &&
                                label.find_first_of(" \t") != std::string_view::npos;
      return name + " holds no number after its label" + (valueInLabel ? labelRule : "");
    }
    switch (scanner.readInt(*fields[line - 1])) {
      case ScanResult::Ok:
        break;
      case ScanResult::End:
        return "the file ends in header line " + std::to_string(line);
      case ScanResult::NotANumber:
        return name + " holds no number after its label";
      case ScanResult::OutOfRange:
        return "the number of " + name + " does not fit 32 bits";
    }
    if (!scanner.skipPastLineEnd()) return "header line " + std::to_string(line) + " has no line end";
  }
  if (header.ncols < 1 || header.nrows < 1)
    return "the header gives " + std::to_string(header.ncols) + " columns and " +
           std::to_string(header.nrows) + " rows";
  return {};
}

std::string readRasterValues(TextScanner& scanner, const RasterHeader& header,
                             std::vector<float>& values, const RasterValueCheck<float>& check) {
  return readValues(scanner, header, values, check);
}

std::string readRasterValues(TextScanner& scanner, const RasterHeader& header,
                             std::vector<std::int32_t>& values,
                             const RasterValueCheck<std::int32_t>& check) {
  return readValues(scanner, header, values, check);
}

}  // namespace skyrig
