// The almanac window and the auspicious-day window through their real
// widgets, opened by the main window's commands, on the shipped databases.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/Unt_Main.h"
#include "core/qt/qtext.h"
#include "data/database.h"
#include "fortune/almanac.h"
#include "fortune/ui/TFormHuangdao.h"
#include "fortune/ui/TFormJiri.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {
namespace {

using lumeno::testing::ButtonCaptioned;
using lumeno::testing::MenuEntry;

template <class W>
std::vector<W*> OpenWindows() {
  std::vector<W*> out;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<W*>(w); window && window->isVisible()) out.push_back(window);
  return out;
}

void CloseAndDelete(QWidget* w) {
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList PaneLines(QPlainTextEdit* edit) { return edit->toPlainText().split(u'\n'); }

QStringList Lines(const std::vector<std::string>& gbk) {
  QStringList out;
  for (const std::string& l : gbk) out << GbkToQString(l);
  return out;
}

QString DayText(const QDate& d) { return d.toString(u"yyyy-MM-dd"_s); }

class AlmanacWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<app::TFrmmain>();
    main->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    // Deleting a window deletes the popups of its lists, which are top-level
    // widgets too: collect the windows first.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<TFormHuangdao*>(w) || qobject_cast<TFormJiri*>(w)) windows << w;
    for (const QPointer<QWidget>& w : windows) delete w.data();
    main.reset();
  }
  void Click(const QString& caption) {
    QPushButton* b = ButtonCaptioned(*main, caption);
    ASSERT_NE(b, nullptr) << caption.toStdString();
    b->click();
  }
  void Choose(const QStringList& path) {
    QAction* a = MenuEntry(main->menuBar(), path);
    ASSERT_NE(a, nullptr) << path.join(u" > "_s).toStdString();
    a->trigger();
  }

  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<app::TFrmmain> main;
};

TEST_F(AlmanacWindows, AlmanacOpensEmptyWithItsListsAndGlossary) {
  Choose({u"吉日(&D)"_s, u"黄道吉日"_s});
  const auto windows = OpenWindows<TFormHuangdao>();
  ASSERT_EQ(windows.size(), 1u);
  TFormHuangdao& w = *windows[0];
  EXPECT_EQ(w.windowTitle(), u"黄道吉日"_s);
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // The year list covers the table, 1901 to 2100; all three start empty.
  ASSERT_EQ(w.CbYear->count(), 200);
  EXPECT_EQ(w.CbYear->itemText(0), u"1901"_s);
  EXPECT_EQ(w.CbYear->itemText(199), u"2100"_s);
  EXPECT_EQ(w.CbMonth->count(), 12);
  EXPECT_EQ(w.CbMonth->itemText(0), u"01"_s);
  EXPECT_EQ(w.CbDay->count(), 31);
  EXPECT_EQ(w.CbDay->itemText(30), u"31"_s);
  for (QComboBox* box : {w.CbYear, w.CbMonth, w.CbDay}) {
    EXPECT_TRUE(box->isEditable());
    EXPECT_EQ(box->currentText(), QString());
  }
  EXPECT_EQ(w.LblOverview->text(), QString());
  EXPECT_EQ(w.MemoResult->toPlainText(), QString());
  EXPECT_EQ(PaneLines(w.MemoGlossary), Lines(AlmanacGlossaryLines()));
  QStringList titles;
  for (QGroupBox* g : w.findChildren<QGroupBox*>()) titles << g->title();
  EXPECT_EQ(titles, (QStringList{u"测算结果："_s, u"黄历名词解释："_s}));
  for (const QString& caption : {u"测算"_s, u"关闭"_s}) EXPECT_NE(ButtonCaptioned(w, caption), nullptr);
}

TEST_F(AlmanacWindows, LookUpShowsTheDayAndKeepsItWhenTheNextDayHasNoEntry) {
  TFormHuangdao* w = OpenAlmanacWindow(main.get());
  w->CbYear->setEditText(u"2012"_s);
  w->CbMonth->setEditText(u"5"_s);
  w->CbDay->setEditText(u"1"_s);
  ButtonCaptioned(*w, u"测算"_s)->click();
  EXPECT_EQ(w->LblOverview->text(), u"2012-5-1  农历四月十一 星期二 白虎黑道日 破日"_s);
  QStringList lines = PaneLines(w->MemoResult);
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[0], u"岁次:壬辰年 甲辰月 壬戌日"_s);
  EXPECT_EQ(lines[16], u"忌:嫁娶 开市"_s);

  // 2101 has no entry: nothing changes and nothing is said.
  w->CbYear->setEditText(u"2101"_s);
  QTest::keyClick(w->CbYear->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(w->LblOverview->text(), u"2012-5-1  农历四月十一 星期二 白虎黑道日 破日"_s);
  EXPECT_EQ(PaneLines(w->MemoResult), lines);
  EXPECT_TRUE(recorders.info.messages.empty());

  w->CbMonth->setEditText(QString());
  ButtonCaptioned(*w, u"测算"_s)->click();
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"请选择月!"});
  EXPECT_EQ(PaneLines(w->MemoResult), lines);
}

TEST_F(AlmanacWindows, EachAlmanacCommandOpensOneMoreWindowAndTodayShowsToday) {
  Choose({u"吉日(&D)"_s, u"黄道吉日"_s});
  Click(u"黄道吉日"_s);
  Click(u"本日吉日"_s);
  const auto windows = OpenWindows<TFormHuangdao>();
  ASSERT_EQ(windows.size(), 3u);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  int empty = 0;
  TFormHuangdao* today = nullptr;
  for (TFormHuangdao* w : windows) {
    if (w->LblOverview->text().isEmpty() && w->CbYear->currentText().isEmpty()) ++empty;
    else today = w;
  }
  EXPECT_EQ(empty, 2);
  ASSERT_NE(today, nullptr);
  const QDate now = QDate::currentDate();
  EXPECT_EQ(today->CbYear->currentText(), QString::number(now.year()));
  EXPECT_EQ(today->CbMonth->currentText().toInt(), now.month());
  EXPECT_EQ(today->CbDay->currentText().toInt(), now.day());
  EXPECT_TRUE(today->LblOverview->text().startsWith(DayText(now) + u"  农历"_s)) << today->LblOverview->text().toStdString();
  EXPECT_EQ(PaneLines(today->MemoResult).size(), 17);

  // Closing a window ends it; the others stay.
  QPointer<TFormHuangdao> closed = today;
  CloseAndDelete(today);
  EXPECT_TRUE(closed.isNull());
  EXPECT_EQ(OpenWindows<TFormHuangdao>().size(), 2u);
}

TEST_F(AlmanacWindows, EveryLuckyDayCommandOpensTheSearchOnItsActivityFromToday) {
  const QDate now = QDate::currentDate();
  for (const LuckyDayCommand& c : LuckyDayCommands) {
    const QString caption = GbkToQString(c.caption);
    for (bool fromMenu : {true, false}) {
      SCOPED_TRACE(caption.toStdString() + (fromMenu ? " (menu)" : " (button)"));
      if (fromMenu) Choose({u"吉日(&D)"_s, caption});
      else Click(caption);
      const auto windows = OpenWindows<TFormJiri>();
      ASSERT_EQ(windows.size(), 1u);
      TFormJiri& w = *windows[0];
      EXPECT_FALSE(w.isModal());
      EXPECT_EQ(w.Activity(), std::string(c.activity));
      EXPECT_EQ(w.DeFrom->date(), now);
      const std::vector<LuckyDay> expected = FindLuckyDays(
          data::ConnectionStringFor(data::DatabaseFile::VelBirth), std::string(c.activity),
          EncodeDate(now.year(), now.month(), now.day()), w.Span());
      EXPECT_FALSE(expected.empty()) << "a 吉日 command never opens on an empty list";
      ASSERT_EQ(w.LvDays->topLevelItemCount(), static_cast<int>(expected.size()));
      for (int i = 0; i < w.LvDays->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = w.LvDays->topLevelItem(i);
        EXPECT_EQ(item->text(0), GbkToQString(FormatDate(expected[static_cast<std::size_t>(i)].date)));
        EXPECT_EQ(item->text(5), GbkToQString(expected[static_cast<std::size_t>(i)].dayGod));
      }
      CloseAndDelete(&w);
    }
  }
}

TEST_F(AlmanacWindows, SearchWindowOffersEveryActivityAndOpensTheAlmanacOfADay) {
  Choose({u"吉日(&D)"_s, u"吉日查询"_s});
  auto windows = OpenWindows<TFormJiri>();
  ASSERT_EQ(windows.size(), 1u);
  TFormJiri* w = windows[0];
  EXPECT_EQ(w->windowTitle(), u"吉日查询"_s);
  EXPECT_EQ(w->Activity(), "");
  EXPECT_EQ(w->LvDays->topLevelItemCount(), 0);
  EXPECT_FALSE(w->LblSummary->text().isEmpty());

  // Every activity of the table, the fifteen of the commands first.
  const std::vector<std::string> all = AlmanacActivities(data::ConnectionStringFor(data::DatabaseFile::VelBirth));
  QStringList offered;
  for (int i = 0; i < w->CbActivity->count(); ++i)
    if (!w->CbActivity->itemText(i).isEmpty()) offered << w->CbActivity->itemText(i);
  ASSERT_EQ(offered.size(), static_cast<int>(all.size()));
  for (std::size_t i = 0; i < LuckyDayCommands.size(); ++i)
    EXPECT_EQ(offered[static_cast<int>(i)], GbkToQString(LuckyDayCommands[i].activity));
  QStringList sortedOffered = offered, sortedAll = Lines(all);
  sortedOffered.sort();
  sortedAll.sort();
  EXPECT_EQ(sortedOffered, sortedAll);

  // Choosing the activity, the day and the span lists the days at once.
  w->SetFrom(QDate(2026, 1, 1));
  w->SetSpan(30);
  ASSERT_TRUE(w->SetActivity("嫁娶"));
  ASSERT_GT(w->LvDays->topLevelItemCount(), 0);
  EXPECT_EQ(w->LvDays->topLevelItem(0)->text(0), u"2026-01-05"_s);
  EXPECT_TRUE(w->LblSummary->text().startsWith(u"2026-01-01至2026-01-30宜嫁娶的日子共"_s))
      << w->LblSummary->text().toStdString();
  const int in30 = w->LvDays->topLevelItemCount();
  w->SetSpan(90);
  EXPECT_GT(w->LvDays->topLevelItemCount(), in30);
  // 黄道 days stand out.
  for (int i = 0; i < w->LvDays->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = w->LvDays->topLevelItem(i);
    EXPECT_EQ(item->foreground(0).color() != w->LvDays->palette().text().color(), item->text(5).contains(u"黄道"_s))
        << item->text(0).toStdString();
  }

  // A double-click opens the almanac of that day, which outlives the search.
  QApplication::processEvents();
  QTreeWidgetItem* first = w->LvDays->topLevelItem(0);
  const QPoint at = w->LvDays->visualItemRect(first).center();
  QTest::mouseClick(w->LvDays->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(w->LvDays->viewport(), Qt::LeftButton, {}, at);
  const auto almanacs = OpenWindows<TFormHuangdao>();
  ASSERT_EQ(almanacs.size(), 1u);
  EXPECT_TRUE(almanacs[0]->LblOverview->text().startsWith(u"2026-01-05  农历冬月十七 星期一"_s))
      << almanacs[0]->LblOverview->text().toStdString();
  QPointer<TFormHuangdao> almanac = almanacs[0];
  CloseAndDelete(w);
  EXPECT_FALSE(almanac.isNull());
  EXPECT_TRUE(OpenWindows<TFormJiri>().empty());
}

}  // namespace
}  // namespace lumeno::fortune
