#include "view/MouseHandlers.h"

#include "app/AppContext.h"

namespace skyrig {

void handleMouse(AppContext& /*app*/, MouseAction /*action*/, int /*logicalX*/,
                 int /*logicalY*/) {}

}  // namespace skyrig
