#pragma once
// Surname origins: the list of surnames and the origin text of one, from
// table xing of VelBirth.dll, read through the window's query component.
#include <string>
#include <vector>

#include "data/query.h"

namespace lumeno::fortune {

// "Select id,xingl from xing order by xingl": every surname, trimmed, in
// that order. Database errors are not caught.
std::vector<std::string> SurnameList(data::Query& query);

// 开始搜索: what the text pane does.
struct SurnameSearch {
  enum class Action { Clear, Keep, Show };
  Action action = Action::Keep;
  std::vector<std::string> lines;  // for Show: the origin, line by line
};

// The input trimmed; empty: Clear. Otherwise "Select * from xing where xingl
// = " + the quoted surname: a row gives its intro (trimmed) split into lines,
// no row keeps what the pane shows. Database errors are not caught.
SurnameSearch SearchSurname(const std::string& input, data::Query& query);

}  // namespace lumeno::fortune
