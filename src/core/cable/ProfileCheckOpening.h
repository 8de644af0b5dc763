// Opening the profile check of one cable road picked on the map.
#pragma once

namespace skyrig {

struct AppContext;

// Samples the road's ground profile and runs the profile check form on copies of the road's
// data; nothing the form does is written back to the document.
void openProfileCheck(AppContext& app, int landing, int system, int road);

}  // namespace skyrig
