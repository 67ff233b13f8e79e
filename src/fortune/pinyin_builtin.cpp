// The nickname reading over the reading tables built into the program.
#include "fortune/nickname.h"
#include "fortune/pinyin_tables.h"

namespace lumeno::fortune {

const PinyinTables& BuiltInPinyinTables() {
  static const PinyinTables tables{PinyinIndexTable, kPinyinIndexSize, PinyinSyllableTable, PinyinSyllableCount};
  return tables;
}

std::string PinyinInitials(const std::string& text, int options, int maxLength) {
  return PinyinInitials(text, options, maxLength, BuiltInPinyinTables());
}

std::string NicknameTrait(const std::string& nickname) { return NicknameTrait(nickname, BuiltInPinyinTables()); }

std::optional<NicknameResult> NicknameAnalysis(const std::string& input) {
  return NicknameAnalysis(input, BuiltInPinyinTables());
}

}  // namespace lumeno::fortune
