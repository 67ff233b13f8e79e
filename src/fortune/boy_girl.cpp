#include "fortune/boy_girl.h"

#include <string_view>

#include "fortune/article.h"
#include "fortune/builtin_texts.h"

namespace lumeno::fortune {

namespace {

constexpr int kAges = kChartLastAge - kChartFirstAge + 1;

// One row per month, ages 18 to 44 from left to right, two bytes a sign.
const char* const kChart[12] = {
    "女男女男女男男女男女男女男男" "男女男男女男女男女男女男男",  // 1月
    "男女男女男男女男女男女男女女" "女男女男男女男女男女男女男",  // 2月
    "女男女女男女男女男女男女女男" "男女男女男男女男女男女男女",  // 3月
    "男女男女女男男女男女女男女女" "女男女男女男男男男女男女男",  // 4月
    "男女男女男男女男女女女男女女" "女女女女男女男男女男女男男",  // 5月
    "男男男女女女男女男女女男女女" "女女女女女男女女男女男女男",  // 6月
    "男男男女女男男男女男男男女女" "女女女女女女男女男男女男女",  // 7月
    "男女男女男女女男男男男男女女" "女男女男女男女男女男男女男",  // 8月
    "男女男女女男女男女男男男女女" "女女女女男女男女男女男男女",  // 9月
    "男女女女女男女男女女男女男女" "女女女女男男女男女男女男男",  // 10月
    "男男男女女男女男女男女女女男" "男女男女男女男女男女男男女",  // 11月
    "男男男女女女女男女男女女男男" "男男男男女男男女男男女男女",  // 12月
};

}  // namespace

const char* BoyOrGirl(int age, int month) {
  if (age < kChartFirstAge || age > kChartLastAge || month < 1 || month > 12) return "";
  static_assert(kAges * 2 == sizeof("女男女男女男男女男女男女男男男女男男女男女男女男女男男") - 1);
  const std::string_view sign(kChart[month - 1] + 2 * (age - kChartFirstAge), 2);
  return sign == "男" ? "男" : "女";
}

const char* const kBoyOrGirlExplanation =
    "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
    "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。";

const char* const kChartContinuedHeading = "续表：32-44岁";

std::vector<std::string> BoyOrGirlArticle() {
  const std::string text = texts::kBoyOrGirlArticle;
  if (text.empty()) return {};
  return SplitLines(text);
}

}  // namespace lumeno::fortune
