// Reads link and sale files in the export formats (four white-space separated fields per line:
// from, to, variable cost, fixed cost; or entry, destination, volume, period), for the
// command-line solver. Blank lines are skipped; anything else malformed is refused with its
// line number and the table is left empty.
#pragma once

#include <filesystem>
#include <string>

#include "document/NetworkTables.h"

namespace skyrig {

// False with `error` ("FILE line N: ...") when the file cannot be read or a line is refused.
bool readLinkFile(const std::filesystem::path& file, LinkTable& links, std::string& error);
bool readSaleFile(const std::filesystem::path& file, SaleTable& sales, std::string& error);

}  // namespace skyrig
