#include "app/CommandTable.h"

#include <algorithm>

namespace skyrig {

namespace {

using K = CommandKind;

struct Entry {
  const char* id;
  const char* menu;
  const char* text;
  const char* accelerator;
  CommandKind kind;
};

// Every command of the menus, in menu order.
constexpr Entry kCommands[] = {
    {"FileNew", "File", "&New", "Ctrl+N", K::Framework},
    {"FileOpen", "File", "&Open...", "Ctrl+O", K::Framework},
    {"FileSave", "File", "&Save", "Ctrl+S", K::Framework},
    {"FileSaveAs", "File", "Save &As...", "", K::Framework},
    {"FileOpenDtm", "File", "Open DTM", "", K::Operation},
    {"FileOpenVolume", "File", "Open Volume", "", K::Operation},
    {"FileOpenStreams", "File", "Open Streams", "", K::Operation},
    {"FileOpenRoads", "File", "Open Roads", "", K::Operation},
    {"FilePrint", "File", "&Print...", "Ctrl+P", K::Framework},
    {"FilePrintPreview", "File", "Print Pre&view", "", K::Framework},
    {"FilePrintSetup", "File", "P&rint Setup...", "", K::Framework},
    {"FileRecentFile", "File", "Recent File", "", K::Framework},
    {"FileExit", "File", "E&xit", "", K::Framework},
    {"EditUndo", "Edit", "&Undo", "Ctrl+Z", K::Unavailable},
    {"EditCut", "Edit", "Cu&t", "Ctrl+X", K::Unavailable},
    {"EditCopy", "Edit", "&Copy", "Ctrl+C", K::Unavailable},
    {"EditPaste", "Edit", "&Paste", "Ctrl+V", K::Unavailable},
    {"ViewToolbar", "View", "&Toolbar", "", K::Framework},
    {"ViewStatusBar", "View", "&Status Bar", "", K::Framework},
    {"ViewDrawDtm", "View", "DrawDTM", "", K::Unavailable},
    {"LandingsPlace", "Landings", "Place a landing location", "", K::Operation},
    {"LandingsOpen", "Landings>File Manager", "Open Landings", "", K::Operation},
    {"LandingsSave", "Landings>File Manager", "Save Landings", "", K::Operation},
    {"LandingsDelete", "Landings", "Delete landing location", "", K::Operation},
    {"CablewaysGenerate", "Cableways", "Generate", "", K::Operation},
    {"CablewaysCheckProfile", "Cableways", "Check profile", "", K::Operation},
    {"CablewaysOpenFile", "Cableways>File Manager", "Open File", "", K::Operation},
    {"CablewaysSaveFile", "Cableways>File Manager", "Save File", "", K::Operation},
    {"CablewaysWriteIds", "Cableways", "Write ID numbers", "", K::Operation},
    {"CablewaysExportProfileSheet", "Cableways", "Export Profile Sheet...", "", K::Framework},
    {"AnalysesCableways", "Analyses", "Cableways", "", K::Operation},
    {"BoundaryByMouse", "Input Data>Harvest Unit Boundary", "By mouse", "", K::Operation},
    {"BoundaryByFile", "Input Data>Harvest Unit Boundary", "By file", "", K::Operation},
    {"InputCableSystem", "Input Data", "Cable System", "", K::Operation},
    {"InputOperationData", "Input Data", "Operation Data", "", K::Operation},
    {"InputRoadCosts", "Input Data", "Road Costs", "", K::Operation},
    {"InputLandingCosts", "Input Data", "Landing Costs", "", K::Operation},
    {"NetworkRoadsGenerate", "Network>Roads", "Generate", "", K::NoEffect},
    {"NetworkRoadsDraw", "Network>Roads", "Draw Roads", "", K::Operation},
    {"NetworkRoadsGenerateNetwork", "Network>Roads", "Generate Network", "", K::NoEffect},
    {"NetworkRoadsTimberExits", "Network>Roads", "Timber Exits", "", K::Operation},
    {"NetworkCableGenerateNetwork", "Network>Cable Systems", "Generate Network", "", K::NoEffect},
    {"NetworkOptimizing", "Network", "Optimizing", "", K::Operation},
    {"NetworkOptimizingAllAtOnce", "Network", "Optimizing all at once", "", K::Operation},
    {"NetworkImprovePlan", "Network", "Improve Plan", "", K::Operation},
    {"NetworkHarvestingUnit", "Network", "Harvesting Unit", "", K::Operation},
    {"ResultsShowLandings", "Results", "Show Landings", "", K::Operation},
    {"ResultsShowCableways", "Results", "Show Cableways", "", K::Operation},
    {"ResultsShowRoads", "Results", "Show Roads", "", K::Operation},
    {"ResultsShowTimberCells", "Results", "Show Timber Cells", "", K::Operation},
    {"ResultsClearHarvestUnit", "Results", "Clear Harvest Unit", "", K::Operation},
    {"ResultsShowAll", "Results", "Show All Results", "", K::Operation},
    {"ResultsOpenFile", "Results>File Manager", "Open File", "", K::Operation},
    {"ResultsSaveFile", "Results>File Manager", "Save File", "", K::Operation},
    {"ResultsRoadReports", "Results", "Road reports", "", K::Operation},
    {"ResultsExportMap", "Results", "Export Map...", "", K::Framework},
    {"ResultsExportPlan", "Results", "Export Plan...", "", K::Operation},
    {"ZoomIn", "Zoom", "In", "", K::Operation},
    {"ZoomOut", "Zoom", "Out", "", K::Operation},
    {"LayersShowDem", "Layers>DEM", "Show DEM", "", K::Operation},
    {"LayersDrawContours", "Layers>DEM", "Draw Contour Lines", "", K::Operation},
    {"LayersChangeContourInterval", "Layers>DEM", "Change Contour Interval", "", K::Operation},
    {"LayersShowVolume", "Layers>Volume", "Show Volume", "", K::Operation},
    {"LayersClumpCells", "Layers>Volume", "Clump cells", "", K::Operation},
    {"LayersShowStreams", "Layers>Streams", "Show Streams", "", K::Operation},
    {"LayersCreateBuffer", "Layers>Streams", "Create Buffer", "", K::Operation},
    {"LayersShowRoads", "Layers>Roads", "ShowRoads", "", K::Operation},
    {"LayersShowHarvestArea", "Layers>Harvest Area", "Show Harvest Area", "", K::Operation},
    {"HelpTopics", "Help", "&Help Topics", "F1", K::Framework},
    {"HelpAbout", "Help", "&About Skyrig...", "", K::Framework},
    // Tool-bar only: context help, and the button whose command has no menu entry.
    {"HelpContext", "", "Help", "Shift+F1", K::Framework},
    {"ToolbarUnassigned", "", "", "", K::Unavailable},
};

constexpr const char* kToolBar[] = {
    "FileNew", "FileOpen", "FileSave", "",
    "EditCut", "EditCopy", "EditPaste", "",
    "FilePrint", "",
    "FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads", "BoundaryByFile", "",
    "LayersShowDem", "LayersShowVolume", "LayersShowStreams", "LayersShowRoads",
    "LayersShowHarvestArea", "",
    "BoundaryByMouse", "",
    "LandingsPlace", "CablewaysGenerate", "CablewaysCheckProfile", "AnalysesCableways", "",
    "LayersClumpCells", "NetworkRoadsTimberExits", "NetworkOptimizing", "",
    "LayersDrawContours", "",
    "ZoomIn", "ZoomOut", "",
    "HelpAbout", "HelpContext", "",
    "ToolbarUnassigned",
};

std::string withoutMarks(std::string_view text) {
  std::string out;
  for (char ch : text)
    if (ch != '&') out += ch;
  return out;
}

// "Input Data > Harvest Unit Boundary > By file" -> "Input Data>Harvest Unit Boundary>By file"
std::string normalisedPath(std::string_view path) {
  std::string out;
  std::string level;
  auto flush = [&] {
    const auto first = level.find_first_not_of(' ');
    const auto last = level.find_last_not_of(' ');
    if (!out.empty()) out += '>';
    if (first != std::string::npos) out += level.substr(first, last - first + 1);
    level.clear();
  };
  for (char ch : withoutMarks(path)) {
    if (ch == '>')
      flush();
    else
      level += ch;
  }
  flush();
  return out;
}

}  // namespace

std::string Command::displayPath() const {
  std::string menuText = withoutMarks(menu);
  std::string out;
  for (char ch : menuText) {
    if (ch == '>')
      out += " > ";
    else
      out += ch;
  }
  return out.empty() ? withoutMarks(text) : out + " > " + withoutMarks(text);
}

CommandTable::CommandTable() {
  for (const Entry& e : kCommands)
    commands_.push_back(Command{e.id, e.menu, e.text, e.accelerator, e.kind, {}});
  for (const char* id : kToolBar) toolBar_.emplace_back(id);
  for (Command& c : commands_)
    if (c.kind == CommandKind::NoEffect) c.operation = [](AppContext&) {};
  bindDocumentCommands(*this);
  bindParamsCommands(*this);
  bindViewCommands(*this);
  bindCableCommands(*this);
  bindRunsCommands(*this);
  bindLayersCommands(*this);
}

const CommandTable& CommandTable::instance() {
  static const CommandTable table;
  return table;
}

const Command* CommandTable::findById(std::string_view id) const {
  auto it = std::find_if(commands_.begin(), commands_.end(),
                         [&](const Command& c) { return c.id == id; });
  return it == commands_.end() ? nullptr : &*it;
}

const Command* CommandTable::findByPath(std::string_view path) const {
  const std::string wanted = normalisedPath(path);
  for (const Command& c : commands_) {
    if (c.menu.empty()) continue;
    if (normalisedPath(c.menu + ">" + c.text) == wanted) return &c;
  }
  return nullptr;
}

void CommandTable::bind(std::string_view id, CommandOperation operation) {
  for (Command& c : commands_)
    if (c.id == id) c.operation = std::move(operation);
}

bool runCommand(std::string_view id, AppContext& context) {
  const Command* command = CommandTable::instance().findById(id);
  if (command == nullptr || !command->operation) return false;
  command->operation(context);
  return true;
}

}  // namespace skyrig
