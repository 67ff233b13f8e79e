#pragma once
// The name analysis report (姓名详解) and the three-talent reading (三才吉凶)
// of the main window and the name-analysis window, without any window: the
// inputs arrive as texts, the report goes into a Pane.
#include <string>

#include "core/pane.h"
#include "data/query.h"

namespace lumeno::numerology {

// The texts of the inputs, GBK, untrimmed as typed.
struct NameInputs {
  std::string surname, given, sex, year, month, day, hourItem, minute;
  int calendarIndex = 0;  // 0 公历, 1 农历
};

// What the last name analysis leaves in its window: the trimmed inputs
// (year, month and day replaced by the Gregorian date after a lunar input),
// the hour item, the Gregorian date text, the lunar date text, the
// constellation and the zodiac animal.
struct AnalysisState {
  std::string surname, given, year, month, day, hourText, dateText, lunarText, constellation, zodiac;
};

// 姓名详解: validation in the fixed order with its six messages (through
// lumeno::data::ShowInfo), AnalysisState filled field by field, lunar input
// converted first, the report line by line into `pane` (ClearPane first),
// then ShowPane and ScrollPaneToTop. `currentYear` is the system clock's
// year (the caller passes it, so tests and --today can fix it).
// `closingLine` adds the name-analysis window's last line. A failing text
// look-up throws lumeno::CommandCancelled after the lines already written; an
// invalid date raises lumeno::GeneralError "'%s' is not a valid date" before
// anything is written (so does a lunar date that does not exist, and a
// lunar year, month or day that is not a number names the text:
// "'%s' is not a valid integer value"). `talentQuery` is the window's
// ADOQname component (connection string of VelFile.dll), used for
// TalentReading.
void RunNameAnalysis(const NameInputs& in, AnalysisState& state, lumeno::Pane& pane, int currentYear,
                     bool closingLine, lumeno::data::Query& talentQuery);

// 三才吉凶 on the names held in `state` (nothing when either is empty):
// clears and writes `pane`, neither shows nor scrolls. A failing look-up
// throws lumeno::CommandCancelled before the pane is touched.
void RunThreeTalents(const AnalysisState& state, lumeno::Pane& pane, lumeno::data::Query& talentQuery);

// The hour of an hour item such as "子 23": its bytes 4-5, trimmed.
std::string HourOfItem(const std::string& hourItem);

// The separator line between the report's sections.
extern const char* const kReportSeparator;

}  // namespace lumeno::numerology
