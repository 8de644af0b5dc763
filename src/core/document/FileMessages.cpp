#include "document/FileMessages.h"

#include <string>

#include "seams/Paths.h"
#include "seams/Ui.h"

namespace skyrig {

void reportUnableToOpen(Ui& ui) { ui.message(kUnableToOpenFile, MessageIcon::Exclamation); }

void reportFileProblem(Ui& ui, const Paths& paths, std::string_view systemPath,
                       std::string_view what) {
  ui.message(paths.displayName(systemPath) + ": " + std::string(what) + ".",
             MessageIcon::Exclamation);
}

}  // namespace skyrig
