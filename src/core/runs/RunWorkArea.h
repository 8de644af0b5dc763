// Coupling arrays of the separate run and the result lists drawn and saved, owned by the map view.
#pragma once

namespace skyrig {

struct RunWorkArea {};

}  // namespace skyrig
