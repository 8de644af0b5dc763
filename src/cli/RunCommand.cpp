// skyrig-cli run [--root DIR] SCRIPT: runs a headless script (see ScriptInterpreter.h).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "PngOutput.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/ScriptInterpreter.h"

namespace skyrig::cli {

int runScriptCommand(int argc, char** argv) {
  const CommonOptions options = parseCommonOptions(argc, argv, 2);
  if (!options.error.empty() || options.positional.size() != 1) {
    std::fprintf(stderr, "usage: skyrig-cli run [--root DIR] SCRIPT%s%s\n",
                 options.error.empty() ? "" : "\n", options.error.c_str());
    return 2;
  }
  std::error_code ec;
  // A folder opens as a stream that reads nothing; it must not run as an empty script.
  std::ifstream script;
  if (!std::filesystem::is_directory(options.positional[0], ec))
    script.open(options.positional[0]);
  if (!script.is_open()) {
    std::fprintf(stderr, "skyrig-cli: cannot open the script %s\n", options.positional[0].c_str());
    return 2;
  }
  Session session(options.root);
  session.ui.echo = [](const std::string& line) {
    std::cout << line << '\n' << std::flush;
  };
  session.ui.recordStatus = true;
  session.ui.recordProgress = true;
  ScriptInterpreter interpreter(session.app, session.ui);
  interpreter.writePicture = [&](const std::string& file, std::string& error) {
    return writePng(*session.canvas, file, error);
  };
  const ScriptResult result = interpreter.run(script);
  if (!result.ok) {
    std::fprintf(stderr, "%s:%d: script error: %s\n", options.positional[0].c_str(),
                 result.errorLine, result.error.c_str());
    return 2;
  }
  return 0;
}

}  // namespace skyrig::cli
