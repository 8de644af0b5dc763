#include "PrerequisiteHints.h"

#include <algorithm>

#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

namespace {

bool startsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool anyLandingPlaced(const CSkyrigDoc& doc) {
  for (int i = 1; i <= std::min(doc.landingCount, kMaxLandings); ++i)
    if (doc.landings[i].system > 0) return true;
  return false;
}

bool anyLandingAnalysed(const CSkyrigDoc& doc) {
  for (int i = 1; i <= std::min(doc.landingCount, kMaxLandings); ++i)
    if (doc.landings[i].system > 0 && doc.landingAnalysed[i] == 1) return true;
  return false;
}

bool anyVolume(const CSkyrigDoc& doc) {
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r)
      if (doc.volumeGrid(c, r) > 0) return true;
  return false;
}

// The first step of the usual order of work that the project has not taken yet.
std::string firstMissingStep(const CSkyrigDoc& doc) {
  if (doc.ncols < 1)
    return "Open the terrain model first: File > Open Project... opens the whole project, or "
           "File > Open DTM the terrain alone.";
  if (!anyVolume(doc)) return "Open the timber volume first: File > Open Volume.";
  if (doc.unitBox.minCol < 1)
    return "Set the harvest unit first: Input Data > Harvest Unit Boundary > By file, or draw "
           "it By mouse.";
  if (!anyLandingPlaced(doc))
    return "Place landings first: Landings > Place a landing location, or Landings > File "
           "Manager > Open Landings.";
  if (!anyLandingAnalysed(doc))
    return "Lay out and analyse the cable roads first: Cableways > Generate, then Analyses > "
           "Cableways. Network > Plan runs every step in order.";
  return "No timber cell of the harvest unit is reached by an analysed cable road: place "
         "landings nearer the timber, then run Cableways > Generate and Analyses > Cableways "
         "again.";
}

}  // namespace

std::string prerequisiteHint(std::string_view message, const AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  std::string step;
  if (startsWith(message, "No sale data are available."))
    step = firstMissingStep(doc);
  else if (startsWith(message, "You have not placed timber exit location(s)."))
    step = "Place a timber exit first: Network > Roads > Timber Exits, then a click on the map "
           "where the logs leave the area.";
  else if (startsWith(message, "You need to designate harvest unit boundaries."))
    step = "Set the harvest unit first: Input Data > Harvest Unit Boundary > By file, or draw it "
           "By mouse.";
  else if (startsWith(message, "Total number of landings is different!"))
    step = "The cable road file was made for another set of landings: open those landings first "
           "(Landings > File Manager > Open Landings), or generate the cable roads anew "
           "(Cableways > Generate).";
  else if (startsWith(message, "There is no road solution to report"))
    step = "Run the plan first: Network > Plan, or Network > Optimizing.";
  return step.empty() ? std::string() : "\n\n" + step;
}

}  // namespace skyrig::gui
