#pragma once
// 按八字补五行: the five elements of the eight characters of a birth moment,
// counted with the chart engine, and the elements a name should bring: those
// the chart lacks, or, when it lacks none, the weakest (every element tied
// for the fewest).
#include <array>
#include <optional>
#include <string>

#include "naming/settings.h"

namespace lumeno::naming {

// The birth inputs of the naming window, as typed (GBK).
struct BirthFields {
  std::string sex, year, month, day, hourItem, minute;
  int calendarIndex = 0;  // 0 公历, 1 农历
};

struct ElementBalance {
  std::array<int, kElementCount> counts{};   // 金 木 水 火 土
  std::array<bool, kElementCount> wanted{};  // the boxes to tick
  bool lacksNone = false;
  // "八字五行：金2 木1 水0 火3 土2，缺水", or with "，五行俱全，木土偏弱".
  std::string line;
};

// The balance of given element counts (order 金 木 水 火 土).
ElementBalance BalanceOfCounts(const std::array<int, kElementCount>& counts);

// The balance of the chart of a birth moment. Input that makes no chart is
// refused with a message through ShowInfo (empty fields in the reports'
// order, a lunar date that does not exist, a date the calendar does not
// cover, an element table that gives nothing), and nothing is returned; an
// impossible Gregorian date raises GeneralError "'%s' is not a valid date".
std::optional<ElementBalance> BirthElementBalance(const BirthFields& birth);

// The rule in one sentence, for the button's tooltip.
extern const char* const kElementRuleText;

}  // namespace lumeno::naming
