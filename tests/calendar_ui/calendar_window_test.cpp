// The calendar window TFRM_Date through its real widgets, offscreen: the
// grid of a month, the colours of its texts, the spin controls and their
// limits, the chosen day kept across months, 今天, and the window closing
// when another one becomes active; opened by the main window's 万年历法.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "app/Unt_Main.h"
#include "calendar/ui/DateWin.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::calendar {
namespace {

const QColor kDarkGreen(0, 64, 0);
const QColor kRed(255, 0, 0);
const QColor kOrange(255, 128, 0);
const QColor kBlue(83, 83, 255);

QColor Ink(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

class CalendarWindow : public ::testing::Test {
 protected:
  void SetUp() override { SetToday(QDate(2000, 2, 5)); }
  void TearDown() override { TFRM_Date::SetClock({}); }

  static void SetToday(const QDate& day) {
    TFRM_Date::SetClock([day] { return day; });
  }
  // A window on `day` (today unless given), shown.
  std::unique_ptr<TFRM_Date> Open(const QDate& day = QDate()) {
    if (day.isValid()) SetToday(day);
    auto w = std::make_unique<TFRM_Date>();
    w->show();
    QApplication::processEvents();
    return w;
  }
  // The pair showing day `day` of the month in view.
  static int PairOfDay(const TFRM_Date& w, int day) {
    for (int p = 1; p <= TFRM_Date::kPairs; ++p)
      if (w.DayNumber(p)->isVisibleTo(&w) && w.DayNumber(p)->text() == QString::number(day)) return p;
    return 0;
  }
  static int MarkedDay(const TFRM_Date& w) { return w.DayNumber(w.HighlightedPair())->text().toInt(); }
  static void ClickDay(TFRM_Date& w, int day) {
    const int pair = PairOfDay(w, day);
    ASSERT_NE(pair, 0) << day;
    QTest::mouseClick(w.DayText(pair), Qt::LeftButton);
  }

  lumeno::testing::UiRecorders recorders;
};

TEST_F(CalendarWindow, OpensOnTodayWithItsLabels) {
  auto w = Open();
  EXPECT_EQ(w->SelectedDate(), QDate(2000, 2, 5));
  EXPECT_EQ(w->Label1->text(), u"2000"_s);
  EXPECT_EQ(w->Label20->text(), u"2000"_s);
  EXPECT_EQ(w->Label17->text(), u"2"_s);
  EXPECT_EQ(w->Label16->text(), u"2"_s);
  EXPECT_EQ(w->Label21->text(), u"辰龙"_s);
  EXPECT_EQ(w->Label22->text(), u"水瓶座"_s);
  EXPECT_EQ(w->Label1->toolTip(), u"单击改变年份"_s);
  EXPECT_EQ(w->Label17->toolTip(), u"单击改变月份"_s);
  EXPECT_EQ(w->UpDown1->value(), 2000);
  EXPECT_EQ(w->UpDown2->value(), 2);
  EXPECT_EQ(MarkedDay(*w), 5);
  EXPECT_TRUE(w->Shape2->isVisible());
  // The frame lies around the marked cell's two labels.
  EXPECT_TRUE(w->Shape2->geometry().contains(w->DayNumber(w->HighlightedPair())->geometry().center()));
  EXPECT_TRUE(w->Shape2->geometry().contains(w->DayText(w->HighlightedPair())->geometry().center()));
  EXPECT_FALSE(w->Shape2->geometry().contains(w->DayText(w->HighlightedPair() + 1)->geometry().center()));

  QStringList headings;
  for (int i = 9; i <= 15; ++i) headings << w->findChild<QLabel*>(u"Label"_s + QString::number(i))->text();
  EXPECT_EQ(headings, (u"星期日 星期一 星期二 星期三 星期四 星期五 星期六"_s).split(u' '));
  for (int i = 2; i <= 8; ++i) EXPECT_EQ(w->findChild<QLabel*>(u"Label"_s + QString::number(i))->text(), headings[i - 2]);
  // A click on a heading changes nothing.
  QTest::mouseClick(w->findChild<QLabel*>(u"Label9"_s), Qt::LeftButton);
  EXPECT_EQ(w->SelectedDate(), QDate(2000, 2, 5));
}

TEST_F(CalendarWindow, TextsAndColoursOfTheDays) {
  struct Case {
    QDate day;
    QString text;
    QColor colour;
  } cases[] = {
      {QDate(2000, 2, 5), u"春节"_s, kOrange},
      {QDate(2000, 2, 4), u"除夕"_s, kOrange},  // also 立春: the lunar festival wins
      {QDate(2000, 2, 6), u"初二"_s, kDarkGreen},
      {QDate(2000, 12, 21), u"冬至"_s, kBlue},
      {QDate(2000, 5, 14), u"母亲节"_s, kOrange},
      {QDate(2000, 3, 6), u"二月"_s, kRed},      // the first day of a lunar month
      {QDate(2020, 5, 23), u"闰四"_s, kRed},     // ... of a leap month
      {QDate(2002, 10, 6), u"老人节"_s, kOrange}, // a Gregorian festival on the first of 九月
      {QDate(1999, 11, 8), u"立冬"_s, kBlue},    // a solar term over 记者日 and 十月
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
    auto w = Open(c.day);
    const int pair = w->HighlightedPair();
    EXPECT_EQ(w->DayNumber(pair)->text(), QString::number(c.day.day()));
    EXPECT_EQ(w->DayText(pair)->text(), c.text);
    EXPECT_EQ(Ink(w->DayText(pair)), c.colour);
    EXPECT_EQ(Ink(w->DayNumber(pair)), QColor(Qt::black));
    EXPECT_EQ(w->DayNumber(pair)->font().pointSize(), 11);
  }
}

TEST_F(CalendarWindow, MonthsFillTheirPairsSundayFirst) {
  struct Case {
    QDate day;
    int firstPair, lastPair;
  } cases[] = {
      {QDate(2000, 7, 15), 7, 37},  // Saturday the first, 31 days: the last pair of the grid
      {QDate(2000, 10, 15), 1, 31}, // Sunday the first
      {QDate(2000, 2, 15), 3, 31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
    auto w = Open(c.day);
    for (int p = 1; p <= TFRM_Date::kPairs; ++p) {
      const bool used = p >= c.firstPair && p <= c.lastPair;
      EXPECT_EQ(w->DayNumber(p)->isVisible(), used) << p;
      EXPECT_EQ(w->DayText(p)->isVisible(), used) << p;
      if (used) {
        EXPECT_EQ(w->DayNumber(p)->text(), QString::number(p - c.firstPair + 1));
      }
      // Column 0 is Sunday: a pair's cell sits under its weekday heading.
      const QLabel* heading = w->findChild<QLabel*>(u"Label"_s + QString::number(9 + (p - 1) % 7));
      EXPECT_EQ(w->DayNumber(p)->geometry().center().x(), heading->geometry().center().x());
    }
  }
}

TEST_F(CalendarWindow, TheChosenDayIsKeptAcrossMonths) {
  auto w = Open(QDate(2000, 1, 10));
  ClickDay(*w, 31);
  EXPECT_EQ(w->SelectedDate(), QDate(2000, 1, 31));
  EXPECT_EQ(w->ChosenDay(), 31);
  EXPECT_EQ(w->Label22->text(), u"水瓶座"_s);  // the constellation of the day picked
  w->UpDown2->stepUp();
  EXPECT_EQ(w->Label17->text(), u"2"_s);
  EXPECT_EQ(MarkedDay(*w), 29);
  EXPECT_EQ(w->Label22->text(), u"双鱼座"_s);
  EXPECT_EQ(w->ChosenDay(), 31);
  w->UpDown2->stepUp();
  EXPECT_EQ(MarkedDay(*w), 31);
  // The year control keeps month and day: 2001 has no 29 February.
  ClickDay(*w, 29);
  w->UpDown2->setValue(2);
  w->UpDown1->stepUp();
  EXPECT_EQ(w->Label1->text(), u"2001"_s);
  EXPECT_EQ(w->Label20->text(), u"2001"_s);
  EXPECT_EQ(w->Label21->text(), u"巳蛇"_s);
  EXPECT_EQ(MarkedDay(*w), 28);
  EXPECT_EQ(w->SelectedDate(), QDate(2001, 2, 28));
}

TEST_F(CalendarWindow, PressingADayMovesTheHighlightAndAClickChoosesIt) {
  auto w = Open(QDate(2000, 2, 5));
  const int pair = PairOfDay(*w, 20);
  QTest::mousePress(w->DayNumber(pair), Qt::LeftButton);
  EXPECT_EQ(w->HighlightedPair(), pair);
  EXPECT_EQ(w->SelectedDate(), QDate(2000, 2, 5));  // chosen only by the click
  QTest::mouseRelease(w->DayNumber(pair), Qt::LeftButton);
  EXPECT_EQ(w->SelectedDate(), QDate(2000, 2, 20));
  EXPECT_EQ(w->Label22->text(), u"双鱼座"_s);
  EXPECT_EQ(w->DayText(PairOfDay(*w, 5))->text(), u"春节"_s);  // the grid is as it was
}

TEST_F(CalendarWindow, YearAndMonthLabelsBringUpTheirSpinControls) {
  auto w = Open();
  EXPECT_TRUE(w->UpDown2->isVisible());
  EXPECT_FALSE(w->UpDown1->isVisible());
  QTest::mouseClick(w->Label1, Qt::LeftButton);
  EXPECT_TRUE(w->UpDown1->isVisible());
  EXPECT_FALSE(w->UpDown2->isVisible());
  QTest::mouseClick(w->Label17, Qt::LeftButton);
  EXPECT_TRUE(w->UpDown2->isVisible());
  EXPECT_FALSE(w->UpDown1->isVisible());
}

TEST_F(CalendarWindow, SpinControlsStopAtTheirLimits) {
  struct Case {
    QDate today;
    bool year;  // the year control, else the month control
    bool up;
    QString yearShown, monthShown;
  } cases[] = {
      {QDate(2000, 12, 5), false, true, u"2000"_s, u"12"_s},  // no wrap into the next year
      {QDate(2000, 1, 5), false, false, u"2000"_s, u"1"_s},
      {QDate(2050, 6, 5), true, true, u"2050"_s, u"6"_s},
      {QDate(1901, 6, 5), true, false, u"1901"_s, u"6"_s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
    auto w = Open(c.today);
    QSpinBox* spin = c.year ? w->UpDown1 : w->UpDown2;
    EXPECT_FALSE(spin->wrapping());
    for (int i = 0; i < 3; ++i) c.up ? spin->stepUp() : spin->stepDown();
    EXPECT_EQ(w->Label1->text(), c.yearShown);
    EXPECT_EQ(w->Label17->text(), c.monthShown);
    EXPECT_EQ(MarkedDay(*w), 5);
  }
  auto w = Open(QDate(2000, 6, 5));
  w->UpDown1->setValue(1800);
  EXPECT_EQ(w->Label1->text(), u"1901"_s);
  w->UpDown1->setValue(3000);
  EXPECT_EQ(w->Label1->text(), u"2050"_s);
}

TEST_F(CalendarWindow, TodayReturnsToTheCurrentMonth) {
  auto w = Open(QDate(2000, 2, 5));
  w->UpDown1->setValue(1990);
  w->UpDown2->setValue(8);
  ClickDay(*w, 17);
  SetToday(QDate(2000, 2, 6));
  w->StaticText1->click();
  EXPECT_EQ(w->SelectedDate(), QDate(2000, 2, 6));
  EXPECT_EQ(w->ChosenDay(), 6);
  EXPECT_EQ(w->Label1->text(), u"2000"_s);
  EXPECT_EQ(w->Label16->text(), u"2"_s);
  EXPECT_EQ(w->UpDown1->value(), 2000);
  EXPECT_EQ(w->UpDown2->value(), 2);
  EXPECT_EQ(MarkedDay(*w), 6);
  EXPECT_EQ(w->DayText(PairOfDay(*w, 5))->text(), u"春节"_s);
}

TEST_F(CalendarWindow, ADayOutsideTheTableShowsNumbersWithoutTexts) {
  // A clock past 2050: the view has its days, no calendar texts, and moves on.
  auto w = Open(QDate(2051, 3, 15));
  EXPECT_EQ(w->Label1->text(), u"2051"_s);
  EXPECT_EQ(w->Label21->text(), u""_s);
  EXPECT_EQ(w->Label22->text(), u""_s);
  EXPECT_EQ(MarkedDay(*w), 15);
  EXPECT_EQ(w->DayText(w->HighlightedPair())->text(), u""_s);
  EXPECT_EQ(w->UpDown1->value(), 2050);
  w->UpDown2->stepUp();
  EXPECT_EQ(w->Label17->text(), u"4"_s);
  EXPECT_EQ(w->Label1->text(), u"2051"_s);
  w->UpDown1->stepDown();
  EXPECT_EQ(w->Label1->text(), u"2049"_s);
  EXPECT_FALSE(w->DayText(w->HighlightedPair())->text().isEmpty());
}

TEST_F(CalendarWindow, ClosesWhenAnotherWindowBecomesActive) {
  auto w = Open();
  QWidget other;
  other.show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  QApplication::processEvents();
  EXPECT_TRUE(w->isVisible());
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_TRUE(lumeno::testing::WaitUntil([&] { return !w->isVisible(); }, 2000));
}

TEST_F(CalendarWindow, CalendarCommandOpensANewModalWindowEachTime) {
  lumeno::testing::TempDir dir{"lumeno-calendar-ui"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
  app::TFrmmain main;
  main.show();
  QApplication::processEvents();
  std::vector<QDate> opened;
  recorders.ui.whileShown = [&](QDialog& d) {
    auto* w = qobject_cast<TFRM_Date*>(&d);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    opened.push_back(w->SelectedDate());
    w->UpDown1->setValue(2010);  // gone with this window
  };
  QAction* entry = lumeno::testing::MenuEntry(main.menuBar(), {u"工具(&G)"_s, u"万年历法"_s});
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  QPushButton* button = lumeno::testing::ButtonCaptioned(main, u"万年历法"_s);
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(recorders.ui.modalTitles, (std::vector<QString>{u"万年历"_s, u"万年历"_s}));
  EXPECT_EQ(opened, (std::vector<QDate>{QDate(2000, 2, 5), QDate(2000, 2, 5)}));
  EXPECT_TRUE(main.findChildren<TFRM_Date*>().isEmpty());  // each window is destroyed when it closes
}

}  // namespace
}  // namespace lumeno::calendar
