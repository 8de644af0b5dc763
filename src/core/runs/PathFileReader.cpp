#include "runs/PathFileReader.h"

#include "seams/Ui.h"

namespace skyrig {

PathFileReader::PathFileReader(const Paths& paths, Ui& ui, const Routing& routing,
                               std::int32_t nodeCount, EmptyPath emptyPath)
    : paths_(paths),
      ui_(ui),
      name_(routing.pathFile),
      solution_(routing.solution),
      nodeCount_(nodeCount),
      emptyPath_(emptyPath) {
  if (solution_) {
    entryCount_ = solution_->saleCount();
    return;
  }
  file_ = openInputFile(paths, ui, routing.pathFile);
  if (!file_) return;
  int ignored = 0;
  if (std::fscanf(file_.get(), "%d %d", &ignored, &entryCount_) != 2 || entryCount_ < 0) {
    reportDamage("its head");
    file_.reset();
  }
}

void PathFileReader::reportDamage(std::string_view what) {
  ui_.message("The path file " + paths_.displayName(name_) + " is damaged or belongs to another "
                  "network (" + std::string(what) + "); the reading stops there.",
              MessageIcon::Exclamation);
  stopped_ = true;
  damaged_ = true;
}

bool PathFileReader::readHead(PathEntry& entry, int& nodeCount) {
  if (solution_) {
    entry.sale = entriesRead_ + 1;
    entry.volume = solution_->volume[static_cast<std::size_t>(entry.sale)];
    nodeCount = solution_->pathLength[static_cast<std::size_t>(entry.sale)];
    return true;
  }
  return std::fscanf(file_.get(), "%d %f %d", &entry.sale, &entry.volume, &nodeCount) == 3;
}

bool PathFileReader::readNode(std::size_t k, std::int32_t& node) {
  if (solution_) {
    node = solution_->path(entriesRead_ + 1)[k];
    return true;
  }
  return std::fscanf(file_.get(), "%d", &node) == 1;
}

bool PathFileReader::next(PathEntry& entry) {
  if (!isOpen() || stopped_ || entriesRead_ >= entryCount_) return false;
  const std::string where = "entry " + std::to_string(entriesRead_ + 1);
  int nodeCount = 0;
  if (!readHead(entry, nodeCount)) {
    reportDamage(where);
    return false;
  }
  // A path never visits a node twice, so it cannot be longer than the node table.
  if (nodeCount > nodeCount_) {
    reportDamage(where);
    return false;
  }
  if (nodeCount < 1) {
    entry.nodes.clear();
    if (emptyPath_ == EmptyPath::Stop) {
      ui_.message("One of the sales could not be found.", MessageIcon::Exclamation);
      stopped_ = true;
      return false;
    }
    ++entriesRead_;
    return true;
  }
  entry.nodes.resize(static_cast<std::size_t>(nodeCount));
  for (std::size_t k = 0; k < entry.nodes.size(); ++k) {
    std::int32_t& node = entry.nodes[k];
    if (!readNode(k, node) || node < 1 || node > nodeCount_) {
      reportDamage(where);
      return false;
    }
  }
  ++entriesRead_;
  return true;
}

bool PathFileReader::readTrailer() {
  if (solution_) return !stopped_;
  if (!file_ || stopped_) return false;
  double totals[3];
  return std::fscanf(file_.get(), "%lf %lf %lf", &totals[0], &totals[1], &totals[2]) == 3;
}

}  // namespace skyrig
