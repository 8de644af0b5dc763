// Cableways > File Manager: the cable road file. Line 1 is the number of landings; then per
// landing its id and, for each of its 36 cable roads, three lines: the record with the tail
// spar height, the profile points' (cycle time, payload) pairs, and the minimum payload.
#pragma once

#include <string_view>

namespace skyrig {

struct CSkyrigDoc;
class Paths;
class Ui;

inline constexpr std::string_view kCablewaysSavePath = "e:/thesis/output/Cableroaddata.dat";

// Writes the cable roads of landings 1..landingCount to kCablewaysSavePath. The road line's
// slope and intercept are written with "%.9g", which gives back the same 32-bit floats.
void saveCableways(const CSkyrigDoc& doc, const Paths& paths, Ui& ui);

// Reads cablewaysPath into the cable road tables of landings 1..landingCount (records by
// position; the landing ids in the file are not compared) and marks them analysed. A count
// other than landingCount shows "Total number of landings is different!". Refused with a
// message, changing nothing: ids outside 1..90, point counts outside 0..100, a file that ends
// early or holds a value that is not a number.
void openCableways(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

}  // namespace skyrig
