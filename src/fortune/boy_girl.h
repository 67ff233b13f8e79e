#pragma once
// The boy-or-girl chart of folk custom: for each lunar month of conception
// and each nominal age (虚岁) of the mother from 18 to 44, the sign 男 or 女.
// Texts are GBK.
#include <string>
#include <vector>

namespace lumeno::fortune {

inline constexpr int kChartFirstAge = 18;
inline constexpr int kChartLastAge = 44;
// The first page shows ages 18 to 31, the second 32 to 44.
inline constexpr int kChartSecondPageAge = 32;

// "男" or "女" for a nominal age 18-44 and a month 1-12; "" outside the chart.
const char* BoyOrGirl(int age, int month);

// The explanation above the charts.
extern const char* const kBoyOrGirlExplanation;
// The heading of the second chart page.
extern const char* const kChartContinuedHeading;  // "续表：32-44岁"

// The article of the third page, line by line (the first line its heading).
std::vector<std::string> BoyOrGirlArticle();

}  // namespace lumeno::fortune
