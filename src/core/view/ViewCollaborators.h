// Operations of the cable subsystem that the view's mouse modes call. Each forwards to its
// subsystem; while a subsystem does not provide the operation yet, the forwarder does the
// least harmful thing and says so below.
#pragma once

namespace skyrig {

struct AppContext;

// Trial score of a landing at (c, r) with a cable system (sum of squared reach inside the
// harvest unit, m2); draws the trial roads. -1 when the evaluation is not available, so a
// dragged rectangle places nothing.
float trialLandingScore(AppContext& app, int c, int r, int system);

}  // namespace skyrig
