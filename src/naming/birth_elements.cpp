#include "naming/birth_elements.h"

#include <algorithm>

#include "bazi/chart.h"
#include "bazi/report.h"
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
  bazi::BaziInputs inputs;
  inputs.sex = birth.sex;
  inputs.year = birth.year;
  inputs.month = birth.month;
  inputs.day = birth.day;
  inputs.hourItem = birth.hourItem;
  inputs.minute = birth.minute;
  inputs.calendarIndex = birth.calendarIndex;
  const std::optional<bazi::CheckedBirth> checked = bazi::CheckBirth(inputs);
  if (!checked) return std::nullopt;
  std::array<int, kElementCount> counts{};
  int found = 0;
  for (const std::string& element : bazi::PillarElements(checked->pillars)) {
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
