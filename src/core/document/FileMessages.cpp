#include "document/FileMessages.h"

#include <string>

#include "seams/Paths.h"
#include "seams/Ui.h"

namespace skyrig {

void reportUnableToOpen(Ui& ui) { ui.message(kUnableToOpenFile, MessageIcon::Exclamation); }

void reportNotSaved(Ui& ui, const Paths& paths, std::string_view systemPath,
                    std::string_view reason) {
  reportFileProblem(ui, paths, systemPath,
                    "the file was not saved: " + std::string(reason) +
                        "; the previous file is kept");
}

void reportFileProblem(Ui& ui, const Paths& paths, std::string_view systemPath,
                       std::string_view what) {
  ui.message(paths.displayName(systemPath) + ": " + std::string(what) + ".",
             MessageIcon::Exclamation);
}

}  // namespace skyrig
