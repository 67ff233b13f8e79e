#pragma once
// The auspicious-day window (吉日查询): for an activity and a span of 30, 90
// or 365 days from a chosen day, the days whose 宜 holds the activity and
// whose 忌 does not, 黄道 days marked. A double-click on a day opens the
// almanac window on it. Not modal; every command opens one more.
#include <QDate>
#include <QDialog>
#include <string>
#include <vector>

#include "fortune/almanac.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumeno::fortune {

class TFormJiri : public QDialog {
  Q_OBJECT

 public:
  explicit TFormJiri(QWidget* parent = nullptr);
  ~TFormJiri() override;

  QComboBox* CbActivity = nullptr;  // every activity of the table
  QDateEdit* DeFrom = nullptr;      // the first day of the span
  QComboBox* CbSpan = nullptr;      // 30, 90 or 365 days
  QLabel* LblSummary = nullptr;
  QTreeWidget* LvDays = nullptr;    // one row per good day

  // Chooses the activity (GBK); false when the table has no such activity.
  bool SetActivity(const std::string& activity);
  void SetFrom(const QDate& day);
  void SetSpan(int days);

  // The activity chosen (GBK, "" for none) and the span in days.
  std::string Activity() const;
  int Span() const;
  // The days the list shows.
  const std::vector<LuckyDay>& Days() const { return days_; }

  // Runs the search for the inputs as they stand; the inputs run it
  // themselves whenever one of them changes.
  void CmdSearch();
  // Opens the almanac window on the day of a row.
  void CmdOpenDay(QTreeWidgetItem* item);
  void CmdToday();  // 今天: the span starts today
  void CmdClose();  // 关闭

 private:
  void Refresh();
  std::vector<LuckyDay> days_;
};

// Creates the window, sets it to `activity` (GBK; "" leaves the choice to
// the user) from today, shows it without waiting and, with an activity, lists
// its days at once: over the first span, or over a year when the first span
// has none.
TFormJiri* OpenLuckyDayWindow(QWidget* parent, const std::string& activity);

}  // namespace lumeno::fortune
