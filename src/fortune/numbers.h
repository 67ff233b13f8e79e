#pragma once
// The number readings: a mobile phone number (looked up in table shouji of
// dream.dll), a QQ number and any number (the 81 readings built into the
// program) and the pairing of two QQ numbers (table QQpd of VelBirth.dll).
// Texts are GBK.
#include <optional>
#include <string>

namespace lumeno::fortune {

// ---- The built-in table of 81 readings ----

inline constexpr int kNumberRows = 81;
inline constexpr int kPersonalityTypes = 9;

// The luck of row 0-80: "吉", "凶", "吉带凶" or "凶带吉".
const char* NumberLuck(int row);
// The personality type of row 0-80, 1 to 9.
int NumberPersonalityType(int row);
// The verdict of row 0-80: four phrases of four characters joined by "，".
const char* NumberVerdict(int row);
// The name and the sketch of personality type 1-9.
const char* PersonalityTypeName(int type);
const char* PersonalitySketch(int type);

// Row 0-80 as the readings hold it: verdict, luck and personality joined by
// "|", the personality reading "主人性格类型：[" + name + "]，其具体表现为："
// + sketch.
std::string NumberFortuneRow(int row);

// The text that stands for every value outside the table.
extern const char* const kNumberOutsideTable;

// The reading of a number text: read as a signed 64-bit decimal integer v,
// the row is v mod 81 with the sign of v; a negative remainder, and a text
// that is no such integer, give kNumberOutsideTable.
std::string NumberFortune(const std::string& number);

// ---- Mobile numbers ----

// The look-up key of a mobile number: characters 8 to 11 (1-based) read as
// a decimal integer v, the key is v mod 80 in decimal ("0" to "79"). A
// text without an eighth character, or whose characters 8 to 11 are not all
// digits, has no key: "".
std::string shoujiinfostr(const std::string& number);

// ---- QQ pairing ----

// The digit sum of both numbers (sums above 100 reduced mod 100), the
// pattern "%," + sum + ",%" and the first QQpd row whose bihua matches it:
// its intro, or "" when no row matches. Database errors are not caught.
std::string QQPairingText(const std::string& mine, const std::string& others);
// The sum QQPairingText looks up.
int QQPairingSum(const std::string& mine, const std::string& others);

// ---- The windows' analyses, without a window ----

// The four result lines of the number windows: the number and the labels
// 状态, 吉凶 and 具体表现.
struct NumberResult {
  std::string number, status, luck, detail;
};

// True for a non-empty text of the decimal digits 0-9 only.
bool IsDigitsOnly(const std::string& text);

// 测算 of the mobile window: the input trimmed; empty, shorter than 8 or
// longer than 11 characters, or holding anything but digits: message
// "请输入11位手机号码！" (ShowInfo) and nothing. Otherwise the shouji row of
// its key; a failing query gives nothing (the window stays as it was), no
// row gives the number with three empty readings.
std::optional<NumberResult> MobileAnalysis(const std::string& input);

// 测算 of the QQ and any-number windows: the input trimmed; empty: message
// "请输入你的QQ号码！" or "请输入你的号码！"; not a decimal number:
// "请输入正确的QQ号码！" or "请输入正确的号码！". Otherwise NumberFortune split
// at its first two "|".
enum class NumberWindow { QQ, Any };
std::optional<NumberResult> NumberAnalysis(NumberWindow window, const std::string& input);

// Splits a reading at its first "|" (status) and the next one (luck); the
// rest is the detail. A text without "|" is all detail.
NumberResult SplitNumberReading(const std::string& number, const std::string& reading);

// 测算 of the pairing window: checks in order, the first failure shows its
// message and names the field to focus. Both inputs trimmed.
enum class PairingField { None, Mine, Others };
struct PairingOutcome {
  PairingField focus = PairingField::None;  // None: the check passed
  std::string text;                         // the reading when it passed
};
PairingOutcome PairingAnalysis(const std::string& mine, const std::string& others);

}  // namespace lumeno::fortune
