// The query forms the program sends, run through the translator and SQLite
// against small fixture databases.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "support/fixture_db.h"

namespace lumeno::data {
namespace {

using testing::CreateFixtureDatabase;
using testing::ScopedProgramDirectory;
using testing::TempDir;

class QueryForms : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(dir_.path(), DatabaseFile::Roruroz,
                          {
                              U("INSERT INTO word(zi, ft, bh, wuhang, px, id, nan, nv, xb) VALUES "
                                "('张', '張', 11, '火', 5, 1, 1, 0, '男'), ('三', '三', 3, '火', 2, 2, 1, 1, '0'), "
                                "('丽', '麗', 19, '火', 7, 3, 0, 1, '女'), ('江', '江', 7, '水', 1, 4, 1, 1, '1')"),
                              "INSERT INTO zh VALUES (11, 0, 3, 0, 74, 11, 2, '0'), (11, 0, 3, 0, 80, 11, 1, '0'), "
                              "(11, 0, 4, 0, 60, 11, 1, '0'), (11, 0, 5, 0, 90, 11, 3, '0')",
                          });
    CreateFixtureDatabase(dir_.path(), DatabaseFile::VelFile,
                          {U("INSERT INTO [81](num, yy, jx, [as], content) VALUES (1, '太极之数', '（吉）', '宜守', '长文')")});
    CreateFixtureDatabase(
        dir_.path(), DatabaseFile::VelBirth,
        {U("INSERT INTO QQpd VALUES (',3,12,', '三与十二')"), U("INSERT INTO QQpd VALUES (',21,', '二十一')"),
         U("INSERT INTO huangdao(gn, nn, yi) VALUES ('2012-05-01', '壬辰年', '嫁娶')"),
         U("INSERT INTO Noter VALUES ('XM012', '标题', '正文')"),
         U("INSERT INTO xing VALUES (1, '王', '王姓'), (2, '李', '李姓'), (3, '张', '张姓')")});
  }

  static std::string U(const char* gbk) { return GbkToUtf8(gbk); }

  ResultSet Run(DatabaseFile f, const std::string& sql) {
    ScopedProgramDirectory program(dir_.path());
    return RunQuery(f, sql);
  }

  TempDir dir_;
};

TEST_F(QueryForms, StrokeLookupBySimplifiedThenTraditionalForm) {
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '张'").First("bh").AsInt(), 11);
  // 張 is not a zi; the first look-up yields nothing, the second finds it by ft.
  ResultSet byZi = Run(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '張'");
  EXPECT_TRUE(byZi.IsEmpty());
  EXPECT_EQ(byZi.First("bh").AsInt(), 0);
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select  top 1 bh from word where ft = '張' ").First("bh").AsInt(), 11);
}

TEST_F(QueryForms, ComboScoreLookupAndMissingCombination) {
  ResultSet r = Run(DatabaseFile::Roruroz,
                    StrFormat("select  top 1 zf from zh where bh11 = %d and bh12 = %d and bh21 = %d and bh22 = %d ", 11,
                              0, 4, 0));
  EXPECT_EQ(r.First("zf").AsInt(), 60);
  EXPECT_TRUE(Run(DatabaseFile::Roruroz, "select  top 1 zf from zh where bh11 = 1 and bh12 = 0 and bh21 = 1 and bh22 = 0 ")
                  .IsEmpty());
}

TEST_F(QueryForms, QQPairingPatternMatchesWholeNumbersBetweenCommas) {
  struct Case {
    int number;
    bool found;
  } cases[] = {{3, true}, {12, true}, {1, false}, {2, false}, {21, true}, {13, false}};
  for (const Case& c : cases) {
    std::string sql = StrFormat("select top 1 * from QQpd where bihua like '%s'", StrFormat("%%,%d,%%", c.number).c_str());
    ResultSet r = Run(DatabaseFile::VelBirth, sql);
    EXPECT_EQ(r.RecordCount() > 0, c.found) << c.number;
  }
  EXPECT_EQ(Run(DatabaseFile::VelBirth, "select top 1 * from QQpd where bihua like '%,12,%'").First("intro").AsText(),
            "三与十二");
}

TEST_F(QueryForms, NumberTableHasNoRowForEightyTwo) {
  ResultSet one = Run(DatabaseFile::VelFile, "Select * from 81 where num = 1");
  ASSERT_EQ(one.RecordCount(), 1);
  EXPECT_EQ(one.First("yy").AsText(), "太极之数");
  EXPECT_EQ(one.First("as").AsText(), "宜守");
  EXPECT_EQ(one.First(3).AsText(), "宜守");  // num, yy, jx, as, content
  EXPECT_TRUE(Run(DatabaseFile::VelFile, "Select * from 81 where num = 82").IsEmpty());
}

TEST_F(QueryForms, AlmanacDateLiteralWithAndWithoutLeadingZeros) {
  for (const char* literal : {"2012-5-1", "2012-05-01", "2012-5-01", "2012-05-1"}) {
    ResultSet r = Run(DatabaseFile::VelBirth, std::string("Select top 1 * from huangdao where gn = #") + literal + "#");
    ASSERT_EQ(r.RecordCount(), 1) << literal;
    EXPECT_EQ(r.First("nn").AsText(), "壬辰年");
  }
  EXPECT_TRUE(Run(DatabaseFile::VelBirth, "Select top 1 * from huangdao where gn = #2012-5-2#").IsEmpty());
}

TEST_F(QueryForms, ArticleCodeComparedWithoutAsciiCase) {
  for (const char* code : {"XM012", "xm012", "Xm012"}) {
    ResultSet r = Run(DatabaseFile::VelBirth, "select Tite,content from Noter where Cid = " + QuotedSql(code));
    ASSERT_EQ(r.RecordCount(), 1) << code;
    EXPECT_EQ(r.First(0).AsText(), "标题");
    EXPECT_EQ(r.First(1).AsText(), "正文");
  }
}

TEST_F(QueryForms, SurnameListInTextOrder) {
  // GBK orders the common characters by their reading: 李 (li), 王 (wang), 张 (zhang).
  ResultSet r = Run(DatabaseFile::VelBirth, "Select id,xingl from xing order by xingl");
  ASSERT_EQ(r.RecordCount(), 3);
  EXPECT_EQ(r.At(0, "xingl").AsText(), "李");
  EXPECT_EQ(r.At(1, "xingl").AsText(), "王");
  EXPECT_EQ(r.At(2, "xingl").AsText(), "张");
}

TEST_F(QueryForms, PlusConcatenatesTextsAndAddsNumbersInOneSelect) {
  ResultSet r = Run(DatabaseFile::Roruroz,
                    "select '张' + a.zi + '(85分)' as mz,(a.px + a.id) as px from (select zi,px + 551 as px,id,nan,nv,"
                    "wuhang from word where 1 = 1 and zi = '三' ) a ");
  ASSERT_EQ(r.RecordCount(), 1);
  EXPECT_EQ(r.First("mz").AsText(), "张三(85分)");
  EXPECT_EQ(r.First("px").AsInt(), 2 + 551 + 2);
}

TEST_F(QueryForms, UnionOfDerivedTablesWithFixedCharacter) {
  // Two name selects joined by union, the second with a fixed character
  // given through top 1 '%s' as zi; the outer query filters and orders.
  std::string first =
      "select '张' + a.zi + b.zi + '(80分)' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as "
      "wuhang1,b.wuhang as wuhang2  from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and "
      "Aflag is null  and (xb = '男' or nan = 1 or xb = '1') and bh = 3) a , (select top 1 '江' as zi, 119 as px, 111 "
      "as id,nan,nv,wuhang from word where 1 = 1 ) b";
  std::string second =
      "select '张' + a.zi + b.zi + '(90分)' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as "
      "wuhang1,b.wuhang as wuhang2  from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and "
      "Aflag is null  and bh = 19) a , (select top 1 '江' as zi, 119 as px, 111 as id,nan,nv,wuhang from word "
      "where 1 = 1 ) b";
  ResultSet r = Run(DatabaseFile::Roruroz,
                    "select mz from (" + first + "\r\n union \r\n" + second + ") p where you > 0 order by px");
  ASSERT_EQ(r.RecordCount(), 2);
  EXPECT_EQ(r.At(0, "mz").AsText(), "张三江(80分)");  // px 553 + 119 + 2
  EXPECT_EQ(r.At(1, "mz").AsText(), "张丽江(90分)");  // px 558 + 119 + 3
  EXPECT_EQ(r.FieldCount(), 1);
}

TEST_F(QueryForms, CrossJoinOfDerivedTablesKeepsEachSideWhole) {
  // Every pair of the two sides, each side with its own filter, top and
  // order; a side of no records leaves no pairs.
  ResultSet r = Run(DatabaseFile::Roruroz,
                    "select a.zi + b.zi as mz,a.bh + b.bh as total from (select top 2 zi,bh from word where 1 = 1 "
                    "order by bh desc) a , (select zi,bh from word where nan = 1 and bh < 10) b order by total");
  ASSERT_EQ(r.RecordCount(), 4);  // {丽, 张} x {三, 江}
  EXPECT_EQ(r.At(0, "mz").AsText(), "张三");
  EXPECT_EQ(r.At(1, "mz").AsText(), "张江");
  EXPECT_EQ(r.At(2, "mz").AsText(), "丽三");
  EXPECT_EQ(r.At(3, "mz").AsText(), "丽江");
  EXPECT_EQ(r.At(3, "total").AsInt(), 26);
  EXPECT_TRUE(Run(DatabaseFile::Roruroz,
                  "select a.zi from (select zi from word) a , (select zi from word where bh > 99) b")
                  .IsEmpty());
}

TEST_F(QueryForms, OrderByTwoKeysAndTopWithTies) {
  ResultSet r = Run(DatabaseFile::Roruroz,
                    "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 and bh11 "
                    "= 11  and zf >= 60  order by jxjx asc,zf asc");
  ASSERT_EQ(r.RecordCount(), 4);
  EXPECT_EQ(r.At(0, "zf").AsInt(), 60);  // jxjx 1, zf 60
  EXPECT_EQ(r.At(1, "zf").AsInt(), 80);  // jxjx 1, zf 80
  EXPECT_EQ(r.At(2, "zf").AsInt(), 74);  // jxjx 2
  EXPECT_EQ(r.At(3, "zf").AsInt(), 90);  // jxjx 3
  EXPECT_EQ(r.FieldCount(), 5);
  // Top 1 over jxjx alone keeps both rows ranked first.
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select top 1 zf from zh order by jxjx").RecordCount(), 2);
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select top 2 zf from zh order by jxjx desc").RecordCount(), 2);
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select top 1 zf from zh").RecordCount(), 1);
}

TEST_F(QueryForms, NotAndIsNullAndOr) {
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select zi from word where not (bh > 10) and Aflag is null").RecordCount(), 2);
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select zi from word where zi = '张' or zi = '江' ").RecordCount(), 2);
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select zi from word where Aflag is not null").RecordCount(), 0);
  EXPECT_EQ(Run(DatabaseFile::Roruroz, "select wuhang from word where zi = '江' or ft = '江' ").First(0).AsText(), "水");
}

TEST_F(QueryForms, WindowQueryComponentReusesItsConnection) {
  ScopedProgramDirectory program(dir_.path());
  Query q(ConnectionStringFor(DatabaseFile::Roruroz));
  for (const char* zi : {"张", "三"}) {
    q.Close();
    q.ClearSql();
    q.AddSql("select bh from word");
    q.AddSql(std::string("where zi = '") + zi + "'");
    q.Open();
    ASSERT_FALSE(q.IsEmpty());
  }
  EXPECT_EQ(q.Field(0).AsInt(), 3);
  q.SetSql("select zi from word order by bh desc");
  q.Open();
  std::vector<std::string> order;
  for (q.First(); !q.Eof(); q.Next()) order.push_back(q.Field("zi").AsText());
  EXPECT_EQ(order, (std::vector<std::string>{"丽", "张", "江", "三"}));
}

TEST(QueryContinueFlag, ClearedFlagEndsTheStatement) {
  // 150 characters: a three-way cross join walks 3,375,000 combinations
  // and finds none, which takes long enough to be cut short.
  std::string rows = "INSERT INTO word(zi, bh) VALUES ('c0', 0)";
  for (int i = 1; i < 150; ++i) rows += StrFormat(", ('c%d', %d)", i, i % 30);
  testing::TempDir dir;
  CreateFixtureDatabase(dir.path(), DatabaseFile::Roruroz, {rows});
  ScopedProgramDirectory program(dir.path());
  const std::string cross =
      "select a.zi from (select zi,bh from word) a , (select zi,bh from word) b , (select zi,bh from word) c "
      "where a.bh + b.bh + c.bh > 1000";
  Query q(ConnectionStringFor(DatabaseFile::Roruroz));
  std::atomic<bool> keepRunning{true};
  q.SetContinueFlag(&keepRunning);
  q.SetSql("select zi from word where bh = 3");
  q.Open();
  EXPECT_EQ(q.RecordCount(), 5);  // a watched flag that stays set changes nothing

  keepRunning = false;
  EXPECT_THROW(q.Open(), DataError);  // cleared before: nothing runs
  EXPECT_FALSE(q.Active());

  keepRunning = true;
  q.SetSql(cross);
  std::thread stopper([&] { keepRunning = false; });
  try {
    q.Open();
    ADD_FAILURE() << "the statement ran to its end";
  } catch (const DataError& e) {
    EXPECT_STREQ(e.what(), "query interrupted");
  }
  stopper.join();
  // The connection serves the next statement as usual.
  keepRunning = true;
  q.SetSql("select zi from word where bh = 4");
  q.Open();
  EXPECT_EQ(q.RecordCount(), 5);
}

}  // namespace
}  // namespace lumeno::data
