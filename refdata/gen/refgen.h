#pragma once
// The reference database build: creates the five files from the schema and
// fills every table either from its generator (a table derived by rule) or
// from its source file refdata/tables/<file stem>/<table>.tsv.
//
// Source files are UTF-8, tab-separated, with the column names in the first
// line. In a field, \t, \n, \r and \\ stand for a tab, a line feed, a
// carriage return and a backslash, and a field of just \N is null. Lines
// that start with '#' are comments. Columns that the file omits are null.
#include <functional>
#include <string>
#include <vector>

#include "data/query.h"
#include "data/schema.h"

namespace lumeno::refgen {

using Row = std::vector<data::Value>;  // text values in GBK, in schema column order

struct GenContext {
  std::string sourceDir;  // refdata/
};

class RowSink {
 public:
  virtual ~RowSink() = default;
  virtual void Add(const Row& row) = 0;
};

using TableGenerator = std::function<void(const GenContext&, const data::TableDef&, RowSink&)>;

class GeneratorRegistration {
 public:
  GeneratorRegistration(const char* table, TableGenerator generator);
};

// Reads a source table file (UTF-8) into rows of GBK values ordered like the
// table's columns. Raises std::runtime_error with the file and line on a bad
// line (an unknown column, a number column holding text, too many fields).
std::vector<Row> ReadTsv(const std::string& path, const data::TableDef& table);

// The path of a table's source file.
std::string TsvPath(const GenContext& ctx, const data::TableDef& table);

// Reads a text file line by line (a final carriage return is dropped).
void ForEachLine(const std::string& path, const std::function<void(const std::string&)>& onLine);

}  // namespace lumeno::refgen

#define LUMENO_REFGEN_CONCAT2(a, b) a##b
#define LUMENO_REFGEN_CONCAT(a, b) LUMENO_REFGEN_CONCAT2(a, b)
// Registers the generator of one table: LUMENO_TABLE_GENERATOR("word", fn);
#define LUMENO_TABLE_GENERATOR(table, fn)                                                   \
  static ::lumeno::refgen::GeneratorRegistration LUMENO_REFGEN_CONCAT(kTableGenerator_, \
                                                                      __LINE__)(table, fn)
