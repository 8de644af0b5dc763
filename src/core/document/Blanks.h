// Fixed-width texts (cable system names, form labels) without the blanks that pad them.
#pragma once

#include <string>
#include <string_view>

namespace skyrig {

inline std::string trimmedBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace skyrig
