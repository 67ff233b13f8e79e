#include "support/fixture_db.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "data/schema.h"

namespace lumeno::testing {

TempDir::TempDir(const std::string& nameHint) {
  std::string pattern = (std::filesystem::temp_directory_path() / (nameHint + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void CreateFixtureDatabase(const std::string& dir, data::DatabaseFile file, const std::vector<std::string>& utf8Sql) {
  std::string path = dir + "/" + data::FileName(file);
  std::filesystem::remove(path);
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create " + path);
  auto exec = [&](const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
      std::string why = err ? err : "?";
      sqlite3_free(err);
      sqlite3_close(db);
      throw std::runtime_error(why + " in: " + sql);
    }
  };
  for (const data::TableDef& t : data::ReferenceSchema()) {
    if (t.file != file) continue;
    exec(data::CreateTableSql(t));
    for (const std::string& ix : data::CreateIndexSql(t)) exec(ix);
  }
  for (const std::string& s : utf8Sql) exec(s);
  sqlite3_close(db);
}

ScopedProgramDirectory::ScopedProgramDirectory(const std::string& dir) { data::SetProgramDirectoryOverride(dir); }
ScopedProgramDirectory::~ScopedProgramDirectory() { data::SetProgramDirectoryOverride(std::nullopt); }

}  // namespace lumeno::testing
