#include "seams/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace skyrig {

namespace {

// A name no other writer in this or another process uses at the same time.
std::filesystem::path temporaryName(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  return target.parent_path() / ("." + target.filename().string() + ".tmp" +
                                 std::to_string(getpid()) + "-" + std::to_string(++counter));
}

// The errno of a write failure no longer at hand: a full file system, or an I/O error.
int guessWriteError(const std::filesystem::path& file) {
  struct statvfs space {};
  if (::statvfs(file.parent_path().empty() ? "." : file.parent_path().c_str(), &space) == 0 &&
      space.f_bavail == 0)
    return ENOSPC;
  return EIO;
}

}  // namespace

std::string describeFileError(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
      return "the disk is full";
    case EACCES:
    case EPERM:
      return "permission denied";
    case EROFS:
      return "the file system is read-only";
    case ENOENT:
      return "the folder does not exist";
    case EISDIR:
      return "a folder has that name";
    case ENOTDIR:
      return "a part of the path is not a folder";
    default:
      return std::strerror(errorNumber);
  }
}

OutputFile::OutputFile(const Paths& paths, std::string_view systemPath)
    : OutputFile(paths.resolve(systemPath)) {}

OutputFile::OutputFile(const std::filesystem::path& target) : target_(target) {
  std::error_code ec;
  if (target_.has_parent_path()) std::filesystem::create_directories(target_.parent_path(), ec);
  if (std::filesystem::is_directory(target_, ec)) {
    fail(EISDIR);
    return;
  }
  temporary_ = temporaryName(target_);
  const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    fail(errno);
    return;
  }
  // The replacement keeps the permissions of the file it replaces.
  struct stat old {};
  if (::stat(target_.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    const int e = errno;
    ::close(fd);
    fail(e);
  }
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)),
      file_(std::exchange(other.file_, nullptr)),
      error_(std::move(other.error_)) {
  other.temporary_.clear();
}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
  if (this != &other) {
    discard();
    target_ = std::move(other.target_);
    temporary_ = std::move(other.temporary_);
    other.temporary_.clear();
    file_ = std::exchange(other.file_, nullptr);
    error_ = std::move(other.error_);
  }
  return *this;
}

OutputFile::~OutputFile() { discard(); }

void OutputFile::fail(int errorNumber) {
  error_ = describeFileError(errorNumber != 0 ? errorNumber : EIO);
  discard();
}

void OutputFile::discard() {
  if (file_) std::fclose(std::exchange(file_, nullptr));
  if (!temporary_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
    temporary_.clear();
  }
}

bool OutputFile::commit() {
  if (!file_) {
    if (error_.empty()) error_ = describeFileError(EBADF);
    return false;
  }
  errno = 0;
  // A write that failed earlier (a full disk) leaves the error flag; the flush reports what
  // is still buffered.
  if (std::fflush(file_) != 0 || std::ferror(file_)) {
    fail(errno != 0 ? errno : guessWriteError(temporary_));
    return false;
  }
  std::FILE* file = std::exchange(file_, nullptr);
  if (std::fclose(file) != 0) {
    fail(errno);
    return false;
  }
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    fail(errno);
    return false;
  }
  temporary_.clear();
  return true;
}

}  // namespace skyrig
