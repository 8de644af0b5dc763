// Qt's own diagnostics (platform and runtime-folder notes) stay off the terminal of the
// headless runner unless --verbose asks for them.
#pragma once

namespace skyrig::cli {

void routeQtMessages(bool verbose);

}  // namespace skyrig::cli
