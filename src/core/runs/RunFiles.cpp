#include "runs/RunFiles.h"

#include <filesystem>
#include <system_error>

#include "seams/Ui.h"

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
  bool ok = true;
  std::size_t n = 0;
  while (ok && (n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
    ok = std::fwrite(buffer, 1, n, out.get()) == n;
  if (ok && !std::ferror(in.get()) && std::fflush(out.get()) == 0) return true;
  ui.message("The file " + paths.displayName(to) + " could not be written completely.",
             MessageIcon::Exclamation);
  return false;
}

void removeStaleFile(const Paths& paths, std::string_view systemPath) {
  std::error_code ec;
  const std::filesystem::path file = paths.resolve(systemPath);
  if (std::filesystem::is_regular_file(file, ec)) std::filesystem::remove(file, ec);
}

void appendCancelledNote(const Paths& paths, std::string_view systemPath) {
  if (systemPath.empty()) return;
  FileHandle file(std::fopen(paths.resolve(systemPath).string().c_str(), "ab"));
  if (file) std::fwrite(kCancelledNote.data(), 1, kCancelledNote.size(), file.get());
}

}  // namespace skyrig
