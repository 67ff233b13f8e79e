#include "numerology/combo_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "numerology/score.h"

namespace lumeno::numerology {
namespace {

struct Seen {
  int lx = 0, zf = 0, jxjx = 0;
  int male = 0, female = 0, both = 0;
};

struct Key {
  int s1, s2, g1, g2;
};

// The whole table, read once for all the checks below, indexed by the four
// stroke counts.
class ComboTableTest : public ::testing::Test {
 protected:
  static constexpr int kS = kComboMaxSurnameStrokes + 1;
  static constexpr int kG = kComboMaxGivenStrokes + 1;
  static std::size_t Index(int s1, int s2, int g1, int g2) {
    return ((static_cast<std::size_t>(s1) * kS + s2) * kG + g1) * kG + g2;
  }

  static void SetUpTestSuite() {
    table_ = new std::vector<Seen>(static_cast<std::size_t>(kS) * kS * kG * kG);
    ForEachComboRow([](const ComboRow& r) {
      Seen& s = (*table_)[Index(r.bh11, r.bh12, r.bh21, r.bh22)];
      if (s.lx != 0) {  // a second row of one combination agrees with the first
        EXPECT_EQ(s.zf, r.zf);
        EXPECT_EQ(s.jxjx, r.jxjx);
      }
      s.lx = r.lx;
      s.zf = r.zf;
      s.jxjx = r.jxjx;
      if (r.xb == "男") ++s.male;
      else if (r.xb == "女") ++s.female;
      else if (r.xb == "0") ++s.both;
      else ADD_FAILURE() << "sex marker " << r.xb;
    });
  }
  static void TearDownTestSuite() {
    delete table_;
    table_ = nullptr;
  }

  // Calls fn(key, seen) for every combination the table holds.
  template <typename Fn>
  static void ForEachSeen(Fn fn) {
    for (int s1 = 0; s1 < kS; ++s1)
      for (int s2 = 0; s2 < kS; ++s2)
        for (int g1 = 0; g1 < kG; ++g1)
          for (int g2 = 0; g2 < kG; ++g2) {
            const Seen& seen = (*table_)[Index(s1, s2, g1, g2)];
            if (seen.lx == 0) continue;
            if (HasFailure()) return;  // one report, not one per combination
            fn(Key{s1, s2, g1, g2}, seen);
          }
  }
  static const Seen& At(int s1, int s2, int g1, int g2) { return (*table_)[Index(s1, s2, g1, g2)]; }

  static std::vector<Seen>* table_;
};

std::vector<Seen>* ComboTableTest::table_ = nullptr;

TEST_F(ComboTableTest, EveryCombinationOfTheFourKindsOnce) {
  const int s = kComboMaxSurnameStrokes, g = kComboMaxGivenStrokes;
  std::map<int, int> perKind;
  ForEachSeen([&](const Key& k, const Seen& seen) {
    auto [s1, s2, g1, g2] = k;
    ++perKind[seen.lx];
    EXPECT_EQ(seen.lx, (s2 ? 20 : 10) + (g2 ? 2 : 1));
    EXPECT_TRUE(s1 >= 1 && s1 <= s && s2 >= 0 && s2 <= s && g1 >= 1 && g1 <= g && g2 >= 0 && g2 <= g);
  });
  EXPECT_EQ(perKind[11], s * g);
  EXPECT_EQ(perKind[12], s * g * g);
  EXPECT_EQ(perKind[21], s * s * g);
  EXPECT_EQ(perKind[22], s * s * g * g);
}

TEST_F(ComboTableTest, StoredScoreIsTheWholePartOfTheComputedScore) {
  ForEachSeen([&](const Key& k, const Seen& seen) {
    auto [s1, s2, g1, g2] = k;
    double exact = ComboExactScore(s1, s2, g1, g2);
    ASSERT_EQ(seen.zf, static_cast<int>(std::floor(exact))) << s1 << "," << s2 << "," << g1 << "," << g2;
    ASSERT_GT(seen.zf, 0);
  });
  // 张三-like strokes: grids 12, 4, 14, 14, 2 (56 points) and 木火火 (grade 2).
  EXPECT_EQ(At(11, 0, 3, 0).zf, 74);
  EXPECT_EQ(ComboExactScore(11, 0, 3, 0), 74);
}

TEST_F(ComboTableTest, EachSexQueryFindsASuitableCombinationExactlyOnce) {
  ForEachSeen([&](const Key& k, const Seen& seen) {
    auto [s1, s2, g1, g2] = k;
    const bool forceful = TooForcefulForWoman(FiveGridsOfStrokes(s1, s2, g1, g2));
    if (seen.lx == 22) {
      // asked as xb = '男' or xb = '女' alone, or with xb = '0' besides
      ASSERT_EQ(seen.male, 1);
      ASSERT_EQ(seen.female, forceful ? 0 : 1);
      ASSERT_EQ(seen.both, 0);
    } else {
      // asked as (xb = '男' or xb = '0'), or not at all
      ASSERT_EQ(seen.male + seen.both, 1);
      ASSERT_EQ(seen.female + seen.both, forceful ? 0 : 1);
    }
  });
}

TEST_F(ComboTableTest, RanksOrderEachSurnameGroupBestFirst) {
  // group (lx, bh11, bh12) -> score by rank; a group has at most 24 x 24
  std::map<std::tuple<int, int, int>, std::vector<int>> groups;
  ForEachSeen([&](const Key& k, const Seen& seen) {
    std::vector<int>& byRank = groups[{seen.lx, k.s1, k.s2}];
    if (byRank.empty()) byRank.assign(kG * kG, -1);
    ASSERT_GE(seen.jxjx, 1);
    ASSERT_LT(seen.jxjx, kG * kG);
    ASSERT_EQ(byRank[seen.jxjx], -1) << "rank " << seen.jxjx << " twice";
    byRank[seen.jxjx] = seen.zf;
  });
  EXPECT_EQ(groups.size(), 32u + 32u + 32u * 32u + 32u * 32u);
  for (const auto& [group, byRank] : groups) {
    // ranks 1..n without gaps, scores never rising
    std::size_t n = 1;
    while (n < byRank.size() && byRank[n] != -1) ++n;
    for (std::size_t r = n; r < byRank.size(); ++r) ASSERT_EQ(byRank[r], -1) << "gap before rank " << r;
    for (std::size_t r = 2; r < n; ++r) ASSERT_LE(byRank[r], byRank[r - 1]);
  }
}

TEST(ComboTable, ForcefulNumbersForAWoman) {
  EXPECT_EQ(std::vector<int>(NumbersTooForcefulForWoman().begin(), NumbersTooForcefulForWoman().end()),
            (std::vector<int>{21, 23, 29, 33, 39}));
  struct Case {
    FiveGrids grids;
    bool forceful;
  } cases[] = {
      {{12, 4, 21, 14, 2}, true},   // person
      {{12, 4, 14, 39, 2}, true},   // total
      {{21, 23, 14, 15, 29}, false},  // heaven, earth, outer do not count
      {{12, 4, 14, 14, 2}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(TooForcefulForWoman(c.grids), c.forceful);
}

}  // namespace
}  // namespace lumeno::numerology
