#include <gtest/gtest.h>

#include "app/CommandTable.h"

namespace skyrig {
namespace {

// Every command a menu or the tool bar offers as a core operation runs one; the commands that
// are never available stay so; every tool-bar button names a command of the table.
TEST(CommandTable, EveryMenuCommandIsBoundToAnOperation) {
  const CommandTable& table = CommandTable::instance();
  for (const Command& command : table.commands()) {
    if (command.kind == CommandKind::Operation) {
      EXPECT_TRUE(static_cast<bool>(command.operation)) << command.displayPath() << " is unbound";
    }
    EXPECT_EQ(command.available(), command.kind != CommandKind::Unavailable)
        << command.displayPath();
  }
  for (const std::string& id : table.toolBar())
    if (!id.empty()) {
      EXPECT_NE(table.findById(id), nullptr) << id;
    }
}

}  // namespace
}  // namespace skyrig
