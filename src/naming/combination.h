#pragma once
// The combination list of the naming window: the stroke combinations of
// table `zh` that suit a surname, a name form, a fixed character, a minimum
// score and (for two-character surnames) the sex, one entry each, such as
// "11|10-6(85分)" (surname strokes | given-name strokes (score)).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "naming/settings.h"

namespace lumeno::data {
class Query;
}

namespace lumeno::naming {

// The value of `zh`.`lx` asked for: 11, 12 for a surname of exactly two
// bytes with a one- or two-character given name, 21, 22 for any other.
int CombinationKind(std::string_view trimmedSurname, NameForm form);

// The stroke count of one character on the window's own query: by `zi`
// first, then, when that finds no record or 0, by `ft`; 0 when neither
// finds one. A database failure is not caught.
int WindowStrokeCount(data::Query& query, std::string_view character);

// The fixed character's strokes as the list asks for them: (F2, F3), the
// count standing on the side of the checked position when the box is checked
// and the character is not empty.
struct FixedStrokes {
  int second = 0;
  int third = 0;
};

// The lines of the `zh` query for a trimmed surname whose characters have
// `s1` and `s2` strokes, in the order they are added.
std::vector<std::string> CombinationQueryLines(const NamingSettings& settings, std::string_view trimmedSurname, int s1,
                                               int s2, const FixedStrokes& fixed);

// The entry text of one `zh` record of `kind`: the stroke counts s1 (and s2)
// of the surname and the record's bh21 (and bh22) and zf, as trimmed texts.
std::string FormatCombinationEntry(int kind, int s1, int s2, const std::string& bh21, const std::string& bh22,
                                   const std::string& zf);

// Runs the `zh` query for `trimmedSurname` on the window's query and returns
// the entries in record order (the list then holds kAutomatic and these).
// Database failures and a minimum score that is not a whole number raise
// errors for the caller to report.
std::vector<std::string> BuildCombinationList(data::Query& query, const std::string& trimmedSurname,
                                              const NamingSettings& settings);

// One entry read back: the strokes of the first (and second) given
// character and the score part "(85分)" that every name of it carries.
struct CombinationEntry {
  int g1 = 0;
  int g2 = 0;  // 0 for a one-character name
  std::string scorePart;
};

// Reads an entry for a name form. Nothing when its numbers cannot be read.
std::optional<CombinationEntry> ParseCombinationEntry(std::string_view entry, NameForm form);

// True when `text` is exactly one double-byte GBK character that is a
// Chinese character (an ideograph, not a symbol or a full-width letter).
bool IsOneChineseCharacter(std::string_view text);

// The message for a fixed character that cannot be used, or "" when it can.
// A run needs exactly one Chinese character when the box is checked; the
// list accepts an empty box too (the character is then not yet given).
std::string FixedCharacterProblem(const NamingSettings& settings, bool forRun);

// The message of a fixed character that is not one Chinese character.
extern const char* const kFixedCharacterMessage;

}  // namespace lumeno::naming
