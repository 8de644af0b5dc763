// The command table: every command of the menus and the tool bar with its menu path, text,
// accelerator and tool-bar slot, and the operation it runs. The GUI builds its menus and tool
// bar from it; the headless runner runs commands by their menu path.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "view/AppContext.h"

namespace skyrig {

enum class CommandKind {
  Operation,   // runs a core operation (unavailable until one is bound)
  Framework,   // handled by the desktop shell (file dialogs, printing, bars, help, about)
  NoEffect,    // available and returns at once
  Unavailable  // no operation: always shown unavailable
};

using CommandOperation = std::function<void(AppContext&)>;

struct Command {
  std::string id;          // stable identifier, e.g. "FileOpenDtm"
  std::string menu;        // menu levels joined by '>', with '&' accelerator marks: "File>Open DTM"
  std::string text;        // menu text with '&' marks: "Open DTM"
  std::string accelerator; // e.g. "Ctrl+N"; empty when none
  CommandKind kind = CommandKind::Operation;
  CommandOperation operation;  // empty when not bound

  bool available() const {
    return kind == CommandKind::NoEffect || kind == CommandKind::Framework ||
           (kind == CommandKind::Operation && static_cast<bool>(operation));
  }
  // "File > Open DTM": the menu path as the menus show it, '&' marks left out.
  std::string displayPath() const;
};

class CommandTable {
 public:
  // The whole command set with every core operation bound.
  static const CommandTable& instance();

  const std::vector<Command>& commands() const { return commands_; }
  const Command* findById(std::string_view id) const;
  // Finds a command by "File > Open DTM" (spaces around '>' optional, '&' marks ignored).
  const Command* findByPath(std::string_view path) const;
  // Tool-bar buttons in order; an empty id marks a separator.
  const std::vector<std::string>& toolBar() const { return toolBar_; }

  void bind(std::string_view id, CommandOperation operation);

 private:
  CommandTable();
  std::vector<Command> commands_;
  std::vector<std::string> toolBar_;
};

// Each subsystem binds its operations to the table by command id.
void bindDocumentCommands(CommandTable& table);
void bindParamsCommands(CommandTable& table);
void bindViewCommands(CommandTable& table);
void bindCableCommands(CommandTable& table);
void bindRunsCommands(CommandTable& table);
void bindLayersCommands(CommandTable& table);

// Runs a command by id; false when the command is unknown or unavailable.
bool runCommand(std::string_view id, AppContext& context);

}  // namespace skyrig
