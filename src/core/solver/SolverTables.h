// Node, link and path tables of the network solver, owned by the project document.
#pragma once

namespace skyrig {

struct SolverTables {};

}  // namespace skyrig
