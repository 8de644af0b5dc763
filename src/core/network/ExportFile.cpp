#include "network/ExportFile.h"

#include <string>

#include "seams/Ui.h"

namespace skyrig {

void writeLinkLine(std::FILE* file, const LinkRecord& link) {
  std::fprintf(file, "%s\t%s\t%10.2f\t%10.2f\n", link.from.text, link.to.text,
               static_cast<double>(link.variableCost), static_cast<double>(link.fixedCost));
}

void writeSaleLine(std::FILE* file, const SaleRecord& sale) {
  std::fprintf(file, "%s\t%s\t%10.2f\t%d\n", sale.entry.text, sale.destination.text,
               static_cast<double>(sale.volume), static_cast<int>(sale.period));
}

ExportFile::ExportFile(const Paths& paths, Ui& ui, std::string_view systemPath)
    : file_(paths.openForWriting(systemPath)) {
  if (!file_)
    ui.message("The file " + paths.displayName(systemPath) +
                   " cannot be created; the tables are built without it.",
               MessageIcon::Exclamation);
}

void ExportFile::write(const LinkRecord& link) {
  if (file_) writeLinkLine(file_.get(), link);
}

void ExportFile::write(const SaleRecord& sale) {
  if (file_) writeSaleLine(file_.get(), sale);
}

}  // namespace skyrig
