#include "fortune/nickname.h"

#include <exception>

#include "core/text.h"
#include "data/info.h"

namespace lumeno::fortune {

namespace {

constexpr int kTrails = 191;  // 0x40 to 0xFE

bool IsAsciiAlnum(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c); }

std::string UpperText(std::string s) {
  for (char& c : s) c = Upper(static_cast<unsigned char>(c));
  return s;
}

// Row 0xA2: the numbered signs and their numbers, by ranges of trail bytes.
std::string NumberedSign(unsigned char trail) {
  struct Range {
    unsigned char first, last;
  };
  // ⅰ-ⅹ, ⒈-⒛, ⑴-⒇, ①-⑩, ㈠-㈩, Ⅰ-Ⅻ.
  static constexpr Range kRanges[] = {{0xA1, 0xAA}, {0xB1, 0xC4}, {0xC5, 0xD8},
                                      {0xD9, 0xE2}, {0xE5, 0xEE}, {0xF1, 0xFC}};
  for (const Range& r : kRanges)
    if (trail >= r.first && trail <= r.last) return std::to_string(trail - r.first + 1);
  return "";
}

// Row 0xA6: the Latin spelling of a Greek capital (A1-B8) or small letter
// (C1-D8), in alphabet order; nothing for the other codes of the row.
std::optional<std::string> GreekLetter(unsigned char trail) {
  static const char* const kLatin[24] = {"a", "b", "g",  "d", "e", "z", "e",  "th", "i",  "k", "l", "m",
                                         "n", "x", "o",  "p", "r", "s", "t",  "u",  "ph", "kh", "ps", "o"};
  if (trail >= 0xA1 && trail <= 0xB8) return kLatin[trail - 0xA1];
  if (trail >= 0xC1 && trail <= 0xD8) return kLatin[trail - 0xC1];
  return std::nullopt;
}

}  // namespace

std::string PinyinInitials(const std::string& text, int options, int maxLength, const PinyinTables& tables) {
  const bool whole = options & kWholeSyllables;
  const bool mark = options & kMarkUnread;
  const bool keepAll = options & kKeepSingleBytes;
  const std::string unread = mark ? "?" : "";
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const bool pair = lead >= 0x81 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x40;
    if (!pair) {
      if (keepAll || IsAsciiAlnum(lead)) out += Upper(lead);
      ++i;
      continue;
    }
    const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    if (lead == 0xA2) {
      out += trail >= 0xA1 ? NumberedSign(trail) : unread;
    } else if (lead == 0xA3) {
      // Full-width ASCII; the codes below A1 and FF are no ASCII signs and
      // count as characters without a reading.
      if (trail >= 0xA1 && trail <= 0xFE) {
        const unsigned char ascii = trail - 0x80;
        if (keepAll || IsAsciiAlnum(ascii)) out += static_cast<char>(ascii);
      } else {
        out += unread;
      }
    } else if (lead == 0xA6) {
      const std::optional<std::string> latin = GreekLetter(trail);
      out += latin ? UpperText(*latin) : unread;
    } else {
      // Only codes inside the table are looked up: a lead or trail byte FF
      // (no GBK code) has no entry.
      int entry = 0;
      if (lead <= 0xFE && trail <= 0xFE) {
        const int at = (lead - 0x81) * kTrails + (trail - 0x40);
        if (at < tables.indexSize) entry = tables.index[at];
      }
      if (entry >= 1 && entry <= tables.syllableCount && tables.syllables[entry - 1][0] != '\0') {
        const std::string syllable = tables.syllables[entry - 1];
        out += UpperText(whole ? syllable : syllable.substr(0, 1));
      } else {
        out += unread;
      }
    }
  }
  if (maxLength < 0) maxLength = 0;
  if (out.size() > static_cast<std::size_t>(maxLength)) out.resize(static_cast<std::size_t>(maxLength));
  return out;
}

std::string DigitsToLetters(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= '1' && c <= '9') c = static_cast<char>('A' + (c - '1'));
    else if (c == '0') c = 'J';
  }
  return out;
}

std::string LetterTrait(const std::string& letter) {
  static const char* const kTraits[26] = {
      "好奇心强，专一",
      "老实，沉默",
      "可爱，较明显的自恋",
      "温柔，乖巧",
      "会拍马屁，攀关系",
      " 有抱负，志气高",
      "大丈夫主义者",
      " 自立，自强，可依靠 ",
      " 有点懒惰",
      " 煽情高手",
      "古怪，求新",
      "圆滑",
      "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
      "不贪图安逸，能想到别人想不到的东西",
      "勤劳肯干，活跃",
      "认为朋友和恋人是最重要的，是他们的特点",
      "超级赶时髦者，无敌扫旧派",
      "固执，略有才气",
      "心胸宽大，有深藏不露的自恋",
      "热爱青春，喜欢活力",
      "不耻下问",
      "好静，有点表里不一",
      "比较糊涂，容易感情用事",
      "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
      "乐天派呀！非同一般的乐天",
      "老实，想问题容易兜圈子",
  };
  if (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'z') return "";
  return kTraits[letter[0] - 'a'];
}

std::string NicknameTrait(const std::string& nickname, const PinyinTables& tables) {
  if (nickname.empty()) return "";
  const std::string letters = DigitsToLetters(PinyinInitials(nickname, kMarkUnread, 255, tables));
  if (letters.empty()) return "";
  char last = letters.back();
  if (last >= 'A' && last <= 'Z') last = static_cast<char>(last - 'A' + 'a');
  return LetterTrait(std::string(1, last));
}

std::optional<NicknameResult> NicknameAnalysis(const std::string& input, const PinyinTables& tables) {
  const std::string n = Trim(input);
  if (n.empty()) {
    data::ShowInfo("请输入你的网名！");
    return std::nullopt;
  }
  NicknameResult r;
  r.nickname = n;
  try {
    r.trait = Trim(NicknameTrait(n, tables));
  } catch (const std::exception&) {
    r.failed = true;
  }
  return r;
}

}  // namespace lumeno::fortune
