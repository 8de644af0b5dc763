// Binds the view operations to the command table.
#include "app/CommandTable.h"

namespace skyrig {

void bindViewCommands(CommandTable& /*table*/) {}

}  // namespace skyrig
