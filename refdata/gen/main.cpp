// lumeno-refgen: builds the five reference databases.
//   lumeno-refgen --source refdata --out DIR
#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <stdexcept>

#include "core/gbk.h"
#include "data/stored_text.h"
#include "refgen.h"

namespace lumeno::refgen {
namespace {

std::map<std::string, TableGenerator>& Generators() {
  static std::map<std::string, TableGenerator> generators;
  return generators;
}

void Exec(sqlite3* db, const std::string& sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    std::string why = err ? err : "unknown error";
    sqlite3_free(err);
    throw std::runtime_error(why + " in: " + sql);
  }
}

class InsertSink : public RowSink {
 public:
  InsertSink(sqlite3* db, const data::TableDef& table) : table_(table) {
    std::string sql = "INSERT INTO \"" + std::string(table.name) + "\" VALUES (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db));
    db_ = db;
    scrambled_ = table.name == "sancai";
  }
  ~InsertSink() override { sqlite3_finalize(stmt_); }

  void Add(const Row& row) override {
    if (row.size() != table_.columns.size())
      throw std::runtime_error("row of " + std::string(table_.name) + " has the wrong number of values");
    sqlite3_reset(stmt_);
    for (std::size_t i = 0; i < row.size(); ++i) {
      const data::Value& v = row[i];
      int at = static_cast<int>(i) + 1;
      switch (v.kind()) {
        case data::Value::Kind::Null: sqlite3_bind_null(stmt_, at); break;
        case data::Value::Kind::Integer: sqlite3_bind_int64(stmt_, at, v.AsInteger()); break;
        case data::Value::Kind::Real: sqlite3_bind_double(stmt_, at, v.AsDouble()); break;
        case data::Value::Kind::Text: {
          std::string gbk = v.AsText();
          // The reading of the three talents is stored scrambled; the sources
          // hold it in plain text.
          if (scrambled_ && table_.columns[i].name == "content") gbk = data::EncodeStoredText(gbk);
          std::string utf8 = GbkToUtf8(gbk);
          sqlite3_bind_text(stmt_, at, utf8.c_str(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
      }
    }
    if (sqlite3_step(stmt_) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
    ++count;
  }
  long count = 0;

 private:
  const data::TableDef& table_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
  bool scrambled_ = false;
};

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

void BuildFile(const GenContext& ctx, data::DatabaseFile file, const std::string& outDir) {
  std::string finalPath = outDir + "/" + data::FileName(file);
  std::string tmpPath = finalPath + ".tmp";
  std::remove(tmpPath.c_str());
  sqlite3* db = nullptr;
  if (sqlite3_open(tmpPath.c_str(), &db) != SQLITE_OK) {
    sqlite3_close(db);  // a handle is allocated even when the open fails
    throw std::runtime_error("cannot create " + tmpPath);
  }
  try {
    Exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA page_size=4096;");
    Exec(db, "BEGIN");
    for (const data::TableDef& table : data::ReferenceSchema()) {
      if (table.file != file) continue;
      auto started = std::chrono::steady_clock::now();
      Exec(db, data::CreateTableSql(table));
      InsertSink sink(db, table);
      auto gen = Generators().find(std::string(table.name));
      std::string source;
      if (gen != Generators().end()) {
        gen->second(ctx, table, sink);
        source = "generator";
      } else if (FileExists(TsvPath(ctx, table))) {
        for (const Row& row : ReadTsv(TsvPath(ctx, table), table)) sink.Add(row);
        source = "tables/" + TsvPath(ctx, table).substr(ctx.sourceDir.size() + 8);
      } else {
        source = "no source: empty";
      }
      for (const std::string& ix : data::CreateIndexSql(table)) Exec(db, ix);
      double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
      std::printf("  %-12s %-12s %8ld rows  %7.0f ms  (%s)\n", data::FileName(file), std::string(table.name).c_str(),
                  sink.count, ms, source.c_str());
    }
    Exec(db, "COMMIT");
    Exec(db, "ANALYZE");
    sqlite3_close(db);
  } catch (...) {
    sqlite3_close(db);
    std::remove(tmpPath.c_str());
    throw;
  }
  if (std::rename(tmpPath.c_str(), finalPath.c_str()) != 0) throw std::runtime_error("cannot write " + finalPath);
}

}  // namespace

GeneratorRegistration::GeneratorRegistration(const char* table, TableGenerator generator) {
  Generators()[table] = std::move(generator);
}

}  // namespace lumeno::refgen

int main(int argc, char** argv) {
  using namespace lumeno::refgen;
  GenContext ctx;
  std::string out;
  bool usage = argc % 2 == 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--source") ctx.sourceDir = argv[i + 1];
    else if (a == "--out") out = argv[i + 1];
    else usage = true;
  }
  if (usage || ctx.sourceDir.empty() || out.empty()) {
    std::cerr << "usage: lumeno-refgen --source DIR --out DIR\n";
    return 2;
  }
  try {
    for (lumeno::data::DatabaseFile f : lumeno::data::kAllDatabaseFiles) BuildFile(ctx, f, out);
  } catch (const std::exception& e) {
    std::cerr << "lumeno-refgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
