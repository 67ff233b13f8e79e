#pragma once
// The tables of the five reference databases with their columns and the types
// the queries use them as. The database build creates the files from this
// list, and the SQL translator checks table and column names and the type of
// every comparison against it.
#include <string>
#include <string_view>
#include <vector>

#include "data/database.h"

namespace lumeno::data {

enum class ColumnType { Text, Integer, Real, Date, Any };

struct ColumnDef {
  std::string_view name;
  ColumnType type;
};

struct TableDef {
  DatabaseFile file;
  std::string_view name;
  std::vector<ColumnDef> columns;
  // Each index is a list of column names (several for a compound index).
  std::vector<std::vector<std::string_view>> indexes;
};

const std::vector<TableDef>& ReferenceSchema();
// Table by name, ASCII case ignored; nullptr when there is none.
const TableDef* FindTable(std::string_view name);
const ColumnDef* FindColumn(const TableDef& table, std::string_view name);

// The SQLite statements that create one table (text columns compare without
// regard to ASCII case, as Jet does), and those that create its indexes.
std::string CreateTableSql(const TableDef& table);
std::vector<std::string> CreateIndexSql(const TableDef& table);

}  // namespace lumeno::data
