// The naming window's combination entries read back (ParseCombinationEntry)
// from any text, for both name forms; and an entry made by
// FormatCombinationEntry from stroke counts and a score reads back as those
// counts and that score.
#include <cstddef>
#include <cstdint>
#include <string>

#include "naming/combination.h"

namespace nm = lumeno::naming;

// This file is compiled as it is, not through the GBK copy of the library
// sources, so its one Chinese character is written as its GBK bytes.
constexpr const char* kFen = "\xB7\xD6";  // 分

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const nm::NameForm form = data[0] & 1 ? nm::NameForm::OneCharacter : nm::NameForm::TwoCharacters;
  const std::string entry(reinterpret_cast<const char*>(data + 5), size - 5);
  (void)nm::ParseCombinationEntry(entry, form);

  // The counts the zh query can return (given-name characters below 25
  // strokes) and scores up to 100.
  const int g1 = 1 + data[1] % 24, g2 = 1 + data[2] % 24, s1 = 1 + data[3] % 40, zf = data[4] % 101;
  const bool one = form == nm::NameForm::OneCharacter;
  const int kind = (data[3] & 0x80 ? 20 : 10) + (one ? 1 : 2);
  const std::string made = nm::FormatCombinationEntry(kind, s1, s1 + 1, std::to_string(g1), std::to_string(g2),
                                                      std::to_string(zf));
  const auto back = nm::ParseCombinationEntry(made, form);
  if (!back || back->g1 != g1 || (!one && back->g2 != g2) || back->scorePart != "(" + std::to_string(zf) + kFen + ")")
    __builtin_trap();
  return 0;
}
