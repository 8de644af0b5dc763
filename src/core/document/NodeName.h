// Node names of the transport networks: at most 10 characters in an 11-byte NUL-terminated
// field, blanks dropped, compared byte by byte as unsigned characters.
#pragma once

#include <cstring>
#include <string_view>

namespace skyrig {

inline constexpr int kNodeNameLength = 10;

struct NodeName {
  char text[kNodeNameLength + 1] = {};

  std::string_view view() const { return std::string_view(text); }
  bool empty() const { return text[0] == '\0'; }
  friend bool operator==(const NodeName& a, const NodeName& b) {
    return std::strcmp(a.text, b.text) == 0;
  }
};

// C-string order (strcmp compares as unsigned char).
inline int compareNodeNames(const NodeName& a, const NodeName& b) {
  return std::strcmp(a.text, b.text);
}

// Stores `name` with every blank removed. False (and the field left empty) when nothing is
// left or more than 10 characters remain.
bool assignNodeName(NodeName& node, std::string_view name);

// The node kinds the builders write (numbers in decimal, no leading zeros).
NodeName cellNode(int col, int row);                          // "C%dR%d"
NodeName virtualCellNode(int col, int row);                   // "VC%dR%d", combined network
NodeName cablewayNode(int road, int system, int landing);     // "C%dS%dL%d"
NodeName setupNode(int system, int landing);                  // "S%dL%d"
NodeName landingNode(int landing);                            // "L%d"
NodeName cableSinkNode();                                     // "DummyDest1"
NodeName roadSinkNode();                                      // "SuperExit"

}  // namespace skyrig
