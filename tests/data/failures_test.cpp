// Every failure of the data layer is its DataError: never a crash, a hang or
// a half-translated query reaching SQLite.
#include <gtest/gtest.h>

#include <fstream>

#include "core/gbk.h"
#include "data/jet_sql.h"
#include "data/query.h"
#include "support/fixture_db.h"

namespace lumeno::data {
namespace {

using testing::CreateFixtureDatabase;
using testing::ScopedProgramDirectory;
using testing::TempDir;

TEST(DataFailures, MissingAndBrokenFiles) {
  TempDir dir;
  ScopedProgramDirectory program(dir.path());
  EXPECT_THROW(RunQuery(DatabaseFile::Roruroz, "select bh from word"), DataError);
  {
    std::ofstream junk(dir.path() + "/VelFile.dll");
    junk << "this is not a database, just some text that is long enough to fill a header";
  }
  EXPECT_THROW(RunQuery(DatabaseFile::VelFile, "Select * from 81 where num = 1"), DataError);
  // An empty file is a valid empty SQLite database: the table is unknown.
  { std::ofstream empty(dir.path() + "/dream.dll"); }
  EXPECT_THROW(RunQuery(DatabaseFile::Dream, "Select weight from chenggu1 where year ='1985'"), DataError);
}

TEST(DataFailures, DatabasesAreOpenedReadOnly) {
  TempDir dir;
  CreateFixtureDatabase(dir.path(), DatabaseFile::Roruroz);
  ScopedProgramDirectory program(dir.path());
  EXPECT_THROW(RunQuery(DatabaseFile::Roruroz, "insert into word (zi) values ('a')"), DataError);
  EXPECT_THROW(RunQuery(DatabaseFile::Roruroz, "delete from word"), DataError);
}

TEST(DataFailures, TextsOutsideTheDialectAreRefusedBeforeSqlite) {
  struct Case {
    const char* sql;
    const char* why;
  } cases[] = {
      {"select bh from word where zi = '张", "unbalanced quote"},
      {"select bh from word where zi = '张' '", "unbalanced quote at the end"},
      {"select bh from nosuchtable", "unknown table"},
      {"select nosuchcolumn from word", "unknown column"},
      {"select a.bh from word b", "unknown alias"},
      {"select bh from word where gn = 1", "column of another table"},
      {"select count(*) from word", "function call"},
      {"select bh from word; select bh from word", "two statements"},
      {"select bh from word where", "missing condition"},
      {"select top x bh from word", "top without a number"},
      // Found by the fuzz target: a count beyond the integer range escaped
      // as std::out_of_range instead of a data error.
      {"select top 144444444444444444444444444444 * from word", "top beyond the integer range"},
      {"select top 1e3 * from word", "top with an exponent"},
      {"select bh from word where zi = \"a\"", "double-quoted text"},
      {"select bh, from word", "dangling comma"},
      {"update word set bh = 1", "not a select"},
      {"", "empty text"},
      {"select * from huangdao where gn = #2012-2-30#", "date literal that is not a date"},
      {"select * from huangdao where gn = #2012-5-1", "unterminated date literal"},
      {"select 'a' from word union select 'a', 'b' from word", "union of different widths"},
  };
  for (const Case& c : cases) {
    EXPECT_THROW(TranslateJetSql(GbkToUtf8(c.sql)), DataError) << c.why << ": " << c.sql;
  }
  // Found by the fuzz target: thousands of signs, parentheses or operators
  // in a row overflowed the stack. Such a query is refused as too complex;
  // the depths the program's queries use still translate.
  const std::string deep[] = {
      "select " + std::string(5000, '-') + "1 from word",
      "select bh from word where " + std::string(5000, '(') + "bh = 1" + std::string(5000, ')'),
      "select bh from word where " + [] {
        std::string s;
        for (int i = 0; i < 3000; ++i) s += "not ";
        return s;
      }() + "bh = 1",
      "select bh from word where bh = 1" + [] {
        std::string s;
        for (int i = 0; i < 3000; ++i) s += " + 1";
        return s;
      }(),
      std::string(3000, '(') + "select bh from word" + std::string(3000, ')'),
  };
  for (const std::string& sql : deep) EXPECT_THROW(TranslateJetSql(sql), DataError) << sql.substr(0, 60);
  EXPECT_NO_THROW(TranslateJetSql("select bh from word where ((((bh = 1)))) and not not bh = --2 and bh + 1 + 2 + 3 > 4"));
}

TEST(DataFailures, ValueOfTheWrongTypeInAKeyColumn) {
  struct Case {
    const char* sql;
  } cases[] = {
      {"Select top 1 * from huangdao where gn = '2012-5-1'"},  // date column compared with text
      {"Select * from 81 where num = '1'"},                    // number column compared with text
      {"select bh from word where zi = 1"},                    // text column compared with a number
      {"select bh from word where bh = #2012-5-1#"},           // number column compared with a date
  };
  for (const Case& c : cases) EXPECT_THROW(TranslateJetSql(c.sql), DataError) << c.sql;
  EXPECT_NO_THROW(TranslateJetSql("Select top 1 * from huangdao where gn = #2012-5-1#"));
}

TEST(DataFailures, MismatchedPlusFailsAtRunTime) {
  TempDir dir;
  CreateFixtureDatabase(dir.path(), DatabaseFile::Roruroz,
                        {GbkToUtf8("INSERT INTO word(zi, ft, bh, xb) VALUES ('张', '張', 11, '7')")});
  ScopedProgramDirectory program(dir.path());
  // A text that reads as a number adds, as in Jet; one that does not fails.
  EXPECT_EQ(RunQuery(DatabaseFile::Roruroz, "select xb + bh as s from word").First("s").AsInt(), 18);
  EXPECT_THROW(RunQuery(DatabaseFile::Roruroz, "select zi + bh as s from word"), DataError);
}

TEST(DataFailures, ReadingValuesOfTheWrongKind) {
  EXPECT_THROW(Value::Text("abc").AsInt(), DataError);
  EXPECT_EQ(Value::Text(" 12 ").AsInt(), 12);
  EXPECT_EQ(Value().AsInt(), 0);
  EXPECT_EQ(Value().AsText(), "");
  EXPECT_EQ(Value::Real(2.5).AsInt(), 2);  // halves to even
  EXPECT_EQ(Value::Real(1.2).AsText(), "1.2");
  ResultSet empty({"bh"}, {});
  EXPECT_TRUE(empty.First("bh").IsNull());
  EXPECT_THROW(empty.First("nosuch"), DataError);
}

}  // namespace
}  // namespace lumeno::data
