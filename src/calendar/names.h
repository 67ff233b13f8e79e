#pragma once
// Solar terms, stem-branch year names, Chinese month and day names and the
// Western constellation of a date. All texts are GBK; pure functions over
// constant tables, safe from any thread.
#include <array>
#include <string>
#include <string_view>

#include "calendar/ganzhi.h"
#include "core/date.h"

namespace lumeno::calendar {

// 一 .. 十, for the numbers 1 to 10 (index 0 holds 一).
inline constexpr std::array<std::string_view, 10> ChineseNumerals = {
    "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// The 24 solar terms from 小寒; Gregorian month m holds terms 2m-2 and 2m-1.
inline constexpr std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Minutes from the year's 小寒 to each term, for the mean-year formula.
inline constexpr std::array<int, 24> SolarTermOffsets = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

// The moment of term n (0-23) of Gregorian year `year`: 1900-01-06 02:05
// plus (year - 1900) mean tropical years of 31556925974.7 ms plus the term's
// offset, rounded to the nearest millisecond (halves to even). No time zone
// is applied. An n outside 0-23 gives NaN.
DateValue SolarTermMoment(int year, int n);

// The name of the solar term whose moment falls on the day `date`, or "".
// The comparison is with the whole day, so a date with a time of day never
// matches.
std::string SolarTermOfDate(DateValue date);

// Stem, branch, "(", animal, "年)" of cycle index n: "庚申(猴年)", always ten
// bytes. Index 0 is 甲子; a lunar year's index is year - 1864. A negative
// index counts backwards round the cycle (-1 is 癸亥).
std::string GanZhiName(int cycleIndex);

// "一月" .. "十月", "十一月", "十二月", with "闰" in front for a leap month.
// A number outside 1-12 gives just "月" (or "闰月").
std::string LunarMonthName(int month, bool leap);

// "初一" .. "初十", "十一" .. "十九", "二十", "廿一" .. "廿九", "三十"; "" for
// any other number.
std::string LunarDayName(int day);

// The Western constellation of the day of `date`, such as "水瓶座". The one
// text that ends in a blank is "金牛座 " (21 April to 20 May). A time of day
// is ignored. "" only for a value that is no date of the years 1-9999.
std::string ConstellationOf(DateValue date);

}  // namespace lumeno::calendar
