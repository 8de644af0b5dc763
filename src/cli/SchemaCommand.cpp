// skyrig-cli schema: prints the JSON schema of the project file (docs/skyrig.schema.json),
// generated from the parameter tables.
#include <CLI/CLI.hpp>
#include <iostream>

#include "ExitCodes.h"
#include "Subcommands.h"
#include "app/ProjectSchema.h"

namespace skyrig::cli {

namespace {

const bool registered = registerSubcommand(
    {50, "schema", "Print the JSON schema of the project file skyrig.json",
     [](CLI::App&) -> SubcommandAction {
       return [] {
         std::cout << projectFileSchema() << std::flush;
         return std::cout ? kExitSuccess : kExitStopped;
       };
     }});

}  // namespace

}  // namespace skyrig::cli
