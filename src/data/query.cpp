#include "data/query.h"

#include <sqlite3.h>
#include <strings.h>
#include <sys/stat.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "core/gbk.h"
#include "core/text.h"
#include "data/jet_sql.h"

namespace lumeno::data {

// ---------------------------------------------------------------- values

Value Value::Int(long long v) {
  Value x;
  x.kind_ = Kind::Integer;
  x.int_ = v;
  return x;
}

Value Value::Real(double v) {
  Value x;
  x.kind_ = Kind::Real;
  x.real_ = v;
  return x;
}

Value Value::Text(std::string gbk) {
  Value x;
  x.kind_ = Kind::Text;
  x.text_ = std::move(gbk);
  return x;
}

std::string Value::AsText() const {
  switch (kind_) {
    case Kind::Null: return {};
    case Kind::Integer: return std::to_string(int_);
    case Kind::Real: return FormatGeneral(real_);
    case Kind::Text: return text_;
  }
  return {};
}

std::string Value::AsTrimmedText() const { return Trim(AsText()); }

namespace {
// A real outside the range of long long (or not finite at all) has no
// integer value: converting it would be undefined.
long long RoundHalfEven(double v, const std::string& shown) {
  const double r = std::nearbyint(v);
  if (!std::isfinite(r) || r < -9223372036854775808.0 || r >= 9223372036854775808.0)
    throw DataError("'" + shown + "' is not a valid integer value");
  return static_cast<long long>(r);
}
}  // namespace

long long Value::AsInteger() const {
  switch (kind_) {
    case Kind::Null: return 0;
    case Kind::Integer: return int_;
    case Kind::Real: return RoundHalfEven(real_, FormatGeneral(real_));
    case Kind::Text: {
      std::string t = Trim(text_);
      if (t.empty()) return 0;
      char* end = nullptr;
      double d = std::strtod(t.c_str(), &end);
      if (end == t.c_str() || *end != '\0') throw DataError("'" + text_ + "' is not a valid integer value");
      return RoundHalfEven(d, text_);
    }
  }
  return 0;
}

int Value::AsInt() const {
  const long long v = AsInteger();
  if (v < INT_MIN || v > INT_MAX) throw DataError("'" + AsText() + "' is not a valid integer value");
  return static_cast<int>(v);
}

std::optional<int> Value::IntWithin(int lo, int hi) const {
  try {
    const long long v = AsInteger();
    if (v < lo || v > hi) return std::nullopt;
    return static_cast<int>(v);
  } catch (const DataError&) {
    return std::nullopt;
  }
}

std::optional<double> Value::RealWithin(double lo, double hi) const {
  try {
    const double v = AsDouble();
    if (!std::isfinite(v) || v < lo || v > hi) return std::nullopt;
    return v;
  } catch (const DataError&) {
    return std::nullopt;
  }
}

double Value::AsDouble() const {
  switch (kind_) {
    case Kind::Null: return 0;
    case Kind::Integer: return static_cast<double>(int_);
    case Kind::Real: return real_;
    case Kind::Text: {
      std::string t = Trim(text_);
      if (t.empty()) return 0;
      char* end = nullptr;
      double d = std::strtod(t.c_str(), &end);
      if (end == t.c_str() || *end != '\0') throw DataError("'" + text_ + "' is not a valid floating point value");
      return d;
    }
  }
  return 0;
}

// ---------------------------------------------------------------- results

ResultSet::ResultSet(std::vector<std::string> columns, std::vector<std::vector<Value>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

int ResultSet::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const std::string& c = columns_[i];
    if (c.size() == name.size() && strncasecmp(c.data(), name.data(), c.size()) == 0) return static_cast<int>(i);
  }
  return -1;
}

const Value& ResultSet::At(int row, int column) const {
  static const Value kNull;
  if (column < 0 || column >= FieldCount()) throw DataError(StrFormat("field index %d out of range", column));
  if (row < 0 || row >= RecordCount()) return kNull;
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const Value& ResultSet::At(int row, std::string_view column) const {
  int index = ColumnIndex(column);
  if (index < 0) throw DataError("field '" + std::string(column) + "' not found");
  return At(row, index);
}

// ---------------------------------------------------------------- connections

// The identity of a database file as the file system sees it, so a kept
// connection is used only while its file is still the same file.
struct FileIdentity {
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  long long mtimeNs = 0;
  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) throw DataError("could not find file '" + path + "'");
  return {st.st_dev, st.st_ino, st.st_size, static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

class Connection {
 public:
  explicit Connection(const std::string& connectionString) {
    path_ = DataSourceOf(connectionString);
    identity_ = IdentityOf(path_);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
      std::string why = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
      if (db) sqlite3_close(db);
      throw DataError("could not open '" + path_ + "': " + why);
    }
    db_ = db;
    sqlite3_busy_timeout(db_, 200);
    sqlite3_exec(db_, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    RegisterJetFunctions(db_);
  }
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // `keepRunning`, when given, is watched while the statement runs.
  ResultSet Run(const std::string& gbkSql, const std::atomic<bool>* keepRunning = nullptr);
  const std::string& path() const { return path_; }
  const FileIdentity& identity() const { return identity_; }

 private:
  std::string path_;
  FileIdentity identity_;
  sqlite3* db_ = nullptr;
};

namespace {

// The translation of a text depends on the text alone, so a repeated text
// reuses its first translation.
const std::string& CachedTranslation(const std::string& utf8Sql) {
  thread_local std::unordered_map<std::string, std::string> cache;
  auto it = cache.find(utf8Sql);
  if (it != cache.end()) return it->second;
  std::string translated = TranslateJetSql(utf8Sql);
  if (cache.size() >= 4096) cache.clear();
  return cache.emplace(utf8Sql, std::move(translated)).first->second;
}

// Columns the translator adds for its own use (ranking for Jet's top N with
// ties) start with two underscores and are not part of the result.
bool IsHiddenColumn(const char* name) { return name && name[0] == '_' && name[1] == '_'; }

}  // namespace

namespace {

// SQLite asks this every thousand steps of a watched statement; a non-zero
// answer ends the statement with SQLITE_INTERRUPT.
int StopWhenCleared(void* flag) { return static_cast<const std::atomic<bool>*>(flag)->load() ? 0 : 1; }

// Watches a flag for the life of one statement.
class ProgressWatch {
 public:
  ProgressWatch(sqlite3* db, const std::atomic<bool>* flag) : db_(flag ? db : nullptr) {
    if (db_) sqlite3_progress_handler(db_, 1000, StopWhenCleared, const_cast<std::atomic<bool>*>(flag));
  }
  ~ProgressWatch() {
    if (db_) sqlite3_progress_handler(db_, 0, nullptr, nullptr);
  }
  ProgressWatch(const ProgressWatch&) = delete;
  ProgressWatch& operator=(const ProgressWatch&) = delete;

 private:
  sqlite3* db_;
};

}  // namespace

ResultSet Connection::Run(const std::string& gbkSql, const std::atomic<bool>* keepRunning) {
  if (keepRunning && !keepRunning->load()) throw DataError("query interrupted");
  const ProgressWatch watch(db_, keepRunning);
  const std::string& sql = CachedTranslation(GbkToUtf8(gbkSql));
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail);
  if (rc != SQLITE_OK) {
    std::string why = sqlite3_errmsg(db_);
    if (stmt) sqlite3_finalize(stmt);
    throw DataError("query failed: " + why);
  }
  if (!stmt) throw DataError("query text is empty");
  std::vector<std::string> columns;
  std::vector<int> kept;
  int n = sqlite3_column_count(stmt);
  for (int i = 0; i < n; ++i) {
    const char* name = sqlite3_column_name(stmt, i);
    if (IsHiddenColumn(name)) continue;
    kept.push_back(i);
    columns.push_back(Utf8ToGbk(name ? name : ""));
  }
  std::vector<std::vector<Value>> rows;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::vector<Value> row;
    row.reserve(kept.size());
    for (int i : kept) {
      switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER: row.push_back(Value::Int(sqlite3_column_int64(stmt, i))); break;
        case SQLITE_FLOAT: row.push_back(Value::Real(sqlite3_column_double(stmt, i))); break;
        case SQLITE_NULL: row.push_back(Value()); break;
        default: {
          const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
          int len = sqlite3_column_bytes(stmt, i);
          row.push_back(Value::Text(Utf8ToGbk(std::string_view(text ? text : "", static_cast<std::size_t>(len)))));
        }
      }
    }
    rows.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) {
    std::string why =
        rc == SQLITE_INTERRUPT ? std::string("query interrupted") : "query failed: " + std::string(sqlite3_errmsg(db_));
    sqlite3_finalize(stmt);
    throw DataError(why);
  }
  sqlite3_finalize(stmt);
  return ResultSet(std::move(columns), std::move(rows));
}

// ---------------------------------------------------------------- queries

Query::Query() = default;
Query::Query(std::string connectionString) : connectionString_(std::move(connectionString)) {}
Query::~Query() = default;
Query::Query(Query&&) noexcept = default;
Query& Query::operator=(Query&&) noexcept = default;

void Query::SetConnectionString(std::string connectionString) {
  Close();
  connection_.reset();
  connectionString_ = std::move(connectionString);
}

void Query::Close() {
  active_ = false;
  result_ = ResultSet();
  cursor_ = 0;
}

void Query::ClearSql() { lines_.clear(); }
void Query::SetSql(std::string gbkSql) {
  lines_.clear();
  lines_.push_back(std::move(gbkSql));
}
void Query::AddSql(std::string gbkLine) { lines_.push_back(std::move(gbkLine)); }

std::string Query::Sql() const {
  std::string s;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) s += "\r\n";
    s += lines_[i];
  }
  return s;
}

void Query::Open() {
  Close();
  if (!connection_) connection_ = std::make_shared<Connection>(connectionString_);
  result_ = connection_->Run(Sql(), keepRunning_);
  active_ = true;
  cursor_ = 0;
}

// A transient look-up behaves as if it opened its file, ran its text and
// closed the file again. Opening a file costs more than the look-up itself,
// so each thread keeps the connections of its recent look-ups and reuses one
// only while the file on disk is still the very same file (device, inode,
// size and modification time); a file that has gone or changed is opened
// afresh, or fails, exactly as a new connection would.
ResultSet RunQuery(const std::string& connectionString, const std::string& gbkSql) {
  struct Kept {
    std::string connectionString;
    std::shared_ptr<Connection> connection;
  };
  thread_local std::vector<Kept> kept;
  const std::string path = DataSourceOf(connectionString);
  FileIdentity identity;
  try {
    identity = IdentityOf(path);
  } catch (...) {
    std::erase_if(kept, [&](const Kept& k) { return k.connection->path() == path; });
    throw;
  }
  std::shared_ptr<Connection> connection;
  for (Kept& k : kept) {
    if (k.connectionString == connectionString && k.connection->identity() == identity) connection = k.connection;
  }
  if (!connection) {
    std::erase_if(kept, [&](const Kept& k) { return k.connectionString == connectionString; });
    connection = std::make_shared<Connection>(connectionString);
    if (kept.size() >= 8) kept.erase(kept.begin());
    kept.push_back({connectionString, connection});
  }
  try {
    return connection->Run(gbkSql);
  } catch (const DataError&) {
    // A file that turned out not to be a database is not kept.
    std::erase_if(kept, [&](const Kept& k) { return k.connection == connection; });
    throw;
  }
}

ResultSet RunQuery(DatabaseFile file, const std::string& gbkSql) {
  return RunQuery(ConnectionStringFor(file), gbkSql);
}

}  // namespace lumeno::data
