// What to do first, in the planner's words, after a message that says a command lacks its
// input ("No sale data are available. Please check your sale file."): the specified message
// stays and the step to run first follows it, found from what the project holds now.
#pragma once

#include <string>
#include <string_view>

namespace skyrig {
struct AppContext;
}

namespace skyrig::gui {

// "" when the message is not about a missing step, else "\n\n" and the step to take first.
std::string prerequisiteHint(std::string_view message, const AppContext& app);

}  // namespace skyrig::gui
