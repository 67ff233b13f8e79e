#include "fortune/surnames.h"

#include "core/text.h"
#include "fortune/article.h"

namespace lumeno::fortune {

namespace {
void Run(data::Query& query, const std::string& sql) {
  query.Close();
  query.ClearSql();
  query.SetSql(sql);
  query.Open();
}
}  // namespace

std::vector<std::string> SurnameList(data::Query& query) {
  Run(query, "Select id,xingl from xing order by xingl");
  std::vector<std::string> list;
  for (query.First(); !query.Eof(); query.Next()) list.push_back(query.Field("xingl").AsTrimmedText());
  return list;
}

SurnameSearch SearchSurname(const std::string& input, data::Query& query) {
  SurnameSearch result;
  const std::string surname = Trim(input);
  if (surname.empty()) {
    result.action = SurnameSearch::Action::Clear;
    return result;
  }
  Run(query, "Select * from xing where xingl = " + QuotedSql(surname));
  if (query.RecordCount() == 0) return result;
  result.action = SurnameSearch::Action::Show;
  result.lines = SplitLines(query.Result().First("intro").AsTrimmedText());
  return result;
}

}  // namespace lumeno::fortune
