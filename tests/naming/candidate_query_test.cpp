// The candidate query texts, the order in which a result is read, and whole
// runs on the fixture database.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "data/database.h"
#include "data/query.h"
#include "core/error.h"
#include "naming/candidate_query.h"
#include "naming_fixture.h"

namespace lumeno::naming {
namespace {

using Names = std::vector<std::string>;

std::array<bool, kElementCount> Elements(const std::string& which) {
  std::array<bool, kElementCount> e{};
  for (int i = 0; i < kElementCount; ++i) e[i] = which.find(kElementNames[i]) != std::string::npos;
  return e;
}

TEST(ElementCondition, CheckedBoxes) {
  struct Case {
    const char* checked;
    const char* want;
  } cases[] = {
      {"", ""},
      {"金木水火土", ""},
      {"土", " and wuhang = '土' "},
      {"木", " and wuhang = '木' "},
      // The trailing "or" is cut together with the outer blanks.
      {"金水", " and ( wuhang = '金' or  wuhang = '水'  ) "},
      {"金木水火", " and ( wuhang = '金' or  wuhang = '木' or  wuhang = '水' or  wuhang = '火'  ) "},
      // Ending in 土, nothing is cut and the blanks stay.
      {"金土", " and (  wuhang = '金' or  wuhang = '土'  ) "},
      {"木火土", " and (  wuhang = '木' or  wuhang = '火' or  wuhang = '土'  ) "},
  };
  for (const Case& c : cases) EXPECT_EQ(ElementCondition(Elements(c.checked)), c.want) << GbkToUtf8(c.checked);
}

TEST(SexCondition, ByNameFormAndFixedCharacter) {
  EXPECT_EQ(SexCondition(true, false), " and (xb = '男' or nan = 1 or xb = '1') ");
  EXPECT_EQ(SexCondition(true, true), " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ");
  EXPECT_EQ(SexCondition(false, false), " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
  EXPECT_EQ(SexCondition(false, true), " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
  NamingSettings s;
  s.form = NameForm::OneCharacter;
  s.elements = Elements("水");
  EXPECT_EQ(CharacterFilter(s), " and wuhang = '水'  and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ");
}

// Whole texts as they are sent, for the forms of the name select.
TEST(CandidateQueryText, WholeTextsOfEachForm) {
  struct Case {
    const char* what;
    NamingSettings settings;
    std::string wantWrapped;
  };
  auto settings = [](bool male, NameForm form, bool fixedOn, FixedPosition pos, const char* elements) {
    NamingSettings s;
    s.surname = " 张 ";
    s.male = male;
    s.form = form;
    s.fixedOn = fixedOn;
    s.fixedPosition = pos;
    s.fixedCharacter = "星";
    s.elements = Elements(elements);
    return s;
  };
  Case cases[] = {
      {"single, male, two characters, 金水",
       settings(true, NameForm::TwoCharacters, false, FixedPosition::Second, "金水"),
       "select mz from (select '张' + a.zi + b.zi + '(85分)' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,"
       "a.wuhang as wuhang1,b.wuhang as wuhang2  from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 "
       "and Aflag is null  and ( wuhang = '金' or  wuhang = '水'  )  and (xb = '男' or nan = 1 or xb = '1')  and bh = "
       "10) a , (select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  and ( wuhang = "
       "'金' or  wuhang = '水'  )  and (xb = '男' or nan = 1 or xb = '1')  and nan = 1  and bh = 6) b) p where you > 0 "
       "order by px"},
      {"single, female, fixed third character",
       settings(false, NameForm::TwoCharacters, true, FixedPosition::Third, ""),
       "select mz from (select '张' + a.zi + b.zi + '(85分)'  as mz,(a.px + b.px + a.id) as px,a.nv + b.nv as you,"
       "a.wuhang as wuhang1,b.wuhang as wuhang2  from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 "
       "and Aflag is null  and (xb = '女' or nv = 1 or xb = '0' or xb = '1')  and bh = 10) a , (select top 1 '星' as "
       "zi, 119 as px, 111 as id,nan,nv,wuhang from word where 1 = 1 ) b) p where you > 0 order by px"},
      {"single, male, fixed second character",
       settings(true, NameForm::TwoCharacters, true, FixedPosition::Second, "土"),
       "select mz from (select '张' + a.zi + b.zi + '(85分)' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,"
       "a.wuhang as wuhang1,b.wuhang as wuhang2  from (select top 1 '星' as zi, 120 as px, 131 as id,nan,nv,wuhang "
       "from word where 1 = 1 ) a , (select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is "
       "null  and wuhang = '土'  and (xb = '男' or nan = 1 or xb = '0' or xb = '1')  and nan = 1  and bh = 6) b) p "
       "where you > 0 order by px"},
      {"single, one character: no second sub-query, no you filter",
       settings(false, NameForm::OneCharacter, false, FixedPosition::Second, ""),
       "select mz from (select '张' + a.zi + '(85分)'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 from "
       "(select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  and (xb = '女' or nv = 1 "
       "or xb = '0' or xb = '1')  and bh = 10) a ) p order by px"},
  };
  for (Case& c : cases) {
    const char* entry = c.settings.OneCharacterName() ? "11|10(85分)" : "11|10-6(85分)";
    std::optional<CandidateQuery> q = SingleQuery(c.settings, entry);
    ASSERT_TRUE(q) << c.what;
    ASSERT_EQ(q->lines.size(), 1u) << c.what;
    EXPECT_EQ(q->Wrapped(), c.wantWrapped) << c.what;
  }
}

TEST(CandidateQueryText, AutomaticFormsAndUnionLines) {
  NamingSettings s;
  s.surname = "张";
  s.combinations = {"11|10-6(85分)", "11|10-9(83分)"};
  std::optional<CandidateQuery> q = AutomaticGroupQuery(s, 0);
  ASSERT_TRUE(q);
  ASSERT_EQ(q->lines.size(), 3u);
  EXPECT_EQ(q->lines[1], " union ");
  EXPECT_EQ(q->lines[0],
            "select '张' + a.zi + b.zi + '(85分)' as mz,(a.px + b.px) as px,a.nan + b.nan as you,a.wuhang as "
            "wuhang1,b.wuhang as wuhang2 from (select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and "
            "Aflag is null   and (xb = '男' or nan = 1 or xb = '1')  and bh = 10) a , (select zi,px + 5001 as "
            "px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null   and (xb = '男' or nan = 1 or xb = '1')  and "
            "nan = 1  and bh = 6) b");
  EXPECT_NE(q->lines[2].find("'(83分)' as mz"), std::string::npos);
  EXPECT_NE(q->lines[2].find("and nan = 1  and bh = 9) b"), std::string::npos);
  EXPECT_EQ(q->Wrapped(), "select mz from (" + q->lines[0] + "\r\n union \r\n" + q->lines[2] +
                              ") p where you > 0 order by px");

  s.male = false;
  s.fixedOn = true;
  s.fixedPosition = FixedPosition::Second;
  s.fixedCharacter = "星";
  EXPECT_EQ(AutomaticGroupQuery(s, 0)->lines[0],
            "select '张' + a.zi + b.zi + '(85分)' as mz,(a.px + b.px) as px,a.nv + b.nv as you,a.wuhang as "
            "wuhang1,b.wuhang as wuhang2 from (select top 1 '星' as zi,11 as px, 100 as id,nan,nv,wuhang from word "
            "where 1 = 1  ) a , (select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null   "
            "and (xb = '女' or nv = 1 or xb = '0' or xb = '1')  and nv = 1  and bh = 6) b");
  s.fixedPosition = FixedPosition::Third;
  EXPECT_NE(AutomaticGroupQuery(s, 0)->lines[0].find(
                ") a , (select top 1 '星' as zi,12 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  ) b"),
            std::string::npos);

  s = NamingSettings{};
  s.surname = "张";
  s.form = NameForm::OneCharacter;
  s.combinations = {"11|10(88分)"};
  q = AutomaticGroupQuery(s, 0);
  EXPECT_EQ(q->Wrapped(),
            "select mz from (select '张' + a.zi + '(88分)' as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 from "
            "(select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null   and (xb = '男' or "
            "nan = 1 or xb = '0' or xb = '1')  and bh = 10) a ) p order by px");
}

TEST(CandidateQueryText, SurnameIsQuotedAndOnlyTheScorePartIsFormatted) {
  NamingSettings s;
  s.surname = "O'";
  s.form = NameForm::OneCharacter;
  EXPECT_EQ(SingleQuery(s, "1|10(88分)")->lines[0].substr(0, 40), "select 'O''' + a.zi + '(88分)'  as mz,(a");
  s.surname = "100%";  // a directive the formatting does not know ends the run
  EXPECT_THROW(SingleQuery(s, "1|10(88分)"), GeneralError);
  s.surname = "%%";
  EXPECT_EQ(SingleQuery(s, "1|10(88分)")->lines[0].substr(0, 12), "select '%' +");
}

TEST(CandidateQueryText, GroupsOfEight) {
  struct Case {
    int entries;
    std::vector<std::size_t> selectsPerGroup;
  } cases[] = {{17, {8, 8, 1}}, {16, {8, 8}}, {8, {8}}, {3, {3}}, {0, {}}};
  for (const Case& c : cases) {
    NamingSettings s;
    s.surname = "张";
    for (int i = 0; i < c.entries; ++i) s.combinations.push_back("11|10-6(" + std::to_string(60 + i) + "分)");
    std::vector<std::size_t> selects;
    for (std::size_t first = 0; first < s.combinations.size(); first += kGroupSize) {
      const CandidateQuery q = *AutomaticGroupQuery(s, first);
      std::size_t n = 0, unions = 0;
      for (const std::string& line : q.lines) (line == " union " ? unions : n) += 1;
      EXPECT_EQ(unions + 1, n);
      selects.push_back(n);
    }
    EXPECT_EQ(selects, c.selectsPerGroup) << c.entries;
  }
}

TEST(CandidateQueryText, GroupBuildingStopsWithTheRunningFlag) {
  NamingSettings s;
  s.surname = "张";
  s.combinations.assign(8, "11|10-6(85分)");
  int asked = 0;
  const CandidateQuery q = *AutomaticGroupQuery(s, 0, [&] { return ++asked <= 3; });
  EXPECT_EQ(q.lines.size(), 5u);  // three selects, two unions
  s.combinations[1] = "11|x-6(85分)";
  EXPECT_FALSE(AutomaticGroupQuery(s, 0));
}

std::vector<int> Visited(int count, RunMode mode, int stopAfter = -1) {
  std::atomic<bool> running{true};
  std::vector<int> order;
  VisitRecords(count, mode, running, [&](int r) {
    order.push_back(r);
    if (static_cast<int>(order.size()) == stopAfter) running = false;
  });
  return order;
}

TEST(ReadingOrder, InterleavedSlicesThenLeftovers) {
  EXPECT_EQ(Visited(20, RunMode::Single),
            (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18, 19, 20}));
  EXPECT_EQ(Visited(20, RunMode::Automatic),
            (std::vector<int>{11, 17, 1, 3, 15, 5, 13, 7, 9, 12, 18, 2, 4, 16, 6, 14, 8, 10, 19, 20}));
  EXPECT_EQ(Visited(9, RunMode::Automatic), (std::vector<int>{6, 9, 1, 2, 8, 3, 7, 4, 5}));
  // Fewer than nine: the leftovers alone.
  EXPECT_EQ(Visited(5, RunMode::Automatic), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(Visited(0, RunMode::Single).empty());
}

TEST(ReadingOrder, RunningFlagEndsAtAPassOrALeftover) {
  // Cleared inside the first pass: the pass of nine is finished, no more.
  EXPECT_EQ(Visited(20, RunMode::Single, 3).size(), 9u);
  // Cleared at a leftover: the next is not read.
  EXPECT_EQ(Visited(20, RunMode::Single, 19).size(), 19u);
  std::atomic<bool> stopped{false};
  int visits = 0;
  VisitRecords(20, RunMode::Single, stopped, [&](int) { ++visits; });
  EXPECT_EQ(visits, 0);
}

// Records every name and every query of a run.
class Recorder : public CandidateReader {
 public:
  void ProcessCandidate(const std::string& name) override {
    names.push_back(name);
    if (static_cast<int>(names.size()) == stopAfter && running) *running = false;
    if (failAt == name) throw GeneralError("unreadable");
  }
  void ResultRead() override { results.push_back(names.size()); }
  Names names;
  std::vector<std::size_t> results;  // names read when each result ended
  int stopAfter = -1;
  std::atomic<bool>* running = nullptr;
  std::string failAt;
};

class CandidateRun : public ::testing::Test {
 protected:
  RunEnd Run(const NamingSettings& s) {
    data::Query query(data::OwnRorurozConnectionString());
    rec.running = &running;
    const RunEnd end = RunCandidateQueries(s, query, running, rec);
    EXPECT_FALSE(query.Active());
    return end;
  }
  static NamingSettings Zhang(const std::string& combination = kAutomatic) {
    NamingSettings s;
    s.surname = "张";
    s.combinations = {"11|10-6(85分)", "11|10-9(83分)", "11|4-12(81分)", "11|10-12(78分)"};
    s.combination = combination;
    return s;
  }
  testing::NamingDatabase db;
  lumeno::testing::ScopedProgramDirectory program{db.path()};
  std::atomic<bool> running{true};
  Recorder rec;
};

// The 20 names of entry 11|10-6 in order of weight.
Names TwentyByWeight() {
  Names out;
  for (const char* a : {"浩", "泰", "晋", "朗", "峰"})
    for (const char* b : {"宇", "安", "光", "冰"}) out.push_back(std::string("张") + a + b + "(85分)");
  return out;
}

TEST_F(CandidateRun, SingleEntryReadsTheTwentyNamesInterleaved) {
  EXPECT_EQ(Run(Zhang("11|10-6(85分)")), RunEnd::Completed);
  const Names byWeight = TwentyByWeight();
  Names want;
  for (int r : Visited(20, RunMode::Single)) want.push_back(byWeight[r - 1]);
  EXPECT_EQ(rec.names, want);
  EXPECT_EQ(rec.names.front(), "张浩宇(85分)");
  EXPECT_EQ(rec.names[1], "张浩光(85分)");
  EXPECT_EQ(rec.results, std::vector<std::size_t>{20});
}

TEST_F(CandidateRun, FiltersOfSexElementsAndCandidates) {
  NamingSettings s = Zhang("11|10-6(85分)");
  s.elements = Elements("水");
  Run(s);
  EXPECT_EQ(rec.names, Names{"张浩冰(85分)"});

  rec.names.clear();
  s = Zhang("11|10-6(85分)");
  s.male = false;
  Run(s);
  // Women: 泰 晋 娜 first, 宇 安 冰 如 second (光 is for boys; 悦 never).
  std::sort(rec.names.begin(), rec.names.end());
  Names want;
  for (const char* a : {"泰", "晋", "娜"})
    for (const char* b : {"宇", "安", "冰", "如"}) want.push_back(std::string("张") + a + b + "(85分)");
  std::sort(want.begin(), want.end());
  EXPECT_EQ(rec.names, want);
}

TEST_F(CandidateRun, OneCharacterNames) {
  NamingSettings s = Zhang("11|10(88分)");
  s.form = NameForm::OneCharacter;
  Run(s);
  // The looser sex line: every candidate of 10 strokes but 娜 (for girls only).
  EXPECT_EQ(rec.names, (Names{"张浩(88分)", "张泰(88分)", "张晋(88分)", "张朗(88分)", "张峰(88分)"}));
}

TEST_F(CandidateRun, FixedCharacterInEitherPlace) {
  NamingSettings s = Zhang("11|10-9(83分)");
  s.fixedOn = true;
  s.fixedPosition = FixedPosition::Third;
  s.fixedCharacter = "星";
  Run(s);
  EXPECT_EQ(rec.names, (Names{"张浩星(83分)", "张泰星(83分)", "张晋星(83分)", "张朗星(83分)", "张峰星(83分)"}));

  rec.names.clear();
  s.fixedPosition = FixedPosition::Second;
  s.combination = "11|10-6(85分)";
  Run(s);
  EXPECT_EQ(rec.names, (Names{"张星宇(85分)", "张星安(85分)", "张星光(85分)", "张星冰(85分)"}));

  // A character that is not one Chinese character never reaches a query.
  rec.names.clear();
  s.fixedCharacter = "'";
  EXPECT_EQ(Run(s), RunEnd::Failed);
  EXPECT_TRUE(rec.names.empty());
}

TEST_F(CandidateRun, AutomaticModeReadsEveryGroupInItsOrder) {
  NamingSettings s = Zhang();
  EXPECT_EQ(Run(s), RunEnd::Completed);
  // One union query: 20 names of 10-6, 5 of 10-9 (星 is no candidate, so
  // none), none of 4-12, 5 of 10-12 with 晴.
  ASSERT_EQ(rec.results, std::vector<std::size_t>{25});
  EXPECT_EQ(rec.names.front(), "张晋宇(85分)");  // record 11 of 25: slice 5 of 9 leads
  Names sorted = rec.names;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
  EXPECT_EQ(std::count_if(rec.names.begin(), rec.names.end(),
                          [](const std::string& n) { return n.find("(78分)") != std::string::npos; }),
            5);

  // Nine entries make two queries; each result is read before the next runs.
  rec = Recorder{};
  s.combinations.insert(s.combinations.end(), 5, "11|10-6(85分)");
  Run(s);
  EXPECT_EQ(rec.results, (std::vector<std::size_t>{25, 45}));
}

TEST_F(CandidateRun, NoEntriesReadNothing) {
  NamingSettings s = Zhang();
  s.combinations.clear();
  EXPECT_EQ(Run(s), RunEnd::Completed);
  EXPECT_TRUE(rec.names.empty());
  EXPECT_TRUE(rec.results.empty());
}

TEST_F(CandidateRun, StopEndsTheRunAfterThePassInHand) {
  rec.stopAfter = 2;
  EXPECT_EQ(Run(Zhang("11|10-6(85分)")), RunEnd::Stopped);
  EXPECT_EQ(rec.names.size(), 9u);

  rec = Recorder{};
  rec.stopAfter = 1;
  running = true;
  NamingSettings s = Zhang();
  s.combinations.insert(s.combinations.end(), 5, "11|10-6(85分)");
  EXPECT_EQ(Run(s), RunEnd::Stopped);
  EXPECT_EQ(rec.results.size(), 1u);  // the second group is not run
}

TEST_F(CandidateRun, ErrorsEndTheRunSilentlyKeepingWhatWasRead) {
  NamingSettings s = Zhang();
  s.combinations.insert(s.combinations.end(), 4, "11|10-6(85分)");
  s.combinations.push_back("11|ten-6(85分)");  // in the second group
  EXPECT_EQ(Run(s), RunEnd::Failed);
  EXPECT_EQ(rec.names.size(), 25u);

  rec = Recorder{};
  rec.failAt = "张浩光(85分)";
  EXPECT_EQ(Run(Zhang("11|10-6(85分)")), RunEnd::Failed);
  EXPECT_EQ(rec.names, (Names{"张浩宇(85分)", "张浩光(85分)"}));

  rec = Recorder{};
  EXPECT_EQ(Run(Zhang("not an entry")), RunEnd::Failed);
  lumeno::testing::ScopedProgramDirectory nowhere(db.path() + "/none");
  EXPECT_EQ(Run(Zhang("11|10-6(85分)")), RunEnd::Failed);
  EXPECT_TRUE(rec.names.empty());
}

TEST_F(CandidateRun, TwoCharacterSurname) {
  NamingSettings s;
  s.surname = "欧阳";
  s.combination = "8-6|10-12(80分)";
  Run(s);
  EXPECT_EQ(rec.names, (Names{"欧阳浩晴(80分)", "欧阳泰晴(80分)", "欧阳晋晴(80分)", "欧阳朗晴(80分)", "欧阳峰晴(80分)"}));
}


// Two good characters can make a bad word: a name that holds a word of table
// tingci is passed over, in either mode, and the others keep their order.
TEST_F(CandidateRun, NamesHoldingAStopWordArePassedOver) {
  for (const char* sql : {"INSERT INTO tingci(ci, yuanyin) VALUES ('浩宇', '可笑')",
                          "INSERT INTO tingci(ci, yuanyin) VALUES ('张泰', '谐音')"}) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open((db.path() + "/Roruroz.dll").c_str(), &handle), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(handle, GbkToUtf8(sql).c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);
  }
  for (const char* combination : {"11|10-6(85分)", kAutomatic}) {
    SCOPED_TRACE(combination);
    rec.names.clear();
    Run(Zhang(combination));
    Names want;
    for (const std::string& n : TwentyByWeight())
      if (n.rfind("张浩宇", 0) != 0 && n.rfind("张泰", 0) != 0) want.push_back(n);
    Names got = rec.names;
    if (std::string(combination) == kAutomatic) {
      // Automatic mode reads the other entries too; keep those of 11|10-6.
      got.erase(std::remove_if(got.begin(), got.end(),
                               [](const std::string& n) { return n.find("(85分)") == std::string::npos; }),
                got.end());
    }
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, want);
  }
}

TEST(StopWords, MatchOnlyWholeCharacters) {
  const StopWords words({"纳粹", "王八", "杜子腾"});
  EXPECT_TRUE(words.HeldBy("张纳粹(95分)"));
  EXPECT_TRUE(words.HeldBy("王八(90分)"));
  EXPECT_TRUE(words.HeldBy("杜子腾(88分)"));
  EXPECT_FALSE(words.HeldBy("张纳绪(95分)"));
  EXPECT_FALSE(words.HeldBy("王小八(90分)"));
  EXPECT_FALSE(words.HeldBy("杜子(88分)"));
  // The trail byte of 啊 (B0 A1) and the lead byte of the next 啊 make the
  // bytes A1 B0, which are 〔 in GBK; only a match that starts at a
  // character counts.
  EXPECT_FALSE(StopWords({"\xA1\xB0"}).HeldBy("啊啊"));
  EXPECT_TRUE(StopWords({"\xA1\xB0"}).HeldBy("x\xA1\xB0"));
  EXPECT_FALSE(StopWords().HeldBy("张三(80分)"));
}

}  // namespace
}  // namespace lumeno::naming
