#pragma once
// The rules of the traditional almanac that follow from the calendar alone:
// the stem-branch of year, month and day, the twelve officers (建除), the
// twelve day gods with 黄道 and 黑道, the clash and the 煞 direction, the
// sound element of the day, and the texts the table huangdao stores for
// them. The facts that are lists rather than rules (the Peng Zu sayings, the
// fetus-god positions and the four day lists) are kept as rule files under
// refdata/rules/ and joined in by the database build.
//
// Pure functions over the calendar engine; texts are GBK.
#include <array>
#include <string>
#include <string_view>

#include "calendar/ganzhi.h"
#include "core/date.h"

namespace lumeno::fortune {

using calendar::GanZhi;

// The days the almanac covers: 1901-01-01 to 2100-12-31 (73,049 days).
inline constexpr int kAlmanacFirstYear = 1901;
inline constexpr int kAlmanacLastYear = 2100;
DateValue AlmanacFirstDay();
DateValue AlmanacLastDay();

// 建 除 满 平 定 执 破 危 成 收 开 闭.
inline constexpr std::array<std::string_view, 12> OfficerNames = {"建", "除", "满", "平", "定", "执",
                                                                  "破", "危", "成", "收", "开", "闭"};

// The twelve day gods in their running order; six of them make a 黄道 day.
inline constexpr std::array<std::string_view, 12> DayGodNames = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                                 "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};

// The sixty sound elements (纳音), one per pair of cycle days from 甲子.
inline constexpr std::array<std::string_view, 30> SoundElementNames = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

// The stem-branch pillars of a day as almanacs print them.
struct AlmanacPillars {
  GanZhi year;   // by the lunar new year
  GanZhi month;  // by the solar-term month, its stem by the year of 立春
  GanZhi day;    // the sixty-day cycle
};

// Position of the day in the sixty-day cycle (0 = 甲子); 2000-01-01 is 戊午.
int DayCycleNumber(DateValue day);

// The branch of the solar-term month of the day: 寅 (2) from the day of
// 立春, 卯 from 惊蛰 ... 子 from 大雪, 丑 from 小寒. A month begins on the
// whole day of its 节 as the calendar engine gives it.
int SolarTermMonthBranch(DateValue day);

// The Gregorian year whose 立春 opened the solar-term year of the day: the
// day's own year from its 立春 day on, the year before until then.
int SpringYearOf(DateValue day);

// The three pillars of a day. The lunar year of a day outside the lunar
// table (before 1900-01-31) is taken as its Gregorian year.
AlmanacPillars AlmanacPillarsOf(DateValue day);

// The officer of a day, 0 建 to 11 闭: 建 falls on the day whose branch is
// the month branch, and the others follow in order.
int OfficerOf(int monthBranch, int dayBranch);

// The day god, 0 青龙 to 11 勾陈. 青龙 stands on 子 in the months 寅 and 申,
// on 寅 in 卯 and 酉, on 辰 in 辰 and 戌, on 午 in 巳 and 亥, on 申 in 子
// and 午, on 戌 in 丑 and 未; the others follow it branch by branch.
int DayGodOf(int monthBranch, int dayBranch);

// 青龙 明堂 金匮 天德 玉堂 司命 make a 黄道 day; the other six a 黑道 day.
bool IsYellowPathGod(int god);

// The pillar a day clashes with: the branch opposite the day branch and the
// stem the day stem overcomes (甲 clashes 戊, 乙 己 ... 壬 丙, 癸 丁).
GanZhi ClashOf(GanZhi day);

// The 煞 direction of a day branch: 南 for 申子辰, 东 for 巳酉丑, 北 for
// 寅午戌, 西 for 亥卯未.
std::string_view ShaDirectionOf(int dayBranch);

// The sound element of a pillar.
std::string_view SoundElementOf(GanZhi pillar);

// ---- The texts of table huangdao ----

// 正月 二月 ... 十月 冬月 腊月, with 闰 in front for a leap month.
std::string AlmanacMonthName(int month, bool leap);
// "星期日" .. "星期六".
std::string WeekdayName(DateValue day);
// "农历四月十一" ("" for a day outside the lunar table).
std::string LunarDateText(DateValue day);

// suici: "壬辰年 甲辰月 壬戌日".
std::string SuiciText(const AlmanacPillars& p);
// wuhang: the sound element and the officer, "大海水 破执位".
std::string WuhangText(const AlmanacPillars& p);
// cong: the clashed animal and pillar and the 煞 direction, "冲龙(丙辰)煞北".
std::string CongText(GanZhi day);
// The day god with its path, "白虎黑道日".
std::string DayGodText(const AlmanacPillars& p);
// nn: lunar date, weekday, day god and officer, one blank apart:
// "农历四月十一 星期二 白虎黑道日 破日".
std::string OverviewText(DateValue day);

}  // namespace lumeno::fortune
