// Reads a solver path file the way every reader of the runs, results and reports does: an
// integer (ignored), the entry count N, then per entry the sale number, the volume, the node
// count K and K node numbers (entry node first); the trailer of three totals is read only on
// request. Node numbers are positions in the node table of the last Prepare.
// A routing the solver handed back in memory is read the same way, entry by entry with the
// same checks and messages, in place of the path file it wrote.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runs/Routing.h"
#include "runs/RunFiles.h"

namespace skyrig {

class Ui;

struct PathEntry {
  std::int32_t sale = 0;
  float volume = 0;
  std::vector<std::int32_t> nodes;  // entry node first
};

class PathFileReader {
 public:
  // Whether an entry with no nodes ends the reading ("One of the sales could not be found.",
  // the rule of the runs and the mileage report) or is handed on (the cable and road reports).
  enum class EmptyPath { Stop, Pass };

  // `nodeCount` is the size of the current node table: a node number outside 1..nodeCount
  // means the file belongs to another network and ends the reading with a message.
  PathFileReader(const Paths& paths, Ui& ui, const Routing& routing, std::int32_t nodeCount,
                 EmptyPath emptyPath = EmptyPath::Stop);

  // False (after one message naming the file) when the file cannot be opened or its head
  // cannot be read.
  bool isOpen() const { return solution_ != nullptr || static_cast<bool>(file_); }
  // True once the file turned out damaged or foreign (a message was shown); a node count
  // below 1 is not damage.
  bool damaged() const { return damaged_; }
  std::int32_t entryCount() const { return entryCount_; }

  // Reads the next entry. False at the end of the entries, or at an entry that ends the
  // reading (message shown); entries read before it stay valid.
  bool next(PathEntry& entry);
  // Reads the three totals that follow the last entry; false when they are not there.
  bool readTrailer();

 private:
  void reportDamage(std::string_view what);
  // The next entry's sale, volume and node count; false when they cannot be read.
  bool readHead(PathEntry& entry, int& nodeCount);
  bool readNode(std::size_t k, std::int32_t& node);

  const Paths& paths_;
  Ui& ui_;
  std::string name_;
  const Solution* solution_;
  FileHandle file_;
  std::int32_t nodeCount_;
  EmptyPath emptyPath_;
  std::int32_t entryCount_ = 0;
  std::int32_t entriesRead_ = 0;
  bool stopped_ = false;
  bool damaged_ = false;
};

}  // namespace skyrig
