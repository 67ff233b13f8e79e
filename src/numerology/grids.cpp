#include "numerology/grids.h"

#include <exception>

#include "core/text.h"
#include "data/query.h"

namespace lumeno::numerology {

int FiveGrids::operator[](GridKind kind) const {
  switch (kind) {
    case GridKind::Heaven: return heaven;
    case GridKind::Earth: return earth;
    case GridKind::Person: return person;
    case GridKind::Total: return total;
    case GridKind::Outer: return outer;
  }
  return 0;
}

const int* StrokeCache::Find(std::string_view character) const {
  auto it = counts_.find(character);
  return it == counts_.end() ? nullptr : &it->second;
}

void StrokeCache::Store(std::string_view character, int strokes) { counts_[std::string(character)] = strokes; }

namespace {

// The character goes between the quotes of the query as it is. A name holds
// double-byte characters, whose bytes are never a quote; should a quote
// arrive anyway (typed text that bypassed the name filter), it is doubled so
// that the text stays one value of the query instead of breaking it.
std::string BetweenQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out;
}

// bh of the first record; 0 when there is none, when the query fails and
// when the stored value is no stroke count at all (not a number, below 1 or
// above kMaxStrokeCount), so that a damaged row can never make the grid sums
// overflow.
int FirstStrokeCount(const std::string& sql) {
  try {
    return data::RunQuery(data::DatabaseFile::Roruroz, sql).First("bh").IntWithin(1, kMaxStrokeCount).value_or(0);
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace

int LookupStroke(std::string_view character, StrokeCache* cache) {
  if (cache) {
    if (const int* known = cache->Find(character)) return *known;
  }
  std::string quoted = BetweenQuotes(character);
  int strokes = FirstStrokeCount("select  top 1 bh from word where zi = '" + quoted + "'");
  // A traditional form is looked up only when the simplified column gave
  // nothing.
  if (strokes == 0) strokes = FirstStrokeCount("select  top 1 bh from word where ft = '" + quoted + "' ");
  if (cache) cache->Store(character, strokes);
  return strokes;
}

// Grids by the byte lengths S of the surname and G of the given name:
//
//   kind        S <= 2 (one character)          S >= 3 (two characters)
//   0 heaven    stroke(surname) + 1             stroke(bytes 1-2) + stroke(bytes 3-4)
//   2 person    stroke(surname) + stroke(g1)    stroke(bytes 3-4) + stroke(g1)
//
//   kind        G <= 2                          G >= 3
//   1 earth     stroke(given) + 1               stroke(bytes 1-2) + stroke(bytes 3-4)
//
//   3 total     surname part + given part, each stroke(name) when it is at
//               most 2 bytes, else stroke(bytes 1-2) + stroke(bytes 3-6)
//   4 outer     2 when both names are exactly 2 bytes, else total - person + 1
//
// g1 is the first character (bytes 1-2) of the given name. Names of up to two
// characters make bytes 3-6 simply the second character.
int ComputeGrid(std::string_view surname, std::string_view given, int kind, StrokeCache* cache) {
  const std::size_t s = surname.size();
  const std::size_t g = given.size();
  auto stroke = [cache](std::string_view text) { return LookupStroke(text, cache); };
  auto part = [](std::string_view text, std::size_t pos, std::size_t count) { return ByteCopy(text, pos, count); };
  switch (kind) {
    case 0:
      return s <= 2 ? stroke(surname) + 1 : stroke(part(surname, 0, 2)) + stroke(part(surname, 2, 2));
    case 1:
      return g <= 2 ? stroke(given) + 1 : stroke(part(given, 0, 2)) + stroke(part(given, 2, 2));
    case 2:
      return s <= 2 ? stroke(surname) + stroke(part(given, 0, 2))
                    : stroke(part(surname, 2, 2)) + stroke(part(given, 0, 2));
    case 3: {
      int fromSurname = s <= 2 ? stroke(surname) : stroke(part(surname, 0, 2)) + stroke(part(surname, 2, 4));
      int fromGiven = g <= 2 ? stroke(given) : stroke(part(given, 0, 2)) + stroke(part(given, 2, 4));
      return fromSurname + fromGiven;
    }
    case 4:
      if (s == 2 && g == 2) return 2;
      return ComputeGrid(surname, given, 3, cache) - ComputeGrid(surname, given, 2, cache) + 1;
    default:
      return 0;
  }
}

FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given, StrokeCache* cache) {
  FiveGrids grids;
  grids.heaven = ComputeGrid(surname, given, GridKind::Heaven, cache);
  grids.earth = ComputeGrid(surname, given, GridKind::Earth, cache);
  grids.person = ComputeGrid(surname, given, GridKind::Person, cache);
  grids.total = ComputeGrid(surname, given, GridKind::Total, cache);
  grids.outer = ComputeGrid(surname, given, GridKind::Outer, cache);
  return grids;
}

FiveGrids FiveGridsOfStrokes(int s1, int s2, int g1, int g2) {
  const bool twoSurname = s2 != 0;
  const bool twoGiven = g2 != 0;
  FiveGrids grids;
  grids.heaven = twoSurname ? s1 + s2 : s1 + 1;
  grids.earth = twoGiven ? g1 + g2 : g1 + 1;
  grids.person = twoSurname ? s2 + g1 : s1 + g1;
  grids.total = s1 + s2 + g1 + g2;
  grids.outer = (!twoSurname && !twoGiven) ? 2 : grids.total - grids.person + 1;
  return grids;
}

std::string GridElement(int number) {
  switch (number % 10) {  // truncating: a negative number leaves a negative remainder
    case 1:
    case 2: return "木";
    case 3:
    case 4: return "火";
    case 5:
    case 6: return "土";
    case 7:
    case 8: return "金";
    case 9:
    case 0: return "水";
    default: return "";
  }
}

std::string ThreeTalents(int heaven, int person, int earth) {
  return GridElement(heaven) + GridElement(person) + GridElement(earth);
}

int LookupComboScore(std::string_view s1, std::string_view s2, std::string_view g1, std::string_view g2,
                     StrokeCache* cache) {
  int bh11 = LookupStroke(s1, cache);
  int bh12 = s2.empty() ? 0 : LookupStroke(s2, cache);
  int bh21 = g1.empty() ? 0 : LookupStroke(g1, cache);
  int bh22 = g2.empty() ? 0 : LookupStroke(g2, cache);
  std::string sql = StrFormat("select  top 1 zf from zh where bh11 = %d and bh12 = %d and bh21 = %d and bh22 = %d ",
                              bh11, bh12, bh21, bh22);
  try {
    // A stored score is out of 100; anything else counts as none.
    return data::RunQuery(data::DatabaseFile::Roruroz, sql).First("zf").IntWithin(0, 100).value_or(0);
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace lumeno::numerology
