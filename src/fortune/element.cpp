#include "fortune/element.h"

#include "core/gbk.h"
#include "core/text.h"

namespace lumeno::fortune {

std::string ElementQuerySql(const std::string& piece) {
  const std::string quoted = QuotedSql(piece);
  return "select wuhang from word where zi = " + quoted + " or ft = " + quoted + " ";
}

std::string CharacterElementOf(const std::string& character, data::Query& query) {
  query.Close();
  query.ClearSql();
  query.SetSql(ElementQuerySql(character));
  query.Open();
  std::string element;
  if (query.RecordCount() > 0) element = query.Result().First(0).AsTrimmedText();
  query.Close();
  return element;
}

std::vector<std::string> BytePairs(const std::string& text) {
  std::vector<std::string> pieces;
  for (std::size_t pos = 0; pos < kElementInputBytes && pos < text.size(); pos += 2)
    pieces.push_back(text.substr(pos, 2));
  return pieces;
}

std::string CutToBytes(const std::string& gbk, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < gbk.size()) {
    const std::size_t n = GbkCharLength(gbk, end);
    if (end + n > maxBytes) break;
    end += n;
  }
  return gbk.substr(0, end);
}

std::optional<std::string> ElementsOfText(const std::string& input, data::Query& query) {
  const std::string s = Trim(input);
  if (s.empty()) return std::nullopt;
  std::string result;
  for (const std::string& piece : BytePairs(s)) result += CharacterElementOf(piece, query);
  return result;
}

}  // namespace lumeno::fortune
