#pragma once
#include <string>
#include <vector>

namespace lumeno::testing {

// The tab-separated fields of the lines of a UTF-8 table file after its
// header line; empty lines and lines starting with '#' are skipped. A file
// that cannot be read fails the test and gives no rows.
std::vector<std::vector<std::string>> ReadTsv(const std::string& path);

}  // namespace lumeno::testing
