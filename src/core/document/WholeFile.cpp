#include "document/WholeFile.h"

#include <memory>

#include "seams/Paths.h"

namespace skyrig {

WholeFileResult readWholeFile(const Paths& paths, std::string_view systemPath, std::string& bytes) {
  std::unique_ptr<std::FILE, FileCloser> file(paths.openForReading(systemPath));
  if (!file) return WholeFileResult::CannotOpen;
  bytes.clear();
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  return std::ferror(file.get()) ? WholeFileResult::ReadFailed : WholeFileResult::Ok;
}

}  // namespace skyrig
