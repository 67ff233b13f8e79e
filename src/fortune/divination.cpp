#include "fortune/divination.h"

#include "core/text.h"
#include "fortune/builtin_texts.h"

namespace lumeno::fortune {

namespace {

struct Sign {
  const char* command;
  const char* caption;
};
const Sign kSigns[kDivinationPages] = {
    {"打喷嚏占卜", "打喷嚏占卜吉凶"}, {"面热测占卜", "面热测吉凶"}, {"心惊测占卜", "心惊测吉凶"},
    {"犬吠测占卜", "犬吠测吉凶"},     {"眼跳测占卜", "眼跳测吉凶"}, {"耳热测占卜", "耳热测吉凶"},
    {"耳鸣测占卜", "耳鸣测吉凶"},
};

bool ValidPage(int page) { return page >= 0 && page < kDivinationPages; }

}  // namespace

const char* DivinationCommand(int kind) { return ValidPage(kind) ? kSigns[kind].command : ""; }

const char* DivinationCaption(int kind) { return ValidPage(kind) ? kSigns[kind].caption : ""; }

int DivinationKindOf(const std::string& text) {
  const std::string t = Trim(text);
  for (int kind = 0; kind < kDivinationPages; ++kind)
    if (t == kSigns[kind].command || t == kSigns[kind].caption) return kind;
  if (t.size() == 1 && t[0] >= '0' && t[0] < '0' + kDivinationPages) return t[0] - '0';
  return -1;
}

std::vector<std::string> DivinationReadings(int page) {
  std::vector<std::string> lines;
  if (!ValidPage(page)) return lines;
  const int count = page == 0 ? 12 : 6;
  for (int i = 0; i < count; ++i) lines.push_back(texts::kDivinationLines[page][i]);
  return lines;
}

std::vector<std::string> DivinationPage(int page) {
  std::vector<std::string> lines;
  for (const std::string& reading : DivinationReadings(page)) {
    if (!lines.empty()) lines.push_back("");
    lines.push_back(reading);
  }
  return lines;
}

std::vector<std::string> DivinationExplanation() {
  return {"说明：", "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
          "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
          "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点"};
}

}  // namespace lumeno::fortune
