// The subcommands of skyrig-cli. Each subcommand's file registers itself: it declares its
// options on the CLI11 subcommand it is given and returns the action that runs it, so that a
// new subcommand or option is a change to one file.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace skyrig::cli {

// Runs the subcommand with the options parsed; returns the exit code (ExitCodes.h).
using SubcommandAction = std::function<int()>;

struct Subcommand {
  int order;  // place in the help listing
  std::string name;
  std::string description;
  std::function<SubcommandAction(CLI::App& command)> declare;
};

// Adds a subcommand to the program; call from a namespace-scope initialiser. Returns true.
bool registerSubcommand(Subcommand subcommand);
// Every registered subcommand in help order.
std::vector<Subcommand> registeredSubcommands();

}  // namespace skyrig::cli
