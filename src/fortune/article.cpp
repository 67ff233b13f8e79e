#include "fortune/article.h"

#include "core/error.h"
#include "core/text.h"
#include "data/query.h"

namespace lumeno::fortune {

const char* const kArticleDefaultTitle = "算命";

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  return lines;
}

std::string LoadArticle(const std::string& code, lumeno::Pane& pane) {
  data::ResultSet r;
  try {
    r = data::RunQuery(data::DatabaseFile::VelBirth, "select Tite,content from Noter where Cid = " + QuotedSql(code));
  } catch (const data::DataError& e) {
    throw CommandCancelled(e.what());
  }
  if (r.IsEmpty()) {
    pane.ClearPane();
    return kArticleDefaultTitle;
  }
  for (const std::string& line : SplitLines(r.First(1).AsTrimmedText())) pane.AppendLine(line);
  return r.First(0).AsTrimmedText();
}

}  // namespace lumeno::fortune
