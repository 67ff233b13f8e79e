#include "numerology/combo_table.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerology/score.h"

namespace lumeno::numerology {

namespace {

constexpr int kForcefulForWoman[] = {21, 23, 29, 33, 39};

struct Candidate {
  int g1 = 0, g2 = 0;
  double exact = 0;
  int grade = 0;
  bool maleOnly = false;
};

void EmitGroup(int lx, int s1, int s2, bool twoGiven, const std::function<void(const ComboRow&)>& emit) {
  std::vector<Candidate> group;
  for (int g1 = 1; g1 <= kComboMaxGivenStrokes; ++g1) {
    for (int g2 = twoGiven ? 1 : 0; g2 <= (twoGiven ? kComboMaxGivenStrokes : 0); ++g2) {
      FiveGrids grids = FiveGridsOfStrokes(s1, s2, g1, g2);
      Candidate c;
      c.g1 = g1;
      c.g2 = g2;
      c.grade = SancaiGrade(ThreeTalents(grids));
      c.exact = ComputedScore(grids, TalentPointsForGrade(c.grade));
      c.maleOnly = TooForcefulForWoman(grids);
      group.push_back(c);
    }
  }
  std::stable_sort(group.begin(), group.end(), [](const Candidate& a, const Candidate& b) {
    if (a.exact != b.exact) return a.exact > b.exact;
    if (a.grade != b.grade) return a.grade < b.grade;
    return a.g1 + a.g2 < b.g1 + b.g2;  // then stroke order, kept by the stable sort
  });
  int rank = 0;
  for (const Candidate& c : group) {
    ++rank;
    ComboRow row;
    row.bh11 = s1;
    row.bh12 = s2;
    row.bh21 = c.g1;
    row.bh22 = c.g2;
    row.zf = static_cast<int>(std::floor(c.exact));
    row.lx = lx;
    row.jxjx = rank;
    // A zero score would read as "no stored score" and show as "(0分)" in
    // the naming list; the point rules never give one for these strokes
    // (the least is 54), so this only guards the rule tables.
    if (row.zf <= 0) continue;
    if (c.maleOnly) {
      row.xb = "男";
      emit(row);
    } else if (lx == 22) {
      row.xb = "男";
      emit(row);
      row.xb = "女";
      emit(row);
    } else {
      row.xb = "0";
      emit(row);
    }
  }
}

}  // namespace

std::span<const int> NumbersTooForcefulForWoman() { return kForcefulForWoman; }

bool TooForcefulForWoman(const FiveGrids& grids) {
  for (int n : kForcefulForWoman) {
    if (grids.person == n || grids.total == n) return true;
  }
  return false;
}

double ComboExactScore(int s1, int s2, int g1, int g2) {
  FiveGrids grids = FiveGridsOfStrokes(s1, s2, g1, g2);
  return ComputedScore(grids, TalentPointsForGrade(SancaiGrade(ThreeTalents(grids))));
}

void ForEachComboRow(const std::function<void(const ComboRow&)>& emit) {
  for (int lx : kComboKinds) {
    const bool twoSurname = lx / 10 == 2;
    const bool twoGiven = lx % 10 == 2;
    for (int s1 = 1; s1 <= kComboMaxSurnameStrokes; ++s1) {
      for (int s2 = twoSurname ? 1 : 0; s2 <= (twoSurname ? kComboMaxSurnameStrokes : 0); ++s2) {
        EmitGroup(lx, s1, s2, twoGiven, emit);
      }
    }
  }
}

}  // namespace lumeno::numerology
