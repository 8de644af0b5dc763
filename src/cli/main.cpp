// skyrig-cli: the headless runner of Skyrig. The subcommands register themselves
// (Subcommands.h); this file parses the command line and runs the one chosen.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>

#include "ExitCodes.h"
#include "Subcommands.h"

namespace skyrig::cli {

namespace {

std::vector<Subcommand>& registry() {
  static std::vector<Subcommand> subcommands;
  return subcommands;
}

}  // namespace

bool registerSubcommand(Subcommand subcommand) {
  registry().push_back(std::move(subcommand));
  return true;
}

std::vector<Subcommand> registeredSubcommands() {
  std::vector<Subcommand> sorted = registry();
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Subcommand& a, const Subcommand& b) { return a.order < b.order; });
  return sorted;
}

}  // namespace skyrig::cli

int main(int argc, char** argv) {
  using namespace skyrig::cli;
  CLI::App app("Skyrig: plans cable logging and forest roads on a terrain model.", "skyrig-cli");
  app.set_version_flag("--version", std::string("skyrig-cli ") + SKYRIG_VERSION,
                       "Print the version and exit");
  app.require_subcommand(1);
  app.footer(kExitCodesHelp);
  std::map<CLI::App*, SubcommandAction> actions;
  for (const Subcommand& s : registeredSubcommands()) {
    CLI::App* command = app.add_subcommand(s.name, s.description);
    command->footer(kExitCodesHelp);
    actions[command] = s.declare(*command);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitBadCommand;
  }
  for (auto& [command, action] : actions)
    if (command->parsed()) return action();
  return kExitBadCommand;
}
