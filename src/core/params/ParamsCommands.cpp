// Binds the parameter forms to the command table.
#include "app/CommandTable.h"

namespace skyrig {

void bindParamsCommands(CommandTable& /*table*/) {}

}  // namespace skyrig
