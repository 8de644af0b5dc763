// Binds the layers operations to the command table.
#include "app/CommandTable.h"

namespace skyrig {

void bindLayersCommands(CommandTable& /*table*/) {}

}  // namespace skyrig
