#pragma once
// The sexagenary cycle: the ten heavenly stems, the twelve earthly branches
// and the zodiac animal of each branch, as GBK text (two bytes a character).
// Cycle index n has stem n mod 10 and branch n mod 12; index 0 is 甲子 and a
// lunar year's index is year - 1864.
#include <array>
#include <string>
#include <string_view>

namespace lumeno::calendar {

// 甲 乙 丙 丁 戊 己 庚 辛 壬 癸; even stems are yang, odd ones yin.
inline constexpr std::array<std::string_view, 10> HeavenlyStemNames = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

// 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥.
inline constexpr std::array<std::string_view, 12> EarthlyBranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// The animal of each branch, in branch order.
inline constexpr std::array<std::string_view, 12> ZodiacAnimalNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

// Index into a cycle of `length`, taken in 0..length-1 for any n (a
// negative n counts backwards: -1 is the last entry).
constexpr int CycleIndex(long long n, int length) {
  long long r = n % length;
  return static_cast<int>(r < 0 ? r + length : r);
}

constexpr int StemOfCycle(long long n) { return CycleIndex(n, 10); }
constexpr int BranchOfCycle(long long n) { return CycleIndex(n, 12); }

// A stem-branch pair; its text is the stem followed by the branch.
struct GanZhi {
  int stem = 0;    // 0-9
  int branch = 0;  // 0-11

  static constexpr GanZhi OfCycle(long long n) { return {StemOfCycle(n), BranchOfCycle(n)}; }
  // Position in the sixty-pair cycle (0 = 甲子); -1 for a pair that is not in
  // it (a yang stem with a yin branch or the reverse) or out-of-range indexes.
  constexpr int CycleNumber() const {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || (stem - branch) % 2 != 0) return -1;
    for (int n = stem; n < 60; n += 10)
      if (n % 12 == branch) return n;
    return -1;
  }
  std::string Text() const {
    std::string s;
    if (stem >= 0 && stem < 10) s += HeavenlyStemNames[stem];
    if (branch >= 0 && branch < 12) s += EarthlyBranchNames[branch];
    return s;
  }
  friend constexpr bool operator==(const GanZhi&, const GanZhi&) = default;
};

}  // namespace lumeno::calendar
