#pragma once
// Stroke numerology of a Chinese name: the stroke count of a character, the
// five grids (天格, 地格, 人格, 总格, 外格) of a surname and a given name of
// one or two characters, the element of a grid number, the three-talent text
// and the precomputed score of a stroke combination.
//
// Names are GBK byte strings; every length test is on bytes, and the first
// character of a name is its bytes 1-2, the second its bytes 3-4.
#include <map>
#include <string>
#include <string_view>

namespace lumeno::numerology {

// The grids, numbered as everywhere in the program (the numbers also select
// the point weights of the score).
enum class GridKind : int { Heaven = 0, Earth = 1, Person = 2, Total = 3, Outer = 4 };

inline constexpr GridKind kAllGridKinds[] = {GridKind::Heaven, GridKind::Earth, GridKind::Person, GridKind::Total,
                                             GridKind::Outer};

// The five grid numbers of one name.
struct FiveGrids {
  int heaven = 0;
  int earth = 0;
  int person = 0;
  int total = 0;
  int outer = 0;

  int operator[](GridKind kind) const;
  friend bool operator==(const FiveGrids&, const FiveGrids&) = default;
};

// Remembers stroke counts for the length of one command. The database does
// not change while the program runs, so a remembered count is the count a
// fresh look-up would give; a command that makes several dozen look-ups of
// the same four characters then opens the database only once per character.
// Never keep one across commands.
class StrokeCache {
 public:
  const int* Find(std::string_view character) const;
  void Store(std::string_view character, int strokes);
  std::size_t size() const { return counts_.size(); }

 private:
  std::map<std::string, int, std::less<>> counts_;
};

// The most strokes a character of the table can have (the densest GBK
// characters have fewer than 64).
inline constexpr int kMaxStrokeCount = 64;

// The stroke count of one character (two bytes) from table `word`: looked up
// by its simplified form first, then by its traditional form. 0 when neither
// finds it, when the database is missing or a query fails, and when the
// stored count is not a number from 1 to kMaxStrokeCount; nothing is shown.
int LookupStroke(std::string_view character, StrokeCache* cache = nullptr);

// One grid number of a surname and a given name (see the table in
// grids.cpp). A kind outside 0-4 gives 0.
int ComputeGrid(std::string_view surname, std::string_view given, int kind, StrokeCache* cache = nullptr);
inline int ComputeGrid(std::string_view surname, std::string_view given, GridKind kind, StrokeCache* cache = nullptr) {
  return ComputeGrid(surname, given, static_cast<int>(kind), cache);
}
// All five, one ComputeGrid call per kind.
FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given, StrokeCache* cache = nullptr);

// The five grids of a stroke combination as table `zh` keys it: s1 and g1
// the strokes of the first surname and given-name character, s2 and g2 those
// of the second, 0 when there is no second character. For characters of at
// least one stroke this is exactly what ComputeFiveGrids gives for a name of
// these counts.
FiveGrids FiveGridsOfStrokes(int s1, int s2, int g1, int g2);

// The element character (GBK) of a grid number by its last digit:
// 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 0 水. A negative remainder gives "".
std::string GridElement(int number);

// The elements of the heaven, person and earth grids, in that order, joined:
// for example 木火土. The key of tables `sancai` and `sancai2009`.
std::string ThreeTalents(int heaven, int person, int earth);
inline std::string ThreeTalents(const FiveGrids& g) { return ThreeTalents(g.heaven, g.person, g.earth); }

// The stored score of a stroke combination from table `zh`, 0 when it has
// none, when the look-up fails or when the stored value is not a number from
// 0 to 100. s1 is always looked up; s2, g1 and g2 count 0
// strokes when empty.
int LookupComboScore(std::string_view s1, std::string_view s2, std::string_view g1, std::string_view g2,
                     StrokeCache* cache = nullptr);

}  // namespace lumeno::numerology
