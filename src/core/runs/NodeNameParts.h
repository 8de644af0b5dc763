// Reads the numbers back out of the node names the network builders form: "C%dR%d" (a grid
// cell), "VC%dR%d" (a timber cell of the combined network) and "C%dS%dL%d" (a cable road).
#pragma once

#include <string_view>

namespace skyrig {

struct NodeNameParts {
  enum class Kind { Other, Cell, TimberCell, Cableway };
  Kind kind = Kind::Other;
  int col = 0;  // Cell, TimberCell
  int row = 0;
  int cableway = 0;  // Cableway: road number, cable system, landing
  int system = 0;
  int landing = 0;
};

// Names of no such form (landings, setups, sinks, damaged names) are Kind::Other.
NodeNameParts parseNodeName(std::string_view name);

}  // namespace skyrig
