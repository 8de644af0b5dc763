// The status bar line after a command: what it loaded, wrote or placed, so a command that
// draws nothing still says what happened.
#pragma once

#include <QString>
#include <string_view>

namespace skyrig {
struct AppContext;
}

namespace skyrig::gui {

// "" when the command has nothing to report (or showed a message instead).
QString commandFeedback(std::string_view id, const AppContext& app, bool messageShown);

}  // namespace skyrig::gui
