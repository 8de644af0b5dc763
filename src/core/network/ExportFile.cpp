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
    : file_(paths, systemPath), ui_(ui), name_(paths.displayName(systemPath)) {
  if (!file_)
    ui.message("The file " + name_ + " cannot be created (" + file_.error() +
                   "); the tables are built without it.",
               MessageIcon::Exclamation);
}

ExportFile::~ExportFile() {
  if (!file_ || lines_ == 0) return;  // discarded: the previous file stays
  if (!file_.commit())
    ui_.message("The file " + name_ + " could not be written (" + file_.error() +
                    "); the previous file is kept and the tables are built without it.",
                MessageIcon::Exclamation);
}

void ExportFile::write(const LinkRecord& link) {
  if (!file_) return;
  writeLinkLine(file_.get(), link);
  ++lines_;
}

void ExportFile::write(const SaleRecord& sale) {
  if (!file_) return;
  writeSaleLine(file_.get(), sale);
  ++lines_;
}

}  // namespace skyrig
