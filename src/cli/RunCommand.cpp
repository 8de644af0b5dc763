// skyrig-cli run [--root DIR] SCRIPT: runs a headless script (see ScriptInterpreter.h).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "ExitCodes.h"
#include "PngOutput.h"
#include "Session.h"
#include "Subcommands.h"
#include "app/ScriptInterpreter.h"

namespace skyrig::cli {

namespace {

struct RunOptions {
  std::string root = ".";
  std::string script;
};

int runScript(const RunOptions& options) {
  std::ifstream script(options.script);
  if (!script) {
    std::fprintf(stderr, "skyrig-cli: cannot open the script %s\n", options.script.c_str());
    return kExitBadCommand;
  }
  Session session(options.root);
  session.ui.echo = [](const std::string& line) { std::cout << line << '\n' << std::flush; };
  session.ui.recordStatus = true;
  session.ui.recordProgress = true;
  ScriptInterpreter interpreter(session.app, session.ui);
  interpreter.writePicture = [&](const std::string& file, std::string& error) {
    return writePng(*session.canvas, file, error);
  };
  const ScriptResult result = interpreter.run(script);
  if (!result.ok) {
    std::fprintf(stderr, "%s:%d: script error: %s\n", options.script.c_str(), result.errorLine,
                 result.error.c_str());
    return kExitBadCommand;
  }
  return kExitSuccess;
}

const bool registered = registerSubcommand(
    {10, "run", "Run a headless script of menu commands, form answers and mouse events",
     [](CLI::App& command) -> SubcommandAction {
       auto options = std::make_shared<RunOptions>();
       addRootOption(command, options->root);
       command.add_option("SCRIPT", options->script, "The script file")
           ->required()
           ->check(CLI::ExistingFile);
       return [options] { return runScript(*options); };
     }});

}  // namespace

}  // namespace skyrig::cli
