#include "runs/RunFiles.h"

#include <filesystem>
#include <system_error>

#include "app/Ui.h"

namespace skyrig {

std::string iterationResultsFile(int iteration) {
  return "E:\\thesis\\output\\T&ResultsSep" + std::to_string(iteration) + ".txt";
}

std::string iterationLogFile(std::string_view prefix, int iteration) {
  return std::string(prefix) + std::to_string(iteration) + ".txt";
}

FileHandle createOutputFile(const Paths& paths, Ui& ui, std::string_view systemPath) {
  FileHandle file(paths.openForWriting(systemPath));
  if (!file)
    ui.message("The file " + paths.displayName(systemPath) + " cannot be created.",
               MessageIcon::Exclamation);
  return file;
}

FileHandle openInputFile(const Paths& paths, Ui& ui, std::string_view systemPath) {
  FileHandle file(paths.openForReading(systemPath));
  if (!file)
    ui.message("The file " + paths.displayName(systemPath) + " cannot be opened.",
               MessageIcon::Exclamation);
  return file;
}

bool copyFile(const Paths& paths, Ui& ui, std::string_view from, std::string_view to) {
  FileHandle in = openInputFile(paths, ui, from);
  if (!in) return false;
  FileHandle out = createOutputFile(paths, ui, to);
  if (!out) return false;
  char buffer[65536];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
    if (n > 0 && std::fwrite(buffer, 1, n, out.get()) != n) break;
    if (n < sizeof buffer) {
      if (std::ferror(in.get())) break;
      if (std::fflush(out.get()) == 0) return true;
      break;
    }
  }
  ui.message("The file " + paths.displayName(to) + " could not be written completely.",
             MessageIcon::Exclamation);
  return false;
}

void removeStaleFile(const Paths& paths, std::string_view systemPath) {
  std::error_code ec;
  std::filesystem::remove(paths.resolve(systemPath), ec);
}

void appendCancelledNote(const Paths& paths, std::string_view systemPath) {
  if (systemPath.empty()) return;
  FileHandle file(std::fopen(paths.resolve(systemPath).string().c_str(), "ab"));
  if (file) std::fwrite(kCancelledNote.data(), 1, kCancelledNote.size(), file.get());
}

}  // namespace skyrig
