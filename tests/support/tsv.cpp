#include "support/tsv.h"

#include <gtest/gtest.h>

#include <fstream>

namespace lumeno::testing {

std::vector<std::vector<std::string>> ReadTsv(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << "cannot read " << path;
  std::vector<std::vector<std::string>> rows;
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (header) {
      header = false;
      continue;
    }
    std::vector<std::string> fields;
    for (std::size_t pos = 0;;) {
      const std::size_t tab = line.find('\t', pos);
      fields.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
      if (tab == std::string::npos) break;
      pos = tab + 1;
    }
    rows.push_back(std::move(fields));
  }
  return rows;
}

}  // namespace lumeno::testing
