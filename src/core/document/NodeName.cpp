#include "document/NodeName.h"

#include <cstdio>

namespace skyrig {

bool assignNodeName(NodeName& node, std::string_view name) {
  NodeName out;
  int length = 0;
  for (char ch : name) {
    if (ch == ' ') continue;
    if (length == kNodeNameLength) {
      node = NodeName{};
      return false;
    }
    out.text[length++] = ch;
  }
  node = out;
  return length > 0;
}

namespace {

template <typename... Args>
NodeName formatted(const char* format, Args... args) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, args...);
  NodeName node;
  assignNodeName(node, buffer);
  return node;
}

}  // namespace

NodeName cellNode(int col, int row) { return formatted("C%dR%d", col, row); }
NodeName virtualCellNode(int col, int row) { return formatted("VC%dR%d", col, row); }
NodeName cablewayNode(int road, int system, int landing) {
  return formatted("C%dS%dL%d", road, system, landing);
}
NodeName setupNode(int system, int landing) { return formatted("S%dL%d", system, landing); }
NodeName landingNode(int landing) { return formatted("L%d", landing); }
NodeName cableSinkNode() { return formatted("%s", "DummyDest1"); }
NodeName roadSinkNode() { return formatted("%s", "SuperExit"); }

}  // namespace skyrig
