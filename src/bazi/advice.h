#pragma once
// The reading lines after the chart: season advice, seasonal adjustment,
// favourable elements, bone weight and the character sketch.
#include <string>

#include "bazi/chart.h"

namespace lumeno::bazi {

// 春 夏 秋 冬 for the lunar month names 一月 .. 十二月; "" for any other
// name, a leap month (闰...) in particular.
std::string SeasonOfLunarMonth(const std::string& lunarMonthName);

// Tgcode.dll look-ups; "" when nothing is found or the query fails.
std::string LookupSeasonAdvice(const std::string& element, const std::string& season);
std::string LookupTiaohou(const std::string& stem, const std::string& branch);

// Bone weight, kind 0 (the weight), 1 (the verse) or 2 (the explanation).
// The weights of year, month, day and hour are summed; their two-digit key
// (两 digit, 钱 digit) selects the reading. "" when there is none. A
// statement that cannot run throws CommandCancelled: the report stops there.
std::string BoneWeightReading(int lunarYear, int lunarMonth, int lunarDay, int hour, int kind);
// The key of a summed weight: "50" for 5, "45" for 4.5; "" for a sum
// outside 0-9.9 that has no such key.
std::string BoneWeightKey(double sum);

// The day text followed by the date text of the Gregorian birthday.
std::string CharacterSketch(int month, int day);

// "用神喜忌：..." or "" when the lunar month has no season.
std::string SeasonLine(const BaziChart& chart, const BirthMoment& birth);
std::string TiaohouLine(const BaziChart& chart);
std::string FavourableElementsLine(const BaziChart& chart);

}  // namespace lumeno::bazi
