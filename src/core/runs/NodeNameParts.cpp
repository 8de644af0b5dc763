#include "runs/NodeNameParts.h"

namespace skyrig {

namespace {

// Reads the decimal digits at `at`; false when there are none. Names hold at most 10
// characters, so the value cannot overflow.
bool readNumber(std::string_view name, std::size_t& at, int& value) {
  const std::size_t start = at;
  value = 0;
  while (at < name.size() && name[at] >= '0' && name[at] <= '9')
    value = value * 10 + (name[at++] - '0');
  return at > start;
}

bool expect(std::string_view name, std::size_t& at, char ch) {
  if (at >= name.size() || name[at] != ch) return false;
  ++at;
  return true;
}

}  // namespace

NodeNameParts parseNodeName(std::string_view name) {
  NodeNameParts parts;
  std::size_t at = 0;
  const bool timberCell = expect(name, at, 'V');
  int first = 0;
  if (!expect(name, at, 'C') || !readNumber(name, at, first)) return parts;
  if (expect(name, at, 'R')) {
    int row = 0;
    if (!readNumber(name, at, row) || at != name.size()) return parts;
    parts.kind = timberCell ? NodeNameParts::Kind::TimberCell : NodeNameParts::Kind::Cell;
    parts.col = first;
    parts.row = row;
    return parts;
  }
  int system = 0;
  int landing = 0;
  if (timberCell || !expect(name, at, 'S') || !readNumber(name, at, system) ||
      !expect(name, at, 'L') || !readNumber(name, at, landing) || at != name.size())
    return parts;
  parts.kind = NodeNameParts::Kind::Cableway;
  parts.cableway = first;
  parts.system = system;
  parts.landing = landing;
  return parts;
}

}  // namespace skyrig
