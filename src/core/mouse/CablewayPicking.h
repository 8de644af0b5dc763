// Cable road picking: a button release on a cell opens the profile check of the first cable
// road of every landing that ends in that cell.
#pragma once

namespace skyrig {

struct AppContext;

// For each landing 1..landingCount, the first of its roads 0..35 ending at (c, r) opens the
// profile check; landings without a cable system are passed over.
void openProfileChecksAt(AppContext& app, int c, int r);

}  // namespace skyrig
