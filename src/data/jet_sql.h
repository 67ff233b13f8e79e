#pragma once
// Translation of the program's Jet SQL texts into SQLite SQL.
//
// The text is parsed completely into a small syntax tree first and printed as
// SQLite afterwards, so a text outside the dialect never reaches SQLite half
// translated. Table and column names are checked against the reference
// schema, and so is the type of every comparison of a column with a literal
// (a date column compared with a text fails, as in Jet).
#include <string>
#include <string_view>

namespace lumeno::data {

// `utf8Sql` is the query text in UTF-8. Returns SQLite SQL (UTF-8), or raises
// DataError with the reason.
std::string TranslateJetSql(std::string_view utf8Sql);

// Registers the functions the translated SQL calls (Jet's '+') on a
// connection. `db` is a sqlite3*.
void RegisterJetFunctions(void* db);

}  // namespace lumeno::data
