#pragma once
// What a name-generation run is asked for: the naming window's options as
// plain values, shared by the window, lumeno-cli and the tests.
#include <array>
#include <string>
#include <vector>

namespace lumeno::naming {

// The first item of the combination list: every combination in turn.
inline constexpr const char* kAutomatic = "电脑全自动";

// The name forms of the form list, by item index.
enum class NameForm { TwoCharacters = 0, OneCharacter = 1 };  // 双字名, 单字名
// Where the fixed character stands, by item index of the position list.
enum class FixedPosition { Second = 0, Third = 1 };  // 第二字, 第三字

// The five elements in the order of their check boxes: 金 木 水 火 土.
inline constexpr int kElementCount = 5;
extern const char* const kElementNames[kElementCount];

struct NamingSettings {
  std::string surname;  // as typed; trimmed where it is used
  bool male = true;     // 男 (else 女)
  NameForm form = NameForm::TwoCharacters;
  bool fixedOn = false;  // the box before the position list
  FixedPosition fixedPosition = FixedPosition::Second;
  std::string fixedCharacter;  // as typed
  bool minScoreOn = true;
  std::string minScore = "70";  // as typed
  std::array<bool, kElementCount> elements{};
  bool pickOn = true;
  std::string pickThreshold = "77";  // as typed
  // The combination list after its first item, and the chosen item's text.
  std::vector<std::string> combinations;
  std::string combination = kAutomatic;

  bool OneCharacterName() const { return form == NameForm::OneCharacter; }
  bool FixedSecond() const { return fixedOn && fixedPosition == FixedPosition::Second; }
  bool FixedThird() const { return fixedOn && fixedPosition == FixedPosition::Third; }
};

}  // namespace lumeno::naming
