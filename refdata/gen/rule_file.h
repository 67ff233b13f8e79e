#pragma once
// Rule files under refdata/rules/: UTF-8, tab-separated, '#' comment lines,
// a header line naming the columns. Every malformed line stops the build
// with its place.
#include <map>
#include <string>
#include <vector>

#include "unihan.h"

namespace lumeno::refgen {

struct RuleLine {
  std::string where;                          // "path:line" for messages
  std::map<std::string, std::string> fields;  // by column name, trimmed; absent columns are missing
  // The field, or "" when the line leaves it out.
  std::string Get(const std::string& column) const {
    auto it = fields.find(column);
    return it == fields.end() ? std::string() : it->second;
  }
};

// The lines of a rule file; `required` columns must be named in the header
// and filled on every line.
std::vector<RuleLine> ReadRules(const std::string& path, const std::vector<std::string>& required);

// The one Chinese character of a column; anything else stops the build.
CodePoint SingleCharacter(const RuleLine& rule, const std::string& column);

}  // namespace lumeno::refgen
