#pragma once
// The almanac of a day and the search for auspicious days, over table
// huangdao of VelBirth.dll (one row per day, 1901-01-01 to 2100-12-31; see
// almanac_rules.h for how its columns are made).
//
// The almanac window's 测算 is LookUpAlmanacDay: it checks the typed date,
// reads the day's row and writes the overview line and the result lines. The
// auspicious-day search (吉日查询 and the fifteen 吉日 commands) is
// FindLuckyDays. Both are plain operations; the windows and lumeno-cli call
// them. Texts are GBK.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/date.h"
#include "core/pane.h"
#include "data/query.h"

namespace lumeno::fortune {

// ---- The almanac window ----

// The glossary beside the result: 32 terms with their explanations.
struct GlossaryEntry {
  std::string_view term;
  std::string_view explanation;
};
extern const std::array<GlossaryEntry, 32> AlmanacGlossary;
// One line per entry: term, " ：", explanation.
std::vector<std::string> AlmanacGlossaryLines();

// The labels of the result lines, in the order of their columns.
struct ResultColumn {
  std::string_view column;
  std::string_view label;
};
extern const std::array<ResultColumn, 9> AlmanacResultColumns;

enum class AlmanacOutcome {
  Shown,        // the overview and the result lines were written
  YearMissing,  // "请选择年!"
  MonthMissing, // "请选择月!"
  DayMissing,   // "请选择日!"
  InvalidDate,  // "请选择有效的日期!"
  NoEntry,      // the table has no row for the day: nothing changed
};

// The 测算 command: year, month and day as typed (GBK). Checks them in that
// order with a message through ShowInfo for the first that fails, then reads
// "Select top 1 * from huangdao where gn = #y-m-d#" on `query` (which is
// closed first). With a row, `overview` becomes the date as typed, two blanks
// and the overview column, and the pane gets one line per column (label and
// trimmed value) with an empty line after each but the last. Without a row
// nothing changes and nothing is said. A database failure raises DataError.
AlmanacOutcome LookUpAlmanacDay(const std::string& year, const std::string& month, const std::string& day,
                                data::Query& query, std::string& overview, Pane& pane);

// ---- Auspicious days ----

// True when the blank-separated `list` holds `activity` as one of its items
// (not merely as a part of one: 开仓 is not 仓).
bool ListHolds(std::string_view list, std::string_view activity);

// Items of the 宜 lists that are no activity one could choose a day for.
bool IsActivity(std::string_view item);

// Every activity that the 宜 column of the table holds on some day, in the
// order of their GBK texts (which is the order of their readings). Reads the
// table through `connectionString` once, and again only when the file
// changes.
std::vector<std::string> AlmanacActivities(const std::string& connectionString);

// The spans the search window offers, in days.
inline constexpr std::array<int, 3> kLuckyDaySpans = {30, 90, 365};
// The span the search starts with.
inline constexpr int kDefaultLuckyDaySpan = 90;

struct LuckyDay {
  DateValue date = 0;
  std::string lunar;    // 农历四月十一
  std::string weekday;  // 星期二
  std::string pillar;   // the day's stem-branch, 壬戌
  std::string clash;    // 冲龙(丙辰)煞北
  std::string dayGod;   // 白虎黑道日
  bool yellowPath = false;
};

// The days from `from` on, `days` days in all (the last one 2100-12-31 at
// the latest), whose 宜 holds the activity and whose 忌 does not, in date
// order. Reads the table through `connectionString`; nothing for days < 1.
std::vector<LuckyDay> FindLuckyDays(const std::string& connectionString, const std::string& activity, DateValue from,
                                    int days);

// The 吉日 commands of the menu and the side panel: the caption (GBK) and
// the activity of the table each one searches for.
struct LuckyDayCommand {
  std::string_view caption;
  std::string_view activity;
};
extern const std::array<LuckyDayCommand, 15> LuckyDayCommands;

}  // namespace lumeno::fortune
