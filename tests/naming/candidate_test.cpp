// ProcessCandidate: the pick rule of the high-score list, the padding of a
// name and the rows of six of the all-names view.
#include <gtest/gtest.h>

#include "core/error.h"
#include "naming/candidate.h"

namespace lumeno::naming {
namespace {

class Views : public CandidateViews {
 public:
  void AddHighScore(const std::string& name) override { high.push_back(name); }
  void AddRow(const std::string& row) override { rows.push_back(row); }
  std::vector<std::string> high, rows;
};

TEST(PickRule, ThresholdAndTheHundred) {
  struct Case {
    const char* name;
    int threshold;
    bool picked;
  } cases[] = {
      {"张浩宇(76分)", 77, false}, {"张浩宇(77分)", 77, true},   {"张浩宇(99分)", 77, true},
      {"张浩宇(100分)", 500, true}, {"欧阳浩(100分)", 77, true}, {"张浩宇(76分)", 76, true},
  };
  for (const Case& c : cases) EXPECT_EQ(ReachesPick(c.name, c.threshold), c.picked) << c.name << " " << c.threshold;
  // A score that cannot be read is an error.
  EXPECT_THROW(ReachesPick("张浩宇(9分)", 77), GeneralError);
  EXPECT_THROW(ReachesPick("张浩宇", 77), GeneralError);
}

TEST(PickRule, ThresholdText) {
  EXPECT_EQ(PickThresholdOf(" 80 "), 80);
  EXPECT_EQ(PickThresholdOf(""), std::nullopt);
  EXPECT_EQ(PickThresholdOf("8O"), std::nullopt);
}

TEST(Padding, NamesOfTenToFifteenBytesFillSixteen) {
  struct Case {
    std::string name;
    std::size_t blanks;
  } cases[] = {
      {"张浩(85分)", 6},        // 10 bytes
      {"张浩宇(85分)", 4},      // 12 bytes
      {"张浩宇(100分)", 3},     // 13 bytes
      {"欧阳浩宇(85分)", 2},    // 14 bytes
      {"欧阳浩宇(100分)", 1},   // 15 bytes
      {"欧阳浩宇(85分)xy", 0},  // 16 bytes
      {"张(85分)", 0},          // 8 bytes: as it is
      {"欧阳浩宇星(85分)", 0},  // 16
  };
  for (const Case& c : cases) EXPECT_EQ(PadName(c.name), c.name + std::string(c.blanks, ' ')) << c.name;
}

TEST(ProcessCandidate, ThirteenNamesMakeTwoRowsAndTheLastOneAtTheEnd) {
  Views views;
  std::atomic<int> threshold{77};
  CandidateProcessor p(views, true, threshold);
  for (int i = 0; i < 13; ++i) p.Process(i % 2 ? " 张浩宇(76分) " : "张浩安(77分)");
  ASSERT_EQ(views.rows.size(), 2u);
  const std::string six = "张浩安(77分)    张浩宇(76分)    张浩安(77分)    张浩宇(76分)    张浩安(77分)    张浩宇(76分)    ";
  EXPECT_EQ(views.rows[0], six);
  EXPECT_EQ(views.rows[1], six);
  EXPECT_EQ(views.high, std::vector<std::string>(7, "张浩安(77分)"));
  // The thirteenth name is written when the run ends, in a row of its own.
  p.Finish();
  EXPECT_EQ(views.rows.back(), "张浩安(77分)    ");
  p.Finish();  // nothing in hand: no empty row
  EXPECT_EQ(views.rows.size(), 3u);
  EXPECT_EQ(p.NamesProcessed(), 13);
}

TEST(ProcessCandidate, ThresholdIsReadForEveryNameAndPickCanBeOff) {
  Views views;
  std::atomic<int> threshold{77};
  CandidateProcessor p(views, true, threshold);
  p.Process("张浩宇(80分)");
  threshold = 90;
  p.Process("张浩安(80分)");
  p.Process("张浩光(100分)");
  EXPECT_EQ(views.high, (std::vector<std::string>{"张浩宇(80分)", "张浩光(100分)"}));

  Views off;
  CandidateProcessor none(off, false, threshold);
  none.Process("张浩光(100分)");
  none.Process("张浩光(9分)");  // not read at all when picking is off
  EXPECT_TRUE(off.high.empty());
}

TEST(ProcessCandidate, UnreadableScoreStopsBeforeTheRow) {
  Views views;
  std::atomic<int> threshold{77};
  CandidateProcessor p(views, true, threshold);
  p.Process("张浩宇(80分)");
  EXPECT_THROW(p.Process("张浩安(8分)"), GeneralError);
  p.Finish();
  EXPECT_EQ(views.rows, std::vector<std::string>{"张浩宇(80分)    "});
}

}  // namespace
}  // namespace lumeno::naming
