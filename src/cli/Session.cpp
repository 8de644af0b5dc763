#include "Session.h"

#include <CLI/CLI.hpp>

#include "PngOutput.h"

namespace skyrig::cli {

Session::Session(const std::string& root)
    : doc(makeDocument()),
      view(std::make_unique<CSkyrigView>()),
      canvas(makeMapCanvas()),
      paths(root),
      app{*doc, *view, ui, *canvas, paths, clock, random} {
  initialUpdate(*doc, *view);
}

bool reportedTrouble(const ScriptedUi& ui) {
  for (const std::string& line : ui.messages())
    if (line.rfind("message stop", 0) == 0 || line.rfind("message exclamation", 0) == 0)
      return true;
  return false;
}

void addRootOption(CLI::App& command, std::string& root) {
  command.add_option("--root", root, "Folder that the paths E:/thesis/... map onto")
      ->capture_default_str()
      ->check(CLI::ExistingDirectory);
}

}  // namespace skyrig::cli
