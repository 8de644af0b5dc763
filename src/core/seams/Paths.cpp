#include "seams/Paths.h"

#include <cctype>
#include <system_error>

namespace skyrig {

namespace {

bool isSeparator(char ch) { return ch == '/' || ch == '\\'; }

std::string withForwardSlashes(std::string_view text) {
  std::string out(text);
  for (char& ch : out)
    if (ch == '\\') ch = '/';
  return out;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

}  // namespace

std::filesystem::path Paths::resolve(std::string_view systemPath) const {
  const bool hasDrive = systemPath.size() >= 2 &&
                        std::isalpha(static_cast<unsigned char>(systemPath[0])) &&
                        systemPath[1] == ':';
  if (!hasDrive) {
    std::filesystem::path p(withForwardSlashes(systemPath));
    return p.is_absolute() ? p : root_ / p;
  }
  std::string_view rest = systemPath.substr(2);
  while (!rest.empty() && isSeparator(rest.front())) rest.remove_prefix(1);
  // "thesis" is the workspace root itself.
  if (startsWithIgnoringCase(rest, "thesis") &&
      (rest.size() == 6 || isSeparator(rest[6]))) {
    rest.remove_prefix(6);
    while (!rest.empty() && isSeparator(rest.front())) rest.remove_prefix(1);
  }
  return root_ / std::filesystem::path(withForwardSlashes(rest));
}

std::FILE* Paths::openForReading(std::string_view systemPath) const {
  const std::filesystem::path p = resolve(systemPath);
  std::error_code ec;
  if (std::filesystem::is_directory(p, ec)) return nullptr;
  return std::fopen(p.string().c_str(), "rb");
}

std::FILE* Paths::openForWriting(std::string_view systemPath) const {
  const std::filesystem::path p = resolve(systemPath);
  std::error_code ec;
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
  return std::fopen(p.string().c_str(), "wb");
}

std::string Paths::displayName(std::string_view systemPath) const {
  return resolve(systemPath).lexically_normal().string();
}

}  // namespace skyrig
