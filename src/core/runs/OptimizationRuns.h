// The two planning runs of the Network menu: "Optimizing" alternates a cable and a road network
// solve, feeding each landing's road cost back into the next cable problem, until the combined
// cost settles (at most 10 iterations); "Optimizing all at once" solves one combined network.
#pragma once

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;

inline constexpr int kMaxRunIterations = 10;

// Timber exits are placed, or failing that some cell of the existing road layer is above 0.
bool hasTimberExits(const CSkyrigDoc& doc);

void runSeparateOptimization(AppContext& app);
void runAllAtOnceOptimization(AppContext& app);

}  // namespace skyrig
