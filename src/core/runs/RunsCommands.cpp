// Binds the runs operations to the command table.
#include "app/CommandTable.h"

namespace skyrig {

void bindRunsCommands(CommandTable& /*table*/) {}

}  // namespace skyrig
