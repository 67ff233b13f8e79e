#include "fortune/almanac.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

#include "calendar/ganzhi.h"
#include "core/text.h"
#include "data/database.h"
#include "data/info.h"
#include "fortune/almanac_rules.h"

namespace lumeno::fortune {

const std::array<GlossaryEntry, 32> AlmanacGlossary = {{
    {"嫁娶", "男娶女嫁，举行结婚大典的吉日"},
    {"祭祀", "指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事"},
    {"安葬", "举行埋葬等仪式"},
    {"出行", "指外出旅行、观光游览"},
    {"祈福", "祈求神明降福或设醮还愿之事"},
    {"动土", "建筑时、第一次动起锄头挖土"},
    {"安床", "指安置睡床卧铺之意"},
    {"开光", "佛像塑成后、供奉上位之事"},
    {"纳采", "缔结婚姻的仪式、受授聘金"},
    {"入殓", "将尸体放入棺材之意"},
    {"移徙", "指搬家迁移住所之意"},
    {"破土", "仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。"
             "现今社会上多已滥用属阴宅择日时属阴宅须辨别之。"},
    {"解除", "指冲洗清扫宅舍、解除灾厄等事"},
    {"入宅", "即迁入新宅、所谓“新居落成典礼”也"},
    {"修造", "指阳宅之造与修理"},
    {"栽种", "种植物“接果”“种田禾”同"},
    {"开市", "“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。"
             "包括：(1)年头初开始营业或开工等事(2)新设店铺商行或新厂开幕等事"},
    {"移柩", "行葬仪时、将棺木移出屋外之事"},
    {"订盟", "订婚仪式的一种，俗称小聘(订)"},
    {"拆卸", "拆掉建筑物"},
    {"立卷", "订立各种契约互相买卖之事"},
    {"交易", "订立各种契约互相买卖之事"},
    {"求嗣", "指向神明祈求后嗣(子孙)之意"},
    {"上梁", "装上建筑物屋顶的梁，同架马"},
    {"纳财", "购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等"},
    {"起基", "建筑时、第一次动起锄头挖土"},
    {"斋醮", "庙宇建醮前需举行的斋戒仪式"},
    {"赴任", "走马上任"},
    {"冠笄", "男女年满二十岁所举行的成年礼仪式"},
    {"安门", "放置正门门框"},
    {"修坟", "修理坟墓"},
    {"挂匾", "指悬挂招牌或各种匾额"},
}};

std::vector<std::string> AlmanacGlossaryLines() {
  std::vector<std::string> lines;
  for (const GlossaryEntry& e : AlmanacGlossary) lines.push_back(std::string(e.term) + " ：" + std::string(e.explanation));
  return lines;
}

const std::array<ResultColumn, 9> AlmanacResultColumns = {{
    {"suici", "岁次:"},
    {"tszf", "每日胎神占方:"},
    {"wuhang", "五行:"},
    {"cong", "冲:"},
    {"pzbj", "彭祖百忌:"},
    {"jsyq", "吉神宜趋:"},
    {"yi", "宜:"},
    {"xsyq", "凶神宜忌:"},
    {"ji", "忌:"},
}};

AlmanacOutcome LookUpAlmanacDay(const std::string& year, const std::string& month, const std::string& day,
                                data::Query& query, std::string& overview, Pane& pane) {
  const std::string y = Trim(year);
  if (y.empty()) {
    data::ShowInfo("请选择年!");
    return AlmanacOutcome::YearMissing;
  }
  const std::string m = Trim(month);
  if (m.empty()) {
    data::ShowInfo("请选择月!");
    return AlmanacOutcome::MonthMissing;
  }
  const std::string d = Trim(day);
  if (d.empty()) {
    data::ShowInfo("请选择日!");
    return AlmanacOutcome::DayMissing;
  }
  // The date under the program's conventions: year-month-day, one or two
  // digits for month and day. Only a text that passes reaches the SQL text.
  const std::string t = y + "-" + m + "-" + d;
  if (!TryParseDate(t)) {
    data::ShowInfo("请选择有效的日期!");
    return AlmanacOutcome::InvalidDate;
  }
  query.Close();
  query.SetSql("Select top 1 * from huangdao where gn = #" + t + "#");
  query.Open();
  if (query.IsEmpty()) return AlmanacOutcome::NoEntry;

  overview = t + "  " + query.Field("nn").AsTrimmedText();
  pane.ClearPane();
  for (std::size_t i = 0; i < AlmanacResultColumns.size(); ++i) {
    const ResultColumn& c = AlmanacResultColumns[i];
    pane.AppendLine(std::string(c.label) + query.Field(c.column).AsTrimmedText());
    if (i + 1 < AlmanacResultColumns.size()) pane.AppendLine("");
  }
  pane.ScrollPaneToTop();
  return AlmanacOutcome::Shown;
}

namespace {

// Calls `item` for each blank-separated item of a list.
template <class F>
void ForEachItem(std::string_view list, F item) {
  std::size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && static_cast<unsigned char>(list[i]) <= ' ') ++i;
    std::size_t end = i;
    while (end < list.size() && static_cast<unsigned char>(list[end]) > ' ') ++end;
    if (end > i) item(list.substr(i, end - i));
    i = end;
  }
}

}  // namespace

bool ListHolds(std::string_view list, std::string_view activity) {
  bool found = false;
  if (activity.empty()) return false;
  ForEachItem(list, [&](std::string_view item) { found = found || item == activity; });
  return found;
}

bool IsActivity(std::string_view item) {
  // 馀事勿取 (take up nothing else), 诸事不宜 (nothing suits) and 无 (none)
  // speak of the rest of the list, not of an activity.
  return !item.empty() && item != "馀事勿取" && item != "诸事不宜" && item != "无";
}

std::vector<std::string> AlmanacActivities(const std::string& connectionString) {
  // Reading the list means a pass over all 73,049 days (about 0.1 s), and
  // every 吉日 window asks for it: it is kept for as long as the file stays
  // the same (same path, size and time of change).
  using Key = std::tuple<std::string, std::uintmax_t, std::filesystem::file_time_type>;
  static std::mutex mutex;
  static std::map<Key, std::vector<std::string>> kept;
  std::error_code ec;
  const std::filesystem::path file = data::DataSourceOf(connectionString);
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  const std::filesystem::file_time_type changed = ec ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(file, ec);
  const Key key{file.string(), size, changed};
  if (!ec) {
    std::lock_guard<std::mutex> lock(mutex);
    if (auto it = kept.find(key); it != kept.end()) return it->second;
  }
  const data::ResultSet lists = data::RunQuery(connectionString, "Select distinct yi from huangdao");
  std::set<std::string> found;
  for (int r = 0; r < lists.RecordCount(); ++r)
    ForEachItem(lists.At(r, 0).AsText(), [&](std::string_view item) {
      if (IsActivity(item)) found.emplace(item);
    });
  std::vector<std::string> activities(found.begin(), found.end());
  if (!ec) {
    std::lock_guard<std::mutex> lock(mutex);
    kept[key] = activities;
  }
  return activities;
}

std::vector<LuckyDay> FindLuckyDays(const std::string& connectionString, const std::string& activity, DateValue from,
                                    int days) {
  std::vector<LuckyDay> out;
  if (days < 1 || activity.empty()) return out;
  const DateValue first = std::floor(from);
  const DateValue last = std::min(first + (days - 1), AlmanacLastDay());
  if (last < first) return out;
  const data::ResultSet rows =
      data::RunQuery(connectionString, "Select gn, yi, ji from huangdao where gn >= #" + FormatDate(first) +
                                           "# and gn <= #" + FormatDate(last) + "# order by gn");
  for (int r = 0; r < rows.RecordCount(); ++r) {
    if (!ListHolds(rows.At(r, 1).AsText(), activity) || ListHolds(rows.At(r, 2).AsText(), activity)) continue;
    const std::optional<DateValue> date = TryParseDate(rows.At(r, 0).AsText());
    if (!date) continue;
    const AlmanacPillars p = AlmanacPillarsOf(*date);
    LuckyDay day;
    day.date = *date;
    day.lunar = LunarDateText(*date);
    day.weekday = WeekdayName(*date);
    day.pillar = p.day.Text();
    day.clash = CongText(p.day);
    day.dayGod = DayGodText(p);
    day.yellowPath = IsYellowPathGod(DayGodOf(p.month.branch, p.day.branch));
    out.push_back(std::move(day));
  }
  return out;
}

const std::array<LuckyDayCommand, 15> LuckyDayCommands = {{
    {"开市吉日", "开市"},
    {"交易吉日", "交易"},
    {"嫁娶吉日", "嫁娶"},
    {"入宅吉日", "入宅"},
    {"入学吉日", "入学"},
    {"纳财吉日", "纳财"},
    {"订盟吉日", "订盟"},
    {"安门吉日", "安门"},
    {"出行吉日", "出行"},
    {"开光吉日", "开光"},
    {"求嗣吉日", "求嗣"},
    {"祈福吉日", "祈福"},
    {"破土吉日", "破土"},
    {"祭祀吉日", "祭祀"},
    {"安葬吉日", "安葬"},
}};

}  // namespace lumeno::fortune
