#include "data/database_check.h"

#include <sqlite3.h>
#include <strings.h>
#include <sys/stat.h>

#include <set>

#include "data/schema.h"

namespace lumeno::data {
namespace {

// Table and column names, which SQLite compares without regard to case.
struct CaseBlindLess {
  bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};
using NameSet = std::set<std::string, CaseBlindLess>;

// What a failed read of the file's catalogue says about it.
DatabaseProblem::Kind KindOfFailure(int rc) {
  return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT ? DatabaseProblem::Kind::NotADatabase
                                                     : DatabaseProblem::Kind::Unreadable;
}

class Handle {
 public:
  ~Handle() {
    if (db) sqlite3_close(db);
  }
  sqlite3* db = nullptr;
};

// Names from a one-column query; false when it cannot run.
bool Names(sqlite3* db, const std::string& sql, int column, NameSet& out, int& rcOut) {
  sqlite3_stmt* stmt = nullptr;
  rcOut = sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
  if (rcOut != SQLITE_OK) {
    if (stmt) sqlite3_finalize(stmt);
    return false;
  }
  while ((rcOut = sqlite3_step(stmt)) == SQLITE_ROW) {
    const unsigned char* t = sqlite3_column_text(stmt, column);
    if (t) out.insert(reinterpret_cast<const char*>(t));
  }
  sqlite3_finalize(stmt);
  if (rcOut != SQLITE_DONE) return false;
  rcOut = SQLITE_OK;
  return true;
}

}  // namespace

std::vector<DatabaseProblem> CheckDatabaseFile(DatabaseFile file) {
  using Kind = DatabaseProblem::Kind;
  const std::string path = DataSourceOf(ConnectionStringFor(file));
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {{file, Kind::Missing, path}};
  Handle h;
  int rc = sqlite3_open_v2(path.c_str(), &h.db, SQLITE_OPEN_READONLY, nullptr);
  if (rc != SQLITE_OK) return {{file, Kind::Unreadable, h.db ? sqlite3_errmsg(h.db) : sqlite3_errstr(rc)}};
  NameSet tables;
  if (!Names(h.db, "SELECT name FROM sqlite_master WHERE type = 'table'", 0, tables, rc))
    return {{file, KindOfFailure(rc), sqlite3_errmsg(h.db)}};
  std::vector<DatabaseProblem> problems;
  for (const TableDef& table : ReferenceSchema()) {
    if (table.file != file) continue;
    const std::string name(table.name);
    if (!tables.count(name)) {
      problems.push_back({file, Kind::Incomplete, "表 " + name});
      continue;
    }
    NameSet columns;
    std::string quoted = "\"" + name + "\"";
    if (!Names(h.db, "PRAGMA table_info(" + quoted + ")", 1, columns, rc)) {
      problems.push_back({file, KindOfFailure(rc), sqlite3_errmsg(h.db)});
      continue;
    }
    for (const ColumnDef& column : table.columns) {
      if (!columns.count(std::string(column.name)))
        problems.push_back({file, Kind::Incomplete, "字段 " + name + "." + std::string(column.name)});
    }
  }
  return problems;
}

std::vector<DatabaseProblem> CheckDatabaseFiles() {
  std::vector<DatabaseProblem> all;
  for (DatabaseFile file : kAllDatabaseFiles) {
    std::vector<DatabaseProblem> p = CheckDatabaseFile(file);
    all.insert(all.end(), p.begin(), p.end());
  }
  return all;
}

std::string DatabaseFilePurpose(DatabaseFile file) {
  switch (file) {
    case DatabaseFile::Roruroz: return "汉字笔画、五行与起名用字";
    case DatabaseFile::VelFile: return "八十一数理与三才解说";
    case DatabaseFile::VelBirth: return "文章、QQ配对、黄历与姓氏起源";
    case DatabaseFile::Dream: return "称骨与手机号码解说";
    case DatabaseFile::Tgcode: return "八字命盘用表";
  }
  return "";
}

std::string DatabaseProblemMessage(const std::vector<DatabaseProblem>& problems) {
  if (problems.empty()) return {};
  std::string text = "参考数据库文件有问题，用到它们的功能无法给出正确结果：";
  // One line per file, in the order of the files.
  for (DatabaseFile file : kAllDatabaseFiles) {
    std::string line;
    std::string missingParts;
    for (const DatabaseProblem& p : problems) {
      if (p.file != file) continue;
      const std::string name = FileName(p.file);
      switch (p.kind) {
        case DatabaseProblem::Kind::Missing: line = "缺少 " + name; break;
        case DatabaseProblem::Kind::Unreadable: line = name + " 无法读取（" + p.detail + "）"; break;
        case DatabaseProblem::Kind::NotADatabase: line = name + " 已损坏，不是数据库文件"; break;
        case DatabaseProblem::Kind::Incomplete:
          missingParts += (missingParts.empty() ? "" : "、") + p.detail;
          break;
      }
    }
    if (line.empty() && !missingParts.empty()) line = std::string(FileName(file)) + " 不完整，缺少" + missingParts;
    if (!line.empty()) text += "\n" + line + "（" + DatabaseFilePurpose(file) + "）";
  }
  text += "\n数据库文件应位于程序所在的文件夹 " + ProgramDirectory() +
          "\n重新生成的方法：在源码文件夹运行 ./lumeno.sh run（或构建目标 lumeno_databases）；"
          "安装版请重新安装 lumeno 软件包。\n其余功能照常可用。";
  return text;
}

}  // namespace lumeno::data
