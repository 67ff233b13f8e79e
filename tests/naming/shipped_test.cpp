// Name generation on the shipped databases, once table `word` holds naming
// candidates: runs for a one- and a two-character surname find names, no
// name twice, and every name carries the score its name analysis gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "core/text.h"
#include "data/database.h"
#include "data/query.h"
#include "naming/candidate_query.h"
#include "naming/combination.h"
#include "naming/name_details.h"
#include "numerology/score.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno::naming {
namespace {

class ShippedNaming : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(lumeno::testing::BinDir() + "/Roruroz.dll"))
      GTEST_SKIP() << "no shipped databases in " << lumeno::testing::BinDir();
    if (data::RunQuery(data::DatabaseFile::Roruroz, "select top 1 zi from word where Aflag is null").IsEmpty())
      GTEST_SKIP() << "the shipped word table holds no naming candidates yet";
  }

  struct Collected : CandidateReader {
    void ProcessCandidate(const std::string& n) override { names.push_back(n); }
    std::vector<std::string> names;
  };

  std::vector<std::string> Run(NamingSettings& s) {
    data::Query window(data::OwnRorurozConnectionString());
    s.combinations = BuildCombinationList(window, Trim(s.surname), s);
    std::atomic<bool> running{true};
    Collected c;
    data::Query query(data::OwnRorurozConnectionString());
    EXPECT_EQ(RunCandidateQueries(s, query, running, c), RunEnd::Completed);
    return c.names;
  }

  lumeno::testing::ScopedProgramDirectory program{lumeno::testing::BinDir()};
};

TEST_F(ShippedNaming, NamesCarryTheScoreOfTheirAnalysis) {
  struct Case {
    const char* surname;
    bool male;
  } cases[] = {{"张", true}, {"张", false}, {"欧阳", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.surname + std::string(c.male ? " 男" : " 女"));
    NamingSettings s;
    s.surname = c.surname;
    s.male = c.male;
    const std::vector<std::string> names = Run(s);
    ASSERT_FALSE(s.combinations.empty());
    ASSERT_GE(names.size(), 54u);
    const std::set<std::string> distinct(names.begin(), names.end());
    EXPECT_EQ(distinct.size(), names.size());
    // A spread of names, each analysed on its own.
    const std::size_t step = std::max<std::size_t>(1, names.size() / 60);
    for (std::size_t i = 0; i < names.size(); i += step) {
      const std::string& name = names[i];
      ASSERT_EQ(name.compare(0, std::strlen(c.surname), c.surname), 0) << name;
      const NameDetails d = DescribeName(SplitCandidateName(name, c.surname));
      ASSERT_EQ(d.name.given.size(), 4u) << name;
      ASSERT_TRUE(d.score) << name;
      EXPECT_NE(name.find("(" + numerology::FormatScore(*d.score) + "分)"), std::string::npos) << name;
      EXPECT_GE(*d.score, 70) << name;
    }
  }
}


// The shipped stop list holds the words a run showed (纳粹 for 张), and no
// name of a full run holds any of its words.
TEST_F(ShippedNaming, NoNameHoldsAStopWord) {
  data::Query query(data::OwnRorurozConnectionString());
  const StopWords words = ReadStopWords(query);
  for (const char* w : {"纳粹", "王八", "小三", "东西"}) EXPECT_TRUE(words.Contains(w)) << w;
  for (const char* surname : {"张", "王"}) {
    NamingSettings s;
    s.surname = surname;
    const std::vector<std::string> names = Run(s);
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) ASSERT_FALSE(words.HeldBy(name)) << name;
  }
}

}  // namespace
}  // namespace lumeno::naming
