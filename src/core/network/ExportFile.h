// The link and sale export files: one tab-separated line per link or sale, in the order the
// builders append them. A file that cannot be created or written gives one message; building
// goes on. The file replaces the previous one when the builder is done with it, and only when
// it holds at least one line: a run that builds nothing keeps the last good run's file.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "document/NetworkTables.h"
#include "seams/OutputFile.h"
#include "seams/Paths.h"

namespace skyrig {

class Ui;

inline constexpr std::string_view kCableLinkFile = "e:\\thesis\\output\\cablematrix.txt";
inline constexpr std::string_view kRoadLinkFile = "e:\\thesis\\output\\roadmatrix.txt";
inline constexpr std::string_view kCableSaleFile = "e:\\thesis\\output\\salecablematrix.txt";
inline constexpr std::string_view kRoadSaleFile = "e:\\thesis\\output\\saleroadmatrix.txt";

// "%s\t%s\t%10.2f\t%10.2f\n": from, to, variable cost, fixed cost.
void writeLinkLine(std::FILE* file, const LinkRecord& link);
// "%s\t%s\t%10.2f\t%d\n": entry, destination, volume, period.
void writeSaleLine(std::FILE* file, const SaleRecord& sale);

class ExportFile {
 public:
  // Creates or truncates the file; on failure shows one message and writes nothing.
  ExportFile(const Paths& paths, Ui& ui, std::string_view systemPath);
  ExportFile(const ExportFile&) = delete;
  ExportFile& operator=(const ExportFile&) = delete;
  ~ExportFile();

  void write(const LinkRecord& link);
  void write(const SaleRecord& sale);

 private:
  OutputFile file_;
  Ui& ui_;
  std::string name_;
  long lines_ = 0;
};

}  // namespace skyrig
