// A file written whole or not at all. The text goes to a temporary file in the target's
// folder, which replaces the target (by rename) only when every byte has been written and
// flushed; until then, and after any failure, the previous file stays as it was.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "seams/Paths.h"

namespace skyrig {

class OutputFile {
 public:
  OutputFile() = default;
  // Creates the target's folder when missing and opens the temporary file; on failure the
  // file is closed and error() says why.
  OutputFile(const Paths& paths, std::string_view systemPath);
  explicit OutputFile(const std::filesystem::path& target);
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&& other) noexcept;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // An uncommitted file is discarded.
  ~OutputFile();

  explicit operator bool() const { return file_ != nullptr; }
  std::FILE* get() const { return file_; }

  // Checks that everything was written, flushes, closes and renames the temporary over the
  // target. False with error() set when any step fails; the temporary is removed then.
  bool commit();
  // Closes and removes the temporary; the target stays as it was.
  void discard();

  // Why opening or committing failed ("the disk is full", "permission denied", ...).
  const std::string& error() const { return error_; }
  const std::filesystem::path& target() const { return target_; }

 private:
  void fail(int errorNumber);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  std::string error_;
};

// Plain words for an errno value, for messages.
std::string describeFileError(int errorNumber);

}  // namespace skyrig
