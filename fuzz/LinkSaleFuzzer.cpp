// The command-line solver's link and sale file readers on any input.
#include <memory>

#include "FuzzApp.h"
#include "network/NetworkFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  static auto tables = std::make_unique<NetworkTables>();
  const std::filesystem::path file = f.root / f.writeInput("matrix.txt", data, size);
  std::string error;
  readLinkFile(file, tables->links, error);
  readSaleFile(file, tables->sales, error);
  return 0;
}
