#include "bazi/advice.h"

#include "bazi/date_text_table.h"
#include "bazi/lookup.h"
#include "calendar/names.h"
#include "core/error.h"
#include "core/text.h"
#include "data/query.h"

namespace lumeno::bazi {

using calendar::EarthlyBranchNames;
using calendar::HeavenlyStemNames;

namespace {

// Runs one bone-weight statement; a statement that cannot run stops the
// command.
data::ResultSet DreamQuery(const std::string& sql) {
  try {
    return data::RunQuery(data::DatabaseFile::Dream, sql);
  } catch (const data::DataError& e) {
    throw CommandCancelled(e.what());
  }
}

double Weight(const std::string& sql) {
  data::ResultSet r = DreamQuery(sql);
  if (r.IsEmpty()) return 0;
  // Each part of a bone weight is a few liang; a stored value that is no
  // number, not finite or outside 0-10 fails like the look-up itself.
  if (auto w = r.First(0).RealWithin(0, 10)) return *w;
  throw CommandCancelled("bone weight '" + r.First(0).AsText() + "' is out of range");
}

}  // namespace

std::string SeasonOfLunarMonth(const std::string& name) {
  static const struct {
    const char* month;
    const char* season;
  } kSeasons[] = {{"一月", "春"}, {"二月", "春"}, {"三月", "春"}, {"四月", "夏"},   {"五月", "夏"},   {"六月", "夏"},
                  {"七月", "秋"}, {"八月", "秋"}, {"九月", "秋"}, {"十月", "冬"}, {"十一月", "冬"}, {"十二月", "冬"}};
  for (const auto& s : kSeasons)
    if (name == s.month) return s.season;
  return {};
}

std::string LookupSeasonAdvice(const std::string& element, const std::string& season) {
  return TgcodeText("select  top 1 sjrs from sjrs where wh = '" + element + "' and sj = '" + season + "' ");
}

std::string LookupTiaohou(const std::string& stem, const std::string& branch) {
  return TgcodeText("select  top 1 content from qtbj where tg = '" + stem + "' and dz = '" + branch + "' ");
}

std::string BoneWeightKey(double sum) {
  const std::string text = FormatGeneral(sum);
  std::string key;
  if (text.size() == 1) key = text + "0";
  else if (text.size() >= 3) key = std::string(1, text[0]) + text[2];
  if (key.size() != 2 || key[0] < '0' || key[0] > '9' || key[1] < '0' || key[1] > '9') return {};
  return key;
}

std::string BoneWeightReading(int lunarYear, int lunarMonth, int lunarDay, int hour, int kind) {
  double sum = 0;
  sum += Weight("Select weight from chenggu1 where year =" + QuotedSql(std::to_string(lunarYear)));
  sum += Weight("Select weight from chenggu2 where month2 =" + QuotedSql(std::to_string(lunarMonth)));
  sum += Weight("Select weight from chenggu3 where day2 =" + QuotedSql(std::to_string(lunarDay)));
  sum += Weight("Select weight from chenggu4 where time =" + QuotedSql(std::to_string(hour)));
  // A sum of ten or more has no two-digit key: nothing is shown for it.
  const std::string key = BoneWeightKey(sum);
  data::ResultSet r = DreamQuery("Select content,content2 from chenggu where weight =" + QuotedSql(key));
  if (key.empty() || r.IsEmpty()) return {};
  switch (kind) {
    case 0: {
      std::string line = "你的骨重为：" + key.substr(0, 1) + "两";
      if (key[1] != '0') line += key.substr(1, 1) + "钱";
      return line;
    }
    case 1: return "骨重诗评：" + r.First(0).AsTrimmedText();
    case 2: return "骨重解评：" + r.First(1).AsTrimmedText();
    default: return {};
  }
}

std::string CharacterSketch(int month, int day) {
  return std::string(DateTextTable(day)) + DateTextTable(month * 100 + day);
}

std::string SeasonLine(const BaziChart& chart, const BirthMoment& birth) {
  const std::string season = SeasonOfLunarMonth(calendar::LunarMonthName(birth.lunar.month, birth.lunar.leap));
  if (season.empty()) return {};
  const std::string& element = chart.elements[4];
  return "用神喜忌：日主天干" + element + "生于" + season + "季，" + LookupSeasonAdvice(element, season) + "。";
}

std::string TiaohouLine(const BaziChart& chart) {
  const std::string stem(HeavenlyStemNames[chart.pillars.day.stem]);
  const std::string branch(EarthlyBranchNames[chart.pillars.month.branch]);
  return "穷通宝鉴调候用神：" + stem + chart.elements[4] + "生于" + branch + "月，" + LookupTiaohou(stem, branch);
}

std::string FavourableElementsLine(const BaziChart& chart) {
  const std::string& missing = chart.tally.missing;
  if (missing.empty()) return "喜用神：五行不缺。";
  return "喜用神：" + missing + "，建议你名字五行带：" + missing + "最佳。";
}

}  // namespace lumeno::bazi
