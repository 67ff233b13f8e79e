#include "naming/birth_elements.h"

#include <algorithm>

#include "bazi/chart.h"
#include "bazi/pillars.h"
#include "core/error.h"
#include "core/text.h"
#include "data/info.h"

namespace lumeno::naming {

const char* const kElementRuleText =
    "按出生时间排出八字，数出八个字的五行：八字缺哪一行，就勾选哪一行；五行俱全时，勾选个数最少的一行（并列的都勾选）。";

ElementBalance BalanceOfCounts(const std::array<int, kElementCount>& counts) {
  ElementBalance b;
  b.counts = counts;
  std::string missing;
  for (int i = 0; i < kElementCount; ++i)
    if (counts[i] == 0) missing += kElementNames[i];
  b.lacksNone = missing.empty();
  const int fewest = *std::min_element(counts.begin(), counts.end());
  std::string weakest;
  for (int i = 0; i < kElementCount; ++i) {
    b.wanted[i] = counts[i] == fewest;
    if (b.wanted[i]) weakest += kElementNames[i];
  }
  b.line = "八字五行：";
  for (int i = 0; i < kElementCount; ++i) {
    if (i) b.line += " ";
    b.line += kElementNames[i] + std::to_string(counts[i]);
  }
  b.line += b.lacksNone ? "，五行俱全，" + weakest + "偏弱" : "，缺" + missing;
  return b;
}

std::optional<ElementBalance> BirthElementBalance(const BirthFields& birth) {
  const struct {
    const std::string& text;
    const char* message;
  } checks[] = {{birth.year, "请选择出生年!"},
                {birth.month, "请选择出生月!"},
                {birth.day, "请选择出生日!"},
                {birth.hourItem, "请选择出生小时!"}};
  for (const auto& c : checks) {
    if (Trim(c.text).empty()) {
      data::ShowInfo(c.message);
      return std::nullopt;
    }
  }
  const bazi::NormalisedDate date = bazi::NormaliseBirthDate(birth.calendarIndex, birth.year, birth.month, birth.day);
  if (date.problem == bazi::BirthDateProblem::LunarDateRejected) {
    data::ShowInfo("这个农历日期不存在，请检查年、月、日（农历可用1901年至2099年）!");
    return std::nullopt;
  }
  if (date.problem == bazi::BirthDateProblem::OutOfRange) {
    data::ShowInfo("出生日期超出了历法范围，请输入1900年1月31日至2100年12月31日之间的日期!");
    return std::nullopt;
  }
  const int hour = bazi::HourOfHourItem(birth.hourItem);
  if (hour < 0)
    throw InvalidInput("'" + Trim(birth.hourItem) + "' is not a valid hour", InvalidHourMessage(Trim(birth.hourItem)));
  const bazi::BirthMoment moment = bazi::MakeBirthMoment(date, hour, birth.minute, birth.sex);
  const std::optional<bazi::FourPillars> pillars =
      bazi::ComputeFourPillars(moment.year, moment.month, moment.day, moment.hour);
  if (!pillars) {
    data::ShowInfo("请检查输入数据是否出错！");
    return std::nullopt;
  }
  const bazi::BaziChart chart = bazi::ComputeBaziChart(moment, *pillars);
  std::array<int, kElementCount> counts{};
  int found = 0;
  for (const std::string& element : chart.elements) {
    for (int i = 0; i < kElementCount; ++i) {
      if (element == kElementNames[i]) {
        ++counts[i];
        ++found;
      }
    }
  }
  if (found == 0) {
    data::ShowInfo("查不到八字各字的五行，请检查数据文件Tgcode.dll是否完好！");
    return std::nullopt;
  }
  return BalanceOfCounts(counts);
}

}  // namespace lumeno::naming
