#pragma once
// The rows of table `zh`: every stroke combination of a one- or
// two-character surname (1 to 32 strokes a character) with a one- or
// two-character given name (1 to 24 strokes a character), scored by the same
// rules as a name whose combination the table lacks. The database build
// writes them; the naming window selects from them.
#include <functional>
#include <span>
#include <string>

#include "numerology/grids.h"

namespace lumeno::numerology {

inline constexpr int kComboMaxSurnameStrokes = 32;
inline constexpr int kComboMaxGivenStrokes = 24;

// The values of `zh`.`lx`: surname characters, then given-name characters.
inline constexpr int kComboKinds[] = {11, 12, 21, 22};

struct ComboRow {
  int bh11 = 0, bh12 = 0, bh21 = 0, bh22 = 0;  // strokes; 0 for no second character
  int zf = 0;                                  // score, whole points
  int lx = 0;                                  // kind
  int jxjx = 0;                                // rank among its surname's combinations, 1 best
  std::string xb;                              // "男", "女" or "0" (GBK)
};

// Grid numbers that the tradition holds too forceful for a woman's name:
// the leader's numbers 21, 23, 33, 39 and the ambitious 29.
std::span<const int> NumbersTooForcefulForWoman();
// True when the person or the total grid is one of them.
bool TooForcefulForWoman(const FiveGrids& grids);

// The exact score of a combination by the point rules: grid points plus
// the points of the three-talent grade, which is what TalentPoints reads
// from a complete `sancai` table.
double ComboExactScore(int s1, int s2, int g1, int g2);

// Calls `emit` for every row of the table, kind by kind, in the order of the
// stroke counts. Rows of one kind and one surname (lx, bh11, bh12) form a
// group: the naming window asks for one group at a time, ordered by jxjx and
// then zf, so jxjx is the 1-based rank within the group (higher exact score,
// then better three-talent grade, then fewer strokes first) and is unique
// for each combination there. zf is the whole part of the exact score.
//
// xb marks the sex a combination suits. A combination with a person or
// total grid too forceful for a woman gets one row "男". Any other suits
// both: for a two-character surname with a two-character given name, whose
// naming query asks for one sex alone, that is two rows "男" and "女" (the
// same score and rank); for the other kinds one row "0".
void ForEachComboRow(const std::function<void(const ComboRow&)>& emit);

}  // namespace lumeno::numerology
