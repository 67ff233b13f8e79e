#pragma once
// The seven divination pages: omen readings by the double hour of the day
// for a sneeze, a hot face, a start of the heart, a barking dog, a twitching
// eye, a hot ear and a ringing ear, and the explanation of the double hours
// shown below every page. Texts are GBK.
#include <string>
#include <vector>

namespace lumeno::fortune {

inline constexpr int kDivinationPages = 7;

// The command of kind 0-6 (打喷嚏占卜 ... 耳鸣测占卜) and the caption of its
// window (打喷嚏占卜吉凶 ... 耳鸣测吉凶); "" outside 0-6.
const char* DivinationCommand(int kind);
const char* DivinationCaption(int kind);
// The kind of a command or caption, or a digit text "0"-"6"; -1 for none.
int DivinationKindOf(const std::string& text);

// The reading lines of page 0-6: twelve on page 0, six on the others.
std::vector<std::string> DivinationReadings(int page);
// The page as the window shows it: its readings with an empty line between
// two of them.
std::vector<std::string> DivinationPage(int page);
// "说明：" and the three lines naming the hours of each double hour.
std::vector<std::string> DivinationExplanation();

}  // namespace lumeno::fortune
