// The five shipped database files hold every table and column the program
// reads, with indexes on the key columns.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>
#include <string>

#include "data/schema.h"
#include "support/paths.h"

namespace lumeno::data {
namespace {

std::set<std::string> Strings(sqlite3* db, const std::string& sql, int column) {
  std::set<std::string> out;
  sqlite3_stmt* st = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sql;
  while (st && sqlite3_step(st) == SQLITE_ROW) out.insert(reinterpret_cast<const char*>(sqlite3_column_text(st, column)));
  sqlite3_finalize(st);
  return out;
}

TEST(ShippedSchema, EveryTableColumnAndKeyIndexExists) {
  for (DatabaseFile file : kAllDatabaseFiles) {
    std::string path = testing::BinDir() + "/" + FileName(file);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK) << path;
    for (const TableDef& table : ReferenceSchema()) {
      if (table.file != file) continue;
      std::string name(table.name);
      std::set<std::string> columns = Strings(db, "PRAGMA table_info(\"" + name + "\")", 1);
      for (const ColumnDef& c : table.columns)
        EXPECT_TRUE(columns.count(std::string(c.name))) << FileName(file) << " " << name << "." << c.name;
      std::set<std::string> indexed;
      for (const std::string& index : Strings(db, "PRAGMA index_list(\"" + name + "\")", 1)) {
        std::set<std::string> cols = Strings(db, "PRAGMA index_info(\"" + index + "\")", 2);
        indexed.insert(*cols.begin() == "" ? "" : *cols.begin());
        for (const std::string& c : cols) indexed.insert(c);
      }
      for (const auto& index : table.indexes)
        EXPECT_TRUE(indexed.count(std::string(index.front()))) << name << " has no index on " << index.front();
    }
    sqlite3_close(db);
  }
}

}  // namespace
}  // namespace lumeno::data
