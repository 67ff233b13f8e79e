#pragma once
// The calendar window TFRM_Date (万年历法): one Gregorian month as a grid
// of days, Sunday first, each day with one line of Chinese calendar text
// under its number (lunar day, lunar month at its first day, festival or
// solar term); beside the grid the year and month, the year's branch and
// animal and the constellation of the marked day. The user moves by year and
// month with a spin control that a click on the year or month brings up,
// and back to today with 今天. The window closes as soon as another window
// becomes the active one.
#include <QDate>
#include <QDialog>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

namespace lumeno::calendar {

class TFRM_Date : public QDialog {
  Q_OBJECT

 public:
  explicit TFRM_Date(QWidget* parent = nullptr);
  ~TFRM_Date() override;

  static constexpr int kPairs = 37;

  QLabel* Label1 = nullptr;    // the year; a click brings up UpDown1
  QLabel* Label20 = nullptr;   // the year, large, beside the grid
  QLabel* Label17 = nullptr;   // the month; a click brings up UpDown2
  QLabel* Label16 = nullptr;   // the month, large, beside the grid
  QLabel* Label21 = nullptr;   // the year's branch and animal, such as 辰龙
  QLabel* Label22 = nullptr;   // the constellation of the marked day
  QSpinBox* UpDown1 = nullptr; // year, 1901-2050
  QSpinBox* UpDown2 = nullptr; // month, 1-12, not wrapping
  QFrame* Shape2 = nullptr;    // the highlight of the marked cell
  QPushButton* StaticText1 = nullptr;  // 今天

  // Pair 1-37: the day number and the calendar text of a cell.
  QLabel* DayNumber(int pair) const { return numbers_.at(static_cast<std::size_t>(pair - 1)); }
  QLabel* DayText(int pair) const { return texts_.at(static_cast<std::size_t>(pair - 1)); }
  // The pair the highlight frame is on (0 before the first month is shown).
  int HighlightedPair() const { return highlighted_; }

  // The selected date and the view's year, month and chosen day (the day
  // may exceed the length of the month shown).
  QDate SelectedDate() const { return selected_; }
  int ViewYear() const { return y_; }
  int ViewMonth() const { return m_; }
  int ChosenDay() const { return d_; }

  // Fills the grid for the month of `x` and marks the day of `x`.
  void ShowMonth(const QDate& x);

  // Today's date as the window sees it; tests put a fixed day in place.
  static void SetClock(std::function<QDate()> clock);
  static QDate Today();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Label1Click();
  void Label17Click();
  void UpDown1Click();
  void UpDown2Click();
  void StaticText1Click();
  void DayMouseDown(int pair);
  void DayClick(int pair);
  void MoveHighlight(int pair);
  void ShowSelectedDate();  // what showing the window does
  int PairOf(QObject* label) const;

  std::array<QLabel*, kPairs> numbers_{};
  std::array<QLabel*, kPairs> texts_{};
  std::array<QRect, kPairs> cells_{};
  QDate selected_;
  int y_ = 0, m_ = 0, d_ = 0;
  int highlighted_ = 0;
  int pressedPair_ = 0;
  bool wasActive_ = false;
};

// 万年历法: a new calendar window on today's date, shown modally and
// destroyed when it closes.
void OpenCalendarWindow(QWidget* parent);

}  // namespace lumeno::calendar
