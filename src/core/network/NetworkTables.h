// Link and sale tables of the transport networks, owned by the project document.
#pragma once

namespace skyrig {

struct NetworkTables {};

}  // namespace skyrig
