// Binds the cable operations to the command table.
#include "app/CommandTable.h"

namespace skyrig {

void bindCableCommands(CommandTable& /*table*/) {}

}  // namespace skyrig
