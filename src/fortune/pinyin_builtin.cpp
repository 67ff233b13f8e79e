// The nickname reading over the reading tables built into the program.
#include "fortune/nickname.h"

namespace lumeno::fortune {

const PinyinTables& BuiltInPinyinTables() {
  // TODO(pinyin tables): point at the generated reading tables once they are
  // part of the library; until then no character has a reading.
  static const PinyinTables tables{nullptr, 0, nullptr, 0};
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
