#include "rule_file.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "core/text.h"

namespace lumeno::refgen {

std::vector<RuleLine> ReadRules(const std::string& path, const std::vector<std::string>& required) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<RuleLine> lines;
  std::vector<std::string> header;
  int lineNo = 0;
  std::string line;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Trim(line).empty() || line[0] == '#') continue;
    std::string where = path + ":" + std::to_string(lineNo);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
      std::size_t tab = line.find('\t', start);
      fields.push_back(Trim(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    if (header.empty()) {
      header = fields;
      for (const std::string& name : required)
        if (std::find(header.begin(), header.end(), name) == header.end())
          throw std::runtime_error(where + ": header must name column " + name);
      continue;
    }
    if (fields.size() > header.size()) throw std::runtime_error(where + ": more fields than columns");
    RuleLine rule;
    rule.where = where;
    for (std::size_t i = 0; i < fields.size(); ++i) rule.fields[header[i]] = fields[i];
    for (const std::string& name : required)
      if (rule.Get(name).empty()) throw std::runtime_error(where + ": column " + name + " is empty");
    lines.push_back(std::move(rule));
  }
  if (header.empty()) throw std::runtime_error(path + ": no header line");
  return lines;
}

CodePoint SingleCharacter(const RuleLine& rule, const std::string& column) {
  std::vector<CodePoint> cps = DecodeUtf8(rule.Get(column));
  if (cps.size() != 1 || cps[0] < 0x2E80)
    throw std::runtime_error(rule.where + ": column " + column + " must hold one Chinese character");
  return cps[0];
}

}  // namespace lumeno::refgen
