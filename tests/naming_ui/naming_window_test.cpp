// The naming window offscreen: its controls and defaults, the combination
// list following the fields, whole runs compared with what the engine gives
// for the same settings, stop and close during a run, copying, the
// double-click into the name analysis, the element balance of the birth
// chart and the main window's three ways in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/Unt_Main.h"
#include "core/qt/qtext.h"
#include "data/database.h"
#include "data/query.h"
#include "naming/candidate.h"
#include "naming/candidate_query.h"
#include "naming/ui/BaobeiMain.h"
#include "naming_fixture.h"
#include "numerology/ui/NameMain.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::naming {
namespace {

using lumeno::testing::MenuEntry;
using lumeno::testing::U;

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

QStringList Q(const std::vector<std::string>& gbk) {
  QStringList out;
  for (const std::string& s : gbk) out << GbkToQString(s);
  return out;
}

// What a run of these settings produces through the engine alone.
struct EngineRun : CandidateViews, CandidateReader {
  EngineRun(const NamingSettings& s, int threshold) : t(threshold), processor(*this, s.pickOn, t) {
    std::atomic<bool> running{true};
    data::Query query(data::OwnRorurozConnectionString());
    RunCandidateQueries(s, query, running, *this);
    processor.Finish();
  }
  void AddHighScore(const std::string& n) override { high.push_back(n); }
  void AddRow(const std::string& r) override { rows.push_back(r); }
  void ProcessCandidate(const std::string& n) override { processor.Process(n); }
  std::atomic<int> t;
  CandidateProcessor processor;
  std::vector<std::string> high, rows;
};

// Extra rows that make a run of 张 read about 18,000 names (40 more first and
// 40 more second characters, eight more entries of 10-6): long enough to be
// stopped or closed while it goes on. One entry of 10-6 reads 45 x 44 names.
std::vector<std::string> LongRunRows() {
  std::vector<std::string> rows = testing::NamingRows();
  int n = 0;
  for (int lead = 0xB0; lead <= 0xB3 && n < 80; ++lead) {
    for (int trail = 0xA2; trail <= 0xFE && n < 80; trail += 2, ++n) {
      const char zi[3] = {static_cast<char>(lead), static_cast<char>(trail), 0};
      rows.push_back(testing::WordRow(zi, zi, n % 2 ? 6 : 10, "木", 100 + n, 0, 1, 1, "1"));
    }
  }
  for (int score = 90; score < 98; ++score) rows.push_back(testing::ZhRow(11, 0, 10, 6, score, 12, 100 - score, "0"));
  return rows;
}

class NamingWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(testing::NamingRows()); }

  void Open(const std::vector<std::string>& rows) {
    window.reset();
    lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz, rows);
    window = std::make_unique<TFrmQiming>();
    window->show();
    QApplication::processEvents();
  }
  // Types a surname and leaves the field.
  void EnterSurname(const QString& surname) {
    window->Xing->setText(surname);
    window->XingExit();
  }
  void Start() { window->Button1->click(); }
  bool WaitForEnd(int ms = 20000) {
    return QTest::qWaitFor([&] { return !window->RunInProgress(); }, ms);
  }
  QStringList MemoLines() const {
    QString text = window->MemoSuccess->toPlainText();
    return text.isEmpty() ? QStringList{} : text.split(u'\n');
  }

  lumeno::testing::TempDir dir{"lumeno-naming-ui"};
  lumeno::testing::ScopedProgramDirectory program{dir.path()};
  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<TFrmQiming> window;
};

TEST_F(NamingWindowTest, ControlsAndTheirDefaults) {
  TFrmQiming& w = *window;
  EXPECT_TRUE(w.Xing->text().isEmpty());
  struct Box {
    const QComboBox* box;
    int count;
    QString first, last, current;
  } boxes[] = {
      {w.CBsex, 2, u"男"_s, u"女"_s, u"男"_s},
      {w.ComDate, 2, u"公历"_s, u"农历"_s, u"公历"_s},
      {w.SYear, 141, u"1900"_s, u"2040"_s, u"2010"_s},
      {w.SMonth, 12, u"01"_s, u"12"_s, u"01"_s},
      {w.Sday, 31, u"01"_s, u"31"_s, u"01"_s},
      {w.Shour, 24, u"子 0"_s, u"子 23"_s, u"子 0"_s},
      {w.CBFen, 60, u"00"_s, u"59"_s, u"01"_s},
      {w.CBXingshi, 2, u"双字名"_s, u"单字名"_s, u"双字名"_s},
      {w.CBdijizi, 2, u"第二字"_s, u"第三字"_s, u"第二字"_s},
      {w.CBCode, 1, u"电脑全自动"_s, u"电脑全自动"_s, u"电脑全自动"_s},
  };
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.box->objectName().toStdString());
    EXPECT_EQ(b.box->count(), b.count);
    EXPECT_EQ(b.box->itemText(0), b.first);
    EXPECT_EQ(b.box->itemText(b.box->count() - 1), b.last);
    EXPECT_EQ(b.box->currentText(), b.current);
  }
  EXPECT_EQ(w.Shour->itemText(11), u"午 11"_s);
  EXPECT_FALSE(w.CBsex->isEditable());
  EXPECT_TRUE(w.SYear->isEditable());
  EXPECT_EQ(w.CBzhishukongz->text(), u"第"_s);
  EXPECT_FALSE(w.CBzhishukongz->isChecked());
  EXPECT_TRUE(w.Gudingzi->text().isEmpty());
  EXPECT_TRUE(w.CBFeeXX->isChecked());
  EXPECT_EQ(w.ZuidiFee->text(), u"70"_s);
  EXPECT_TRUE(w.CBInitFee->isChecked());
  EXPECT_EQ(w.Sorcss->text(), u"77"_s);
  const QCheckBox* elements[] = {w.CBjin, w.CBMu, w.CBshui, w.CBhuo, w.CBTu};
  const QString names[] = {u"金"_s, u"木"_s, u"水"_s, u"火"_s, u"土"_s};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(elements[i]->text(), names[i]);
    EXPECT_FALSE(elements[i]->isChecked());
  }
  EXPECT_EQ(w.Button1->text(), u"马上起名"_s);
  EXPECT_EQ(w.Button3->text(), u"停止起名"_s);
  EXPECT_EQ(w.Button2->text(), u"关闭窗口"_s);
  EXPECT_EQ(w.Button4->text(), u"复制高分名字"_s);
  EXPECT_EQ(w.Tabs->tabText(0), u"高分名字(双击看详细分析)"_s);
  bool heading = false;
  for (QLabel* l : w.findChildren<QLabel*>()) heading = heading || l->text() == u"高分名字列表"_s;
  EXPECT_TRUE(heading);
  EXPECT_TRUE(w.MemoSuccess->isReadOnly());
  EXPECT_FALSE(w.BaziButton->toolTip().isEmpty());
  // Nothing clipped: every caption fits its control.
  for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
    if (!b->text().isEmpty()) {
      EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    }
  }
  for (QLabel* l : w.findChildren<QLabel*>()) {
    if (!l->text().isEmpty() && !l->wordWrap()) {
      EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
    }
  }
  // The surname field takes one or two Chinese characters only.
  w.Xing->clear();
  for (QChar ch : u"a张'欧阳"_s) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w.Xing, &press);
  }
  EXPECT_EQ(w.Xing->text(), u"张欧"_s);
}

TEST_F(NamingWindowTest, CombinationListFollowsTheFields) {
  TFrmQiming& w = *window;
  // Leaving the surname for another control builds the list.
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.Xing->setFocus();
  w.Xing->setText(u"张"_s);
  w.ZuidiFee->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(Items(w.CBCode), (QStringList{u"电脑全自动"_s, u"11|10-6(85分)"_s, u"11|10-9(83分)"_s,
                                          u"11|4-12(81分)"_s, u"11|10-12(78分)"_s}));
  EXPECT_EQ(w.CBCode->currentIndex(), 0);

  // 单字名: the fixed character is off and cleared, the list of kind 11.
  w.CBzhishukongz->setChecked(true);
  w.Gudingzi->setText(u"星"_s);
  w.CBXingshi->setCurrentIndex(1);
  w.CBXingshiClick();
  EXPECT_FALSE(w.CBzhishukongz->isChecked());
  EXPECT_FALSE(w.CBzhishukongz->isEnabled());
  EXPECT_FALSE(w.CBdijizi->isEnabled());
  EXPECT_TRUE(w.Gudingzi->text().isEmpty());
  EXPECT_EQ(Items(w.CBCode), (QStringList{u"电脑全自动"_s, u"11|10(88分)"_s, u"11|6(72分)"_s}));
  w.CBXingshi->setCurrentIndex(0);
  w.CBXingshiClick();
  EXPECT_TRUE(w.CBzhishukongz->isEnabled());
  EXPECT_TRUE(w.CBdijizi->isEnabled());

  // The minimum score: off, then a text that is no number becomes 70.
  w.CBFeeXX->click();
  EXPECT_EQ(w.CBCode->count(), 6);  // 65 points too
  w.CBFeeXX->click();
  w.ZuidiFee->setText(u"8x"_s);
  w.ZuidiFeeExit();
  EXPECT_EQ(w.ZuidiFee->text(), u"70"_s);
  EXPECT_EQ(w.CBCode->count(), 5);
  w.ZuidiFee->setText(u"80"_s);
  w.ZuidiFeeExit();
  EXPECT_EQ(w.CBCode->count(), 4);

  // A fixed third character of 9 strokes.
  w.ZuidiFee->setText(u"70"_s);
  w.CBzhishukongz->setChecked(true);
  w.CBdijizi->setCurrentIndex(1);
  w.Gudingzi->setText(u"星"_s);
  w.GudingziExit();
  EXPECT_EQ(Items(w.CBCode), (QStringList{u"电脑全自动"_s, u"11|10-9(83分)"_s}));

  // An empty surname leaves the list as it was.
  w.Xing->setText(u"  "_s);
  w.XingExit();
  EXPECT_EQ(w.CBCode->count(), 2);
  EXPECT_TRUE(recorders.info.messages.empty());

  // The pick threshold: a text that is no number becomes 95; empty stays.
  w.Sorcss->setText(u"x"_s);
  w.SorcssExit();
  EXPECT_EQ(w.Sorcss->text(), u"95"_s);
  w.Sorcss->clear();
  w.SorcssExit();
  EXPECT_TRUE(w.Sorcss->text().isEmpty());
}

TEST_F(NamingWindowTest, RunFillsBothViewsAsTheEngineDoes) {
  struct Case {
    const char* what;
    std::function<void(TFrmQiming&)> set;
  } cases[] = {
      {"automatic", [](TFrmQiming&) {}},
      {"one combination, girl", [](TFrmQiming& w) {
         w.CBsex->setCurrentIndex(1);
         w.CBCode->setCurrentIndex(1);
       }},
      {"fixed third character, threshold 84",
       [](TFrmQiming& w) {
         w.CBzhishukongz->setChecked(true);
         w.CBdijizi->setCurrentIndex(1);
         w.Gudingzi->setText(u"星"_s);
         w.GudingziExit();
         w.Sorcss->setText(u"84"_s);
       }},
      {"no pick, element 火", [](TFrmQiming& w) {
         w.CBInitFee->setChecked(false);
         w.CBhuo->setChecked(true);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Open(testing::NamingRows());
    EnterSurname(u"张"_s);
    c.set(*window);
    const NamingSettings settings = window->Settings();
    QSignalSpy finished(window.get(), &TFrmQiming::RunFinished);
    Start();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(finished.count(), 1);
    const EngineRun engine(settings, *PickThresholdOf(settings.pickThreshold));
    ASSERT_FALSE(engine.rows.empty());
    EXPECT_EQ(MemoLines(), Q(engine.rows));
    EXPECT_EQ(Items(window->ListBox1), Q(engine.high));
    EXPECT_TRUE(window->StatusLine->text().startsWith(u"起名完成"_s)) << window->StatusLine->text().toStdString();
  }
}

// A surname typed and sent with Enter, or a field edited and then 马上起名
// pressed from the keyboard, was never left: the run still reads the
// combinations of what the fields hold.
TEST_F(NamingWindowTest, RunUsesTheFieldsAsTypedEvenWhenNeverLeft) {
  TFrmQiming& w = *window;
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.Xing->setFocus();
  w.Xing->insert(u"张"_s);  // as an input method commits it
  QTest::keyClick(w.Xing, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.ListBox1->count() > 0 || !w.MemoSuccess->toPlainText().isEmpty(); },
                              20000))
      << w.StatusLine->text().toStdString();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(w.CBCode->count(), 5);

  // A minimum score typed and never left counts too.
  w.ZuidiFee->setFocus();
  w.ZuidiFee->setText(u"80"_s);
  QTest::keyClick(w.ZuidiFee, Qt::Key_Return);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(w.CBCode->count(), 4);
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(NamingWindowTest, LastRowOfFewerThanSixIsShown) {
  // Entry 10-6 reads 20 names: three full rows and two names in the fourth.
  EnterSurname(u"张"_s);
  window->CBCode->setCurrentIndex(1);  // 11|10-6(85分)
  Start();
  ASSERT_TRUE(WaitForEnd());
  const QStringList lines = MemoLines();
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0].size(), 6 * 12);  // six names of 12 bytes, each padded with 4 blanks
  EXPECT_EQ(lines[3], u"张峰光(85分)    张峰冰(85分)    "_s);
  EXPECT_EQ(window->ListBox1->count(), 20);
  EXPECT_EQ(window->StatusLine->text(), u"起名完成：共20个名字，其中高分名字20个。"_s);
}

TEST_F(NamingWindowTest, StartNeedsASurnameAndAUsableFixedCharacter) {
  Start();
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"姓不能为空!"});
  EXPECT_FALSE(window->RunInProgress());

  recorders.info.messages.clear();
  EnterSurname(u"张"_s);
  window->CBzhishukongz->setChecked(true);
  Start();  // the box is checked but holds no character
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{kFixedCharacterMessage});
  window->Gudingzi->setText(u"，"_s);  // a double-byte symbol is no character of a name
  window->GudingziExit();
  EXPECT_EQ(recorders.info.messages.size(), 2u);
  EXPECT_FALSE(window->RunInProgress());
  EXPECT_TRUE(MemoLines().isEmpty());
}

TEST_F(NamingWindowTest, AutomaticRunWithoutCombinationsReadsNothing) {
  EnterSurname(u"王"_s);  // not in the fixture: no combination
  EXPECT_EQ(window->CBCode->count(), 1);
  Start();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(MemoLines().isEmpty());
  EXPECT_EQ(window->ListBox1->count(), 0);
  EXPECT_TRUE(window->StatusLine->text().startsWith(u"没有符合条件的笔画组合"_s));
}

TEST_F(NamingWindowTest, StopDuringARunRestsTheButtonWithoutFreezing) {
  Open(LongRunRows());
  EnterSurname(u"张"_s);
  Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->ListBox1->count() > 0; }, 20000));
  window->Button3->click();
  EXPECT_FALSE(window->Button3->isEnabled());
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(window->StatusLine->text().startsWith(u"已停止起名"_s)) << window->StatusLine->text().toStdString();
  EXPECT_LT(window->ListBox1->count(), 9 * 45 * 44);
  // The window keeps working while the button rests, and it comes back.
  bool ticked = false;
  QTimer::singleShot(0, [&] { ticked = true; });
  QApplication::processEvents();
  EXPECT_TRUE(ticked);
  EXPECT_FALSE(window->Button3->isEnabled());
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->Button3->isEnabled(); }, TFrmQiming::kStopPauseMs + 3000));
  // A new run starts afresh.
  window->CBCode->setCurrentIndex(1);
  Start();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(window->StatusLine->text().startsWith(u"起名完成"_s));
  EXPECT_EQ(window->ListBox1->count(), 45 * 44);
}

TEST_F(NamingWindowTest, CloseDuringARunStopsAndWaitsForTheWorker) {
  Open(LongRunRows());
  EnterSurname(u"张"_s);
  Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->ListBox1->count() > 0; }, 20000));
  window->Button2->click();  // 关闭窗口
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->RunInProgress());
  // Batches still queued for the window are dropped with it.
  window.reset();
  QApplication::processEvents();

  // Starting again while a run goes on ends the first run first.
  Open(LongRunRows());
  EnterSurname(u"张"_s);
  Start();
  Start();
  window->CBCode->setCurrentIndex(1);
  Start();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(window->ListBox1->count(), 45 * 44);  // only the last run's names
  window.reset();
}

TEST_F(NamingWindowTest, CopyPutsTheHighScoreNamesOnTheClipboard) {
  QGuiApplication::clipboard()->setText(u"before"_s);
  window->Button4->click();
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"高分名字列表还是空的，没有名字可以复制。"});
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"before"_s);

  recorders.info.messages.clear();
  EnterSurname(u"张"_s);
  window->CBCode->setCurrentIndex(4);  // 11|10-12(78分): five names, all below 80
  window->Sorcss->setText(u"78"_s);
  Start();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_EQ(window->ListBox1->count(), 5);
  window->Button4->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            u"张浩晴(78分)\r\n张泰晴(78分)\r\n张晋晴(78分)\r\n张朗晴(78分)\r\n张峰晴(78分)\r\n"_s);
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"复制成功！"});
}

TEST_F(NamingWindowTest, DoubleClickOpensTheNameAnalysisWithTheInputs) {
  EnterSurname(u"张"_s);
  window->CBCode->setCurrentIndex(1);
  window->CBsex->setCurrentIndex(1);
  window->ComDate->setCurrentIndex(1);
  window->SYear->setEditText(u"1999"_s);
  window->SMonth->setEditText(u"11"_s);
  window->Sday->setEditText(u"25"_s);
  window->Shour->setEditText(u"辰 8"_s);
  window->CBFen->setEditText(u"30"_s);
  Start();
  ASSERT_TRUE(WaitForEnd());

  // Nothing selected: nothing happens.
  window->ListBox1DblClick();
  EXPECT_TRUE(recorders.ui.modalTitles.empty());

  std::vector<QString> seen;
  recorders.ui.whileShown = [&](QDialog& d) {
    auto* a = qobject_cast<numerology::TFrmNameMain*>(&d);
    ASSERT_NE(a, nullptr);
    seen = {a->NameA->text(), a->NameB->text(), a->Sex->currentText(), a->ComDate->currentText(),
            a->SYear->currentText(), a->SMonth->currentText(), a->Sday->currentText(), a->Shour->currentText(),
            a->CBFen->currentText()};
  };
  // The surname of the run counts, whatever the field holds now.
  window->Xing->setText(u"欧阳"_s);
  QListWidgetItem* item = window->ListBox1->item(1);
  window->ListBox1->setCurrentItem(item);
  const QRect r = window->ListBox1->visualItemRect(item);
  QTest::mouseClick(window->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
  QTest::mouseDClick(window->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
  ASSERT_EQ(recorders.ui.modalTitles, std::vector<QString>{u"姓名分析"_s});
  const QString name = item->text();
  EXPECT_EQ(seen, (std::vector<QString>{u"张"_s, name.mid(1, 2), u"女"_s, u"农历"_s, u"1999"_s, u"11"_s, u"25"_s,
                                        u"辰 8"_s, u"30"_s}));
}

TEST_F(NamingWindowTest, SelectedNameShowsItsDetails) {
  Open([] {
    std::vector<std::string> rows = testing::NamingRows();
    rows.push_back(GbkToUtf8("UPDATE word SET pinyin = 'hào', gloss = '水势浩大，寓意胸襟开阔' WHERE zi = '浩'"));
    return rows;
  }());
  EnterSurname(u"张"_s);
  window->CBCode->setCurrentIndex(1);
  Start();
  ASSERT_TRUE(WaitForEnd());
  window->ListBox1->setCurrentRow(0);  // 张浩宇(85分)
  EXPECT_EQ(window->DetailLabel->text(),
            u"浩 hào：水势浩大，寓意胸襟开阔\n宇\n天格12 人格21 地格16 总格27 外格7\n三才木木土　综合评分85分"_s);
}

TEST_F(NamingWindowTest, ElementsFromTheBirthChart) {
  lumeno::testing::CreateFixtureDatabase(
      dir.path(), data::DatabaseFile::Tgcode,
      {GbkToUtf8("INSERT INTO hzwh VALUES ('甲乙寅卯', '木'), ('丙丁巳午', '火'), ('戊己辰戌丑未', '土'), "
                 "('庚辛申酉', '金'), ('壬癸亥子', '水')")});
  TFrmQiming& w = *window;
  w.CBshui->setChecked(true);  // replaced by what the chart wants
  w.SYear->setEditText(u"2000"_s);
  w.BaziButton->click();
  EXPECT_EQ(w.ElementLine->text(), u"八字五行：金0 木1 水3 火2 土2，缺金"_s);
  EXPECT_TRUE(w.CBjin->isChecked());
  EXPECT_FALSE(w.CBshui->isChecked());
  EXPECT_FALSE(w.CBMu->isChecked());

  w.SYear->setEditText(QString());
  w.BaziButton->click();
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"请选择出生年!"});
  EXPECT_EQ(w.ElementLine->text(), u"八字五行：金0 木1 水3 火2 土2，缺金"_s);
}

TEST(NamingCommands, EachEntryOpensANewWindowWithItsDefaults) {
  lumeno::testing::TempDir dir("lumeno-naming-main");
  lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz, testing::NamingRows());
  lumeno::testing::ScopedProgramDirectory program(dir.path());
  lumeno::testing::UiRecorders recorders;
  app::TFrmmain main;
  main.show();
  std::vector<const QDialog*> windows;
  recorders.ui.whileShown = [&](QDialog& d) {
    auto* w = qobject_cast<TFrmQiming*>(&d);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Xing->text().isEmpty());  // the defaults, whatever the previous one held
    w->Xing->setText(u"张"_s);
    windows.push_back(w);
  };
  MenuEntry(main.menuBar(), {u"起名(&Q)"_s, u"起名宝典"_s})->trigger();
  MenuEntry(main.menuBar(), {u"起名(&Q)"_s, u"姓名评分"_s})->trigger();
  lumeno::testing::ButtonCaptioned(main, u"马上起名"_s)->click();
  EXPECT_EQ(recorders.ui.modalTitles, (std::vector<QString>(3, u"起名宝典"_s)));
  EXPECT_EQ(windows.size(), 3u);
}

}  // namespace
}  // namespace lumeno::naming
