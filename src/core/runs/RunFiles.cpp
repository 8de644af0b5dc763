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

OutputFile createOutputFile(const Paths& paths, Ui& ui, std::string_view systemPath) {
  OutputFile file(paths, systemPath);
  if (!file)
    ui.message("The file " + paths.displayName(systemPath) + " cannot be created: " +
                   file.error() + ".",
               MessageIcon::Exclamation);
  return file;
}

bool finishOutputFile(Ui& ui, OutputFile& file) {
  if (file.commit()) return true;
  ui.message("The file " + file.target().lexically_normal().string() +
                 " could not be written: " + file.error() + ". The previous file is kept.",
             MessageIcon::Exclamation);
  return false;
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
  OutputFile out = createOutputFile(paths, ui, to);
  if (!out) return false;
  char buffer[65536];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
    if (std::fwrite(buffer, 1, n, out.get()) != n) break;
  if (std::ferror(in.get())) {
    ui.message("The file " + paths.displayName(from) + " could not be read to its end.",
               MessageIcon::Exclamation);
    return false;
  }
  return finishOutputFile(ui, out);
}

void appendCancelledNote(const Paths& paths, std::string_view systemPath) {
  if (systemPath.empty()) return;
  FileHandle file(std::fopen(paths.resolve(systemPath).string().c_str(), "ab"));
  if (file) std::fwrite(kCancelledNote.data(), 1, kCancelledNote.size(), file.get());
}

}  // namespace skyrig
