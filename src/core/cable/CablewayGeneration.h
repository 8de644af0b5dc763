// Cableways > Generate: lays out the fan of cable roads of every landing, samples the profiles
// of new roads (and of every road of a cable system whose parameters changed), draws the roads
// and landing numbers, and switches the view into cable road picking.
#pragma once

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;

// True when landing i (0..90) has a cable system 1..5 and a cell inside the grid; other slots
// hold no usable landing and are left alone by generation and analysis.
bool isUsableLanding(const CSkyrigDoc& doc, int landing);

// The whole command: redraws the map, generates, draws and enters cable road picking.
void generateCableways(AppContext& app);

// Writes the number of landing i at its cell ("%d", the label font of the map).
void labelLanding(AppContext& app, int landing);

}  // namespace skyrig
