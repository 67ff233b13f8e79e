// Temporary pass-through translation; replaced by the dialect parser.
#include "data/jet_sql.h"

#include <regex>

#include "data/database.h"

namespace lumeno::data {

std::string TranslateJetSql(std::string_view utf8Sql) {
  std::string s(utf8Sql);
  std::smatch m;
  static const std::regex top(R"(\btop\s+(\d+)\s)", std::regex::icase);
  if (std::regex_search(s, m, top)) {
    std::string n = m[1];
    s = m.prefix().str() + " " + m.suffix().str() + " LIMIT " + n;
  }
  return s;
}

void RegisterJetFunctions(void*) {}

}  // namespace lumeno::data
