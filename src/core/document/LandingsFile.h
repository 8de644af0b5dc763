// Landings > File Manager: the landings file. Line 1 is the number of landings; then one line
// per landing: "id col row system constructionCost sharedTower".
#pragma once

#include <string>
#include <string_view>

namespace skyrig {

struct CSkyrigDoc;
class Paths;
class Ui;

inline constexpr std::string_view kLandingsSavePath = "e:/thesis/output/Landings.dat";

// The file's text for landings 1..landingCount.
std::string landingsText(const CSkyrigDoc& doc);

// Writes landings 1..landingCount to kLandingsSavePath.
void saveLandings(const CSkyrigDoc& doc, const Paths& paths, Ui& ui);

// Reads landingsPath: landingCount := the count, and each line fills the slot named by its id
// (slots not named keep their contents; landingAnalysed and the cable roads are not touched).
// Refused with a message, changing nothing: a count above 90, ids outside 1..90, a cell outside
// the grid tables, a system outside 0..5, shared tower ids above 90 or forming a loop, a file
// that ends early or holds a value that is not a number.
void openLandings(CSkyrigDoc& doc, const Paths& paths, Ui& ui);

}  // namespace skyrig
