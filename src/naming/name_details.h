#pragma once
// The details the naming window shows under its high-score list for the
// selected name: each given character with its reading (tone marks) and the
// gloss of its good sense in a name, then the five grids, the three talents
// and the score of the whole name.
#include <optional>
#include <string>
#include <vector>

#include "numerology/grids.h"

namespace lumeno::naming {

// A high-score item split into the name and its parts: the text up to its
// first "(" is the full name; the given name is what follows the first n
// bytes, n being the length of the trimmed surname (at most 20 bytes).
struct CandidateName {
  std::string full, surname, given;
};
CandidateName SplitCandidateName(const std::string& item, const std::string& surname);

struct CharacterNote {
  std::string character;
  std::string pinyin;  // "" when the character data has none
  std::string gloss;   // "" when the character data has none
};

struct NameDetails {
  CandidateName name;
  std::vector<CharacterNote> characters;  // the given name's characters
  numerology::FiveGrids grids;
  std::string talents;
  std::optional<double> score;  // nothing when a look-up failed
};

// The reading and gloss of one character from table `word` (its first row
// by `zi`); empty texts when there is none or the look-up fails.
CharacterNote LookupCharacterNote(const std::string& character);

NameDetails DescribeName(const CandidateName& name);

// The lines shown: one per given character ("明 míng：……"), then
// "天格12 人格14 地格4 总格14 外格2" and "三才木火火　综合评分85分".
std::vector<std::string> NameDetailLines(const NameDetails& details);

}  // namespace lumeno::naming
