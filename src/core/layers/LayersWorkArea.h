// Tracing and clumping state of the terrain layer derivations, owned by the map view.
#pragma once

namespace skyrig {

struct LayersWorkArea {};

}  // namespace skyrig
