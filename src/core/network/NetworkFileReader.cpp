#include "network/NetworkFileReader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace skyrig {

namespace {

class LineReader {
 public:
  LineReader(const std::filesystem::path& file, std::string& error)
      : name_(file.string()), error_(error) {
    std::error_code ec;
    // A folder opens as a stream that reads nothing; it must not pass for an empty file.
    if (std::filesystem::is_directory(file, ec)) {
      error_ = name_ + ": is a folder, not a file";
      return;
    }
    in_.open(file, std::ios::binary);
    if (!in_) error_ = name_ + ": cannot be opened";
  }
  bool opened() const { return error_.empty(); }
  bool readToEnd() const { return error_.empty(); }

  // The fields of the next line that is not blank; false at the end of the file.
  bool next(std::vector<std::string>& fields) {
    std::string line;
    while (std::getline(in_, line)) {
      ++number_;
      fields.clear();
      std::istringstream words(line);
      std::string word;
      while (words >> word) fields.push_back(word);
      if (!fields.empty()) return true;
    }
    if (in_.bad()) error_ = name_ + ": could not be read to its end";
    return false;
  }

  bool fail(const std::string& problem) {
    error_ = name_ + " line " + std::to_string(number_) + ": " + problem;
    return false;
  }

 private:
  std::ifstream in_;
  std::string name_;
  std::string& error_;
  int number_ = 0;
};

bool parseCost(const std::string& text, float& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtof(text.c_str(), &end);
  return end != text.c_str() && *end == '\0' && std::isfinite(value);
}

bool parsePeriod(const std::string& text, std::int16_t& value) {
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0' || errno != 0 || number < INT16_MIN ||
      number > INT16_MAX)
    return false;
  value = static_cast<std::int16_t>(number);
  return true;
}

std::string nameProblem(const std::string& name) {
  return "node name \"" + name + "\" is longer than 10 characters";
}

}  // namespace

bool readLinkFile(const std::filesystem::path& file, LinkTable& links, std::string& error) {
  links.clear();
  error.clear();
  LineReader reader(file, error);
  if (!reader.opened()) return false;
  const auto refuse = [&](const std::string& problem) {
    links.clear();
    return reader.fail(problem);
  };
  std::vector<std::string> f;
  while (reader.next(f)) {
    LinkRecord link;
    if (f.size() != 4)
      return refuse("expected four fields: from node, to node, variable cost, fixed cost");
    if (!assignNodeName(link.from, f[0])) return refuse(nameProblem(f[0]));
    if (!assignNodeName(link.to, f[1])) return refuse(nameProblem(f[1]));
    if (!parseCost(f[2], link.variableCost))
      return refuse("variable cost \"" + f[2] + "\" is not a number");
    if (!parseCost(f[3], link.fixedCost))
      return refuse("fixed cost \"" + f[3] + "\" is not a number");
    if (!links.append(link)) return refuse("more than 500,001 links, the link table's capacity");
  }
  if (!reader.readToEnd()) links.clear();
  return reader.readToEnd();
}

bool readSaleFile(const std::filesystem::path& file, SaleTable& sales, std::string& error) {
  sales.clear();
  error.clear();
  LineReader reader(file, error);
  if (!reader.opened()) return false;
  const auto refuse = [&](const std::string& problem) {
    sales.clear();
    return reader.fail(problem);
  };
  std::vector<std::string> f;
  while (reader.next(f)) {
    SaleRecord sale;
    if (f.size() != 4)
      return refuse("expected four fields: entry node, destination node, volume, period");
    if (!assignNodeName(sale.entry, f[0])) return refuse(nameProblem(f[0]));
    if (!assignNodeName(sale.destination, f[1])) return refuse(nameProblem(f[1]));
    if (!parseCost(f[2], sale.volume)) return refuse("volume \"" + f[2] + "\" is not a number");
    if (!parsePeriod(f[3], sale.period))
      return refuse("period \"" + f[3] + "\" is not a 16-bit integer");
    if (!sales.append(sale)) return refuse("more than 20,001 sales, the sale table's capacity");
  }
  if (!reader.readToEnd()) sales.clear();
  return reader.readToEnd();
}

}  // namespace skyrig
