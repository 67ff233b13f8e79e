#pragma once
// Running the system's Jet SQL texts against the reference databases.
//
// Two forms exist, as in the rest of the program:
//  * Query, a component owned by a window: set its connection string once,
//    then for each command Close, ClearSql, SetSql (or AddSql line by line),
//    Open and read;
//  * RunQuery, a transient query for one look-up: open, run, read, close.
// SQL texts and values are GBK; the store is SQLite (UTF-8 inside).
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/database.h"

namespace lumeno::data {

// One column value of one record.
class Value {
 public:
  enum class Kind { Null, Integer, Real, Text };

  Value() = default;
  static Value Int(long long v);
  static Value Real(double v);
  static Value Text(std::string gbk);

  Kind kind() const { return kind_; }
  bool IsNull() const { return kind_ == Kind::Null; }
  // Text as stored (GBK, untrimmed); numbers in decimal; null as "".
  std::string AsText() const;
  // AsText without leading and trailing blanks and control characters.
  std::string AsTrimmedText() const;
  // Null gives 0; a text that is no number raises DataError; reals round to
  // the nearest integer, halves to even. A value that is not finite or lies
  // outside the integer type (long long, int) raises DataError too.
  long long AsInteger() const;
  int AsInt() const;
  double AsDouble() const;
  // A number the program does arithmetic with: the value as an integer (or
  // a real) when it is a number within [lo, hi], nothing when it is not a
  // number or lies outside. Null counts as 0.
  std::optional<int> IntWithin(int lo, int hi) const;
  std::optional<double> RealWithin(double lo, double hi) const;

 private:
  Kind kind_ = Kind::Null;
  long long int_ = 0;
  double real_ = 0;
  std::string text_;
};

// The records of one query, fully read.
class ResultSet {
 public:
  ResultSet() = default;
  ResultSet(std::vector<std::string> columns, std::vector<std::vector<Value>> rows);

  bool IsEmpty() const { return rows_.empty(); }
  int RecordCount() const { return static_cast<int>(rows_.size()); }
  int FieldCount() const { return static_cast<int>(columns_.size()); }
  const std::vector<std::string>& Columns() const { return columns_; }
  // Column index by name (GBK, ASCII case ignored); -1 when absent.
  int ColumnIndex(std::string_view name) const;
  // The value of record `row` (0-based). A row outside the result gives a
  // null value; an unknown column raises DataError.
  const Value& At(int row, int column) const;
  const Value& At(int row, std::string_view column) const;
  // First record, or null values when there is none.
  const Value& First(int column) const { return At(0, column); }
  const Value& First(std::string_view column) const { return At(0, column); }

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<Value>> rows_;
};

class Connection;

class Query {
 public:
  Query();
  explicit Query(std::string connectionString);
  ~Query();
  Query(Query&&) noexcept;
  Query& operator=(Query&&) noexcept;

  // Sets the connection string; the file is opened at the next Open.
  void SetConnectionString(std::string connectionString);
  const std::string& ConnectionString() const { return connectionString_; }

  void Close();
  void ClearSql();
  void SetSql(std::string gbkSql);   // replaces all lines
  void AddSql(std::string gbkLine);  // appends one line
  std::string Sql() const;           // the lines joined with CR LF
  // Runs the text; raises DataError on any failure (and stays closed).
  void Open();
  // A flag to watch while a text runs: once it is cleared (by any thread),
  // the statement in progress ends within a few thousand steps and Open
  // raises DataError "query interrupted". nullptr watches nothing. The flag
  // must outlive the query's use of it.
  void SetContinueFlag(const std::atomic<bool>* keepRunning) { keepRunning_ = keepRunning; }
  bool Active() const { return active_; }

  const ResultSet& Result() const { return result_; }
  bool IsEmpty() const { return result_.IsEmpty(); }
  int RecordCount() const { return result_.RecordCount(); }
  int FieldCount() const { return result_.FieldCount(); }
  // Cursor over the records, as a dataset walks them.
  bool Eof() const { return cursor_ >= result_.RecordCount(); }
  void First() { cursor_ = 0; }
  void Next() {
    if (!Eof()) ++cursor_;
  }
  // Moves to record `recNo`, counted from 1.
  void MoveTo(int recNo) { cursor_ = recNo - 1; }
  int RecNo() const { return cursor_ + 1; }
  const Value& Field(int index) const { return result_.At(cursor_, index); }
  const Value& Field(std::string_view name) const { return result_.At(cursor_, name); }

 private:
  std::string connectionString_;
  std::vector<std::string> lines_;
  std::shared_ptr<Connection> connection_;
  ResultSet result_;
  bool active_ = false;
  int cursor_ = 0;
  const std::atomic<bool>* keepRunning_ = nullptr;
};

// A transient query: opens the file of `connectionString` (or of `file`),
// runs one text, reads every record and closes again.
ResultSet RunQuery(const std::string& connectionString, const std::string& gbkSql);
ResultSet RunQuery(DatabaseFile file, const std::string& gbkSql);

}  // namespace lumeno::data
