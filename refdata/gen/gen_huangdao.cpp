// Table huangdao: the almanac entry of every day from 1901-01-01 to
// 2100-12-31. The columns that follow from the calendar (the pillars, the
// sound element and officer, the clash, the day god and the overview) are
// computed by the rules of src/fortune/almanac_rules.h; the traditional lists
// come from three rule files:
//   rules/almanac_pengzu.tsv     the Peng Zu saying of each stem and branch
//   rules/almanac_fetus.tsv      the fetus-god position of each cycle day
//   rules/almanac_day_lists.tsv  the four day lists of each month branch and
//                                cycle day (720 cells)
// Every file must be complete; a gap or a duplicate stops the build.
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "fortune/almanac_rules.h"
#include "refgen.h"
#include "rule_file.h"

namespace lumeno::refgen {
namespace {

using data::Value;
using fortune::AlmanacPillars;

// The lines of a rule file as GBK fields in the order of `columns`, every
// one of them required.
std::vector<std::vector<std::string>> ReadRuleFile(const std::string& path, const std::vector<std::string>& columns) {
  std::vector<std::vector<std::string>> rows;
  for (const RuleLine& line : ReadRules(path, columns)) {
    std::vector<std::string> fields;
    for (const std::string& column : columns) fields.push_back(Utf8ToGbk(line.Get(column)));
    rows.push_back(std::move(fields));
  }
  return rows;
}

// Cycle number (0-59) of a stem-branch text, or a build error.
int CycleNumberOf(const std::string& gbk, const std::string& where) {
  for (int n = 0; n < 60; ++n)
    if (calendar::GanZhi::OfCycle(n).Text() == gbk) return n;
  throw std::runtime_error(where + ": not a stem-branch day: " + GbkToUtf8(gbk));
}

int BranchOf(const std::string& gbk, const std::string& where) {
  for (int b = 0; b < 12; ++b)
    if (calendar::EarthlyBranchNames[static_cast<std::size_t>(b)] == gbk) return b;
  throw std::runtime_error(where + ": not an earthly branch: " + GbkToUtf8(gbk));
}

struct RuleTexts {
  std::array<std::string, 10> stemTaboo;
  std::array<std::string, 12> branchTaboo;
  std::array<std::string, 60> fetus;
  // [month branch][cycle day]: jsyq, yi, xsyq, ji
  std::array<std::array<std::array<std::string, 4>, 60>, 12> lists;
};

RuleTexts ReadAlmanacRules(const std::string& dir) {
  RuleTexts r;

  const std::string pengzu = dir + "/almanac_pengzu.tsv";
  std::map<std::string, std::string> sayings;
  for (const auto& f : ReadRuleFile(pengzu, {"sign", "saying"}))
    if (!sayings.emplace(f[0], f[1]).second) throw std::runtime_error(pengzu + ": sign given twice: " + GbkToUtf8(f[0]));
  auto saying = [&](std::string_view sign) {
    auto it = sayings.find(std::string(sign));
    if (it == sayings.end()) throw std::runtime_error(pengzu + ": no saying for " + GbkToUtf8(std::string(sign)));
    return it->second;
  };
  for (std::size_t s = 0; s < 10; ++s) r.stemTaboo[s] = saying(calendar::HeavenlyStemNames[s]);
  for (std::size_t b = 0; b < 12; ++b) r.branchTaboo[b] = saying(calendar::EarthlyBranchNames[b]);
  if (sayings.size() != 22) throw std::runtime_error(pengzu + ": expected the 22 stems and branches");

  const std::string fetus = dir + "/almanac_fetus.tsv";
  std::array<bool, 60> haveFetus{};
  for (const auto& f : ReadRuleFile(fetus, {"day", "place", "side"})) {
    const int n = CycleNumberOf(f[0], fetus);
    if (haveFetus[static_cast<std::size_t>(n)]) throw std::runtime_error(fetus + ": day given twice: " + GbkToUtf8(f[0]));
    haveFetus[static_cast<std::size_t>(n)] = true;
    r.fetus[static_cast<std::size_t>(n)] = f[1] + " " + f[2];
  }
  for (int n = 0; n < 60; ++n)
    if (!haveFetus[static_cast<std::size_t>(n)])
      throw std::runtime_error(fetus + ": no position for " + GbkToUtf8(calendar::GanZhi::OfCycle(n).Text()));

  const std::string lists = dir + "/almanac_day_lists.tsv";
  std::array<std::array<bool, 60>, 12> haveCell{};
  for (const auto& f : ReadRuleFile(lists, {"month", "day", "jsyq", "yi", "xsyq", "ji"})) {
    const auto m = static_cast<std::size_t>(BranchOf(f[0], lists));
    const auto n = static_cast<std::size_t>(CycleNumberOf(f[1], lists));
    if (haveCell[m][n]) throw std::runtime_error(lists + ": cell given twice: " + GbkToUtf8(f[0] + f[1]));
    haveCell[m][n] = true;
    r.lists[m][n] = {f[2], f[3], f[4], f[5]};
  }
  for (std::size_t m = 0; m < 12; ++m)
    for (std::size_t n = 0; n < 60; ++n)
      if (!haveCell[m][n])
        throw std::runtime_error(lists + ": no lists for the month " +
                                 GbkToUtf8(std::string(calendar::EarthlyBranchNames[m])) + " and the day " +
                                 GbkToUtf8(calendar::GanZhi::OfCycle(static_cast<long long>(n)).Text()));
  return r;
}

void GenerateHuangdao(const GenContext& ctx, const data::TableDef& table, RowSink& sink) {
  const RuleTexts rules = ReadAlmanacRules(ctx.sourceDir + "/rules");
  const std::vector<std::string> order = {"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};
  std::vector<std::size_t> at;
  for (const std::string& name : order) {
    const data::ColumnDef* col = data::FindColumn(table, name);
    if (!col) throw std::runtime_error("huangdao has no column " + name);
    at.push_back(static_cast<std::size_t>(col - table.columns.data()));
  }
  Row row(table.columns.size());
  const DateValue last = fortune::AlmanacLastDay();
  for (DateValue day = fortune::AlmanacFirstDay(); day <= last; day += 1) {
    const AlmanacPillars p = fortune::AlmanacPillarsOf(day);
    const auto cycle = static_cast<std::size_t>(p.day.CycleNumber());
    const auto& four = rules.lists[static_cast<std::size_t>(p.month.branch)][cycle];
    const std::string texts[] = {FormatDate(day),
                                 fortune::OverviewText(day),
                                 fortune::SuiciText(p),
                                 rules.fetus[cycle],
                                 fortune::WuhangText(p),
                                 fortune::CongText(p.day),
                                 rules.stemTaboo[static_cast<std::size_t>(p.day.stem)] + " " +
                                     rules.branchTaboo[static_cast<std::size_t>(p.day.branch)],
                                 four[0],
                                 four[1],
                                 four[2],
                                 four[3]};
    for (std::size_t i = 0; i < order.size(); ++i) row[at[i]] = Value::Text(texts[i]);
    sink.Add(row);
  }
}

}  // namespace

LUMENO_TABLE_GENERATOR("huangdao", GenerateHuangdao);

}  // namespace lumeno::refgen
