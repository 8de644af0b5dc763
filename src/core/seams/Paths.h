// Maps the system's fixed drive-letter paths ("E:/thesis/...", "e:\thesis\output\...") onto a
// workspace root chosen by the user. Drive-letter case and slash direction do not matter; the
// part after "thesis" is kept as written. A path without a drive letter is used as it stands
// (relative to the root when relative).
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace skyrig {

class Paths {
 public:
  explicit Paths(std::filesystem::path root = ".") : root_(std::move(root)) {}

  const std::filesystem::path& root() const { return root_; }
  void setRoot(std::filesystem::path root) { root_ = std::move(root); }

  std::filesystem::path resolve(std::string_view systemPath) const;

  // Opens a file for reading as bytes; nullptr when it cannot be opened.
  std::FILE* openForReading(std::string_view systemPath) const;
  // Creates or truncates a file for writing, creating missing folders; nullptr on failure.
  std::FILE* openForWriting(std::string_view systemPath) const;
  // Display form of a resolved path, for messages.
  std::string displayName(std::string_view systemPath) const;

 private:
  std::filesystem::path root_;
};

// Closes a FILE* when it goes out of scope.
struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};

}  // namespace skyrig
