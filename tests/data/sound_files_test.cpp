// What the data layer does with files and values it cannot trust: the
// start-up check of the five files, numbers out of range, and folders whose
// path the plain connection string cannot carry.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "core/gbk.h"
#include "data/database_check.h"
#include "data/query.h"
#include "support/fixture_db.h"

namespace lumeno::data {
namespace {

void CreateAll(const std::string& dir) {
  for (DatabaseFile f : kAllDatabaseFiles) testing::CreateFixtureDatabase(dir, f);
}

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

TEST(DatabaseCheck, SoundFilesGiveNoProblemAndNoMessage) {
  testing::TempDir dir;
  CreateAll(dir.path());
  testing::ScopedProgramDirectory program(dir.path());
  EXPECT_TRUE(CheckDatabaseFiles().empty());
  EXPECT_EQ(DatabaseProblemMessage({}), "");
}

TEST(DatabaseCheck, EachKindOfDamageIsNamedWithItsFile) {
  struct Case {
    const char* what;
    DatabaseFile file;
    std::function<void(const std::string& path)> damage;
    DatabaseProblem::Kind kind;
    const char* inMessage;  // GBK
  };
  const std::vector<Case> cases = {
      {"missing", DatabaseFile::Roruroz, [](const std::string& p) { std::filesystem::remove(p); },
       DatabaseProblem::Kind::Missing, "缺少 Roruroz.dll（汉字笔画、五行与起名用字）"},
      {"a folder in its place", DatabaseFile::VelFile,
       [](const std::string& p) {
         std::filesystem::remove(p);
         std::filesystem::create_directory(p);
       },
       DatabaseProblem::Kind::Missing, "缺少 VelFile.dll"},
      {"text, not a database", DatabaseFile::Tgcode,
       [](const std::string& p) { std::ofstream(p, std::ios::trunc) << std::string(4096, 'x'); },
       DatabaseProblem::Kind::NotADatabase, "Tgcode.dll 已损坏，不是数据库文件（八字命盘用表）"},
      {"empty file", DatabaseFile::Dream, [](const std::string& p) { std::ofstream(p, std::ios::trunc); },
       DatabaseProblem::Kind::Incomplete, "dream.dll 不完整，缺少表 chenggu、表 chenggu1"},
      {"a table dropped", DatabaseFile::VelBirth,
       [](const std::string& p) {
         sqlite3* db = nullptr;
         sqlite3_open(p.c_str(), &db);
         sqlite3_exec(db, "DROP TABLE huangdao", nullptr, nullptr, nullptr);
         sqlite3_close(db);
       },
       DatabaseProblem::Kind::Incomplete, "VelBirth.dll 不完整，缺少表 huangdao（"},
      {"a column missing", DatabaseFile::Roruroz,
       [](const std::string& p) {
         sqlite3* db = nullptr;
         sqlite3_open(p.c_str(), &db);
         sqlite3_exec(db, "ALTER TABLE word DROP COLUMN gloss", nullptr, nullptr, nullptr);
         sqlite3_close(db);
       },
       DatabaseProblem::Kind::Incomplete, "Roruroz.dll 不完整，缺少字段 word.gloss（"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDir dir;
    CreateAll(dir.path());
    c.damage(dir.path() + "/" + FileName(c.file));
    testing::ScopedProgramDirectory program(dir.path());
    const std::vector<DatabaseProblem> problems = CheckDatabaseFiles();
    ASSERT_FALSE(problems.empty());
    for (const DatabaseProblem& p : problems) {
      EXPECT_EQ(p.file, c.file);
      EXPECT_EQ(p.kind, c.kind);
    }
    const std::string message = DatabaseProblemMessage(problems);
    EXPECT_NE(message.find(c.inMessage), std::string::npos) << U(message);
    // The message says where the files belong and how to rebuild them.
    EXPECT_NE(message.find(dir.path()), std::string::npos);
    EXPECT_NE(message.find("./lumeno.sh run"), std::string::npos);
    // One line per damaged file, however many parts it lacks.
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 4) << U(message);
  }
}

TEST(DatabaseCheck, EveryDamagedFileHasItsLine) {
  testing::TempDir dir;
  testing::CreateFixtureDatabase(dir.path(), DatabaseFile::VelFile);
  testing::ScopedProgramDirectory program(dir.path());
  const std::string message = DatabaseProblemMessage(CheckDatabaseFiles());
  for (const char* line : {"缺少 Roruroz.dll", "缺少 VelBirth.dll", "缺少 dream.dll", "缺少 Tgcode.dll"})
    EXPECT_NE(message.find(line), std::string::npos) << line;
  EXPECT_EQ(message.find("VelFile.dll"), std::string::npos);
}

TEST(StoredNumbers, ValuesOutsideTheirRangeAreNoNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    Value value;
    std::optional<int> within1to64;
  };
  const Case cases[] = {
      {Value::Int(11), 11},
      {Value(), std::nullopt},  // null counts as 0
      {Value::Int(64), 64},
      {Value::Int(65), std::nullopt},
      {Value::Int(0), std::nullopt},
      {Value::Int(2147483647), std::nullopt},
      {Value::Int(std::numeric_limits<long long>::max()), std::nullopt},
      {Value::Real(11.4), 11},
      {Value::Real(1e300), std::nullopt},
      {Value::Real(-inf), std::nullopt},
      {Value::Real(std::numeric_limits<double>::quiet_NaN()), std::nullopt},
      {Value::Text(" 12 "), 12},
      {Value::Text("12x"), std::nullopt},
      {Value::Text("1e30"), std::nullopt},
      {Value::Text("nan"), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value.AsText());
    EXPECT_EQ(c.value.IntWithin(1, 64), c.within1to64);
  }
  // Converting never goes through undefined behaviour: what has no integer
  // value is a data error.
  EXPECT_THROW(Value::Real(1e300).AsInteger(), DataError);
  EXPECT_THROW(Value::Real(std::numeric_limits<double>::quiet_NaN()).AsInteger(), DataError);
  EXPECT_THROW(Value::Int(2147483648LL).AsInt(), DataError);
  EXPECT_THROW(Value::Text("-9e18000").AsInteger(), DataError);
  EXPECT_EQ(Value::Int(-2147483648LL).AsInt(), std::numeric_limits<int>::min());
  EXPECT_EQ(Value::Real(2.5).RealWithin(0, 10), 2.5);
  EXPECT_EQ(Value::Real(inf).RealWithin(0, 10), std::nullopt);
  EXPECT_EQ(Value::Text("10.5").RealWithin(0, 10), std::nullopt);
}

TEST(ConnectionStrings, FoldersTheirPlainFormWouldMisreadAreQuoted) {
  struct Case {
    const char* folder;
    const char* expected;
  };
  const Case cases[] = {
      {"/opt/a;b/", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/opt/a;b/Tgcode.dll\";Persist Security Info=True"},
      {"/opt/a\\b/", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/opt/a\\b/Tgcode.dll\";Persist Security Info=True"},
      {"/opt/say \"hi\"/",
       "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/opt/say \"\"hi\"\"/Tgcode.dll\";Persist Security Info=True"},
      {" /lead/", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\" /lead/Tgcode.dll\";Persist Security Info=True"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    testing::ScopedProgramDirectory program(c.folder);
    EXPECT_EQ(ConnectionStringFor(DatabaseFile::Tgcode), c.expected);
    EXPECT_EQ(DataSourceOf(ConnectionStringFor(DatabaseFile::Tgcode)), std::string(c.folder) + "Tgcode.dll");
    EXPECT_EQ(DataSourceOf(OwnRorurozConnectionString()), std::string(c.folder) + "Roruroz.dll");
  }
  EXPECT_THROW(DataSourceOf("Provider=x;Data Source=\"/a;b"), DataError);
  EXPECT_THROW(DataSourceOf("Provider=x;Data Source=\"\""), DataError);
}

TEST(ConnectionStrings, LookUpsWorkInAFolderWithSemicolonAndBackslash) {
  testing::TempDir base;
  const std::string dir = base.path() + "/odd;name\\here";
  std::filesystem::create_directories(dir);
  testing::CreateFixtureDatabase(dir, DatabaseFile::Roruroz,
                                 {U("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)")});
  testing::ScopedProgramDirectory program(dir);
  EXPECT_EQ(RunQuery(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '张'").First("bh").AsInt(), 11);
  Query q(OwnRorurozConnectionString());
  q.SetSql("select bh from word where zi = '张'");
  q.Open();
  EXPECT_EQ(q.Field(0).AsInt(), 11);
  std::vector<DatabaseProblem> problems = CheckDatabaseFile(DatabaseFile::Roruroz);
  EXPECT_TRUE(problems.empty());
}

}  // namespace
}  // namespace lumeno::data
