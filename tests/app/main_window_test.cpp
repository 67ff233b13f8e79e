// The main window through its real widgets: start-up state, menus and panels,
// the name analysis and three-talent commands, the file commands, the name
// fields' key filter, the command runner and the end of the application.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Unt_Main.h"
#include "app/command_runner.h"
#include "core/error.h"
#include "app/report_text.h"
#include "core/qt/qtext.h"
#include "numerology/name_report.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

using lumeno::testing::ButtonCaptioned;
using lumeno::testing::MenuEntry;
using lumeno::testing::U;
using lumeno::testing::Utf8Lines;

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lumeno::testing::CreateReportDatabases(dir.path());
    window = std::make_unique<TFrmmain>();
    window->show();
    QApplication::processEvents();
  }

  void Click(const QString& caption) {
    QPushButton* b = ButtonCaptioned(*window, caption);
    ASSERT_NE(b, nullptr) << caption.toStdString();
    b->click();
  }
  void Choose(const QStringList& path) {
    QAction* a = MenuEntry(window->menuBar(), path);
    ASSERT_NE(a, nullptr) << path.join(u" > "_s).toStdString();
    a->trigger();
  }
  void EnterBirth(const QString& surname, const QString& given, const QString& year, const QString& month,
                  const QString& day, const QString& hour = u"子 0"_s, int calendar = 0) {
    window->NameA->setText(surname);
    window->NameB->setText(given);
    window->ComDate->setCurrentIndex(calendar);
    window->SYear->setEditText(year);
    window->SMonth->setEditText(month);
    window->Sday->setEditText(day);
    window->Shour->setEditText(hour);
  }
  std::vector<std::string> PaneLines() { return Utf8Lines(window->OutputPane().Lines()); }
  // What the report logic writes for the window's present inputs.
  std::vector<std::string> ExpectedReport() {
    numerology::AnalysisState state;
    MemoryPane pane;
    data::Query query(data::ConnectionStringFor(data::DatabaseFile::VelFile));
    numerology::RunNameAnalysis(window->NameInputs(), state, pane, QDate::currentDate().year(), false, query);
    return Utf8Lines(pane.lines);
  }

  lumeno::testing::TempDir dir{"lumeno-app"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<TFrmmain> window;
};

TEST_F(MainWindowTest, StartsWithItsInputsAndAHiddenPane) {
  EXPECT_TRUE(window->windowTitle().startsWith(u"Lumeno "_s));
  EXPECT_EQ(window->size(), QSize(800, 600));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window->font().pixelSize(), 12);
  EXPECT_FALSE(window->RzMemo1->isVisible());
  EXPECT_TRUE(window->RzMemo1->isReadOnly());
  EXPECT_EQ(window->focusWidget(), window->NameA);
  EXPECT_EQ(window->RzMemo1->palette().color(QPalette::Base), QColor(0xF6, 0xFF, 0xEE));

  struct Combo {
    QComboBox* box;
    int count;
    QString first, last, shown;
  } combos[] = {
      {window->Sex, 2, u"男"_s, u"女"_s, u"男"_s},
      {window->ComDate, 2, u"公历"_s, u"农历"_s, u"公历"_s},
      {window->SYear, 201, u"1900"_s, u"2100"_s, u"1980"_s},  // a newborn's year can be chosen
      {window->SMonth, 12, u"1"_s, u"12"_s, u"1"_s},
      {window->Sday, 31, u"1"_s, u"31"_s, u"1"_s},
      {window->Shour, 24, u"子 0"_s, u"子 23"_s, u"子 0"_s},
      {window->CBFen, 60, u"0"_s, u"59"_s, u"0"_s},
  };
  for (const Combo& c : combos) {
    SCOPED_TRACE(c.box->objectName().toStdString());
    EXPECT_TRUE(c.box->isEditable());
    EXPECT_EQ(c.box->count(), c.count);
    EXPECT_EQ(c.box->itemText(0), c.first);
    EXPECT_EQ(c.box->itemText(c.count - 1), c.last);
    EXPECT_EQ(c.box->currentText(), c.shown);
  }
  EXPECT_EQ(window->Shour->itemText(10), u"巳 10"_s);
  EXPECT_EQ(window->CalendarIndex(), 0);
  window->ComDate->setEditText(u"阴历"_s);
  EXPECT_EQ(window->CalendarIndex(), -1);
}

TEST_F(MainWindowTest, MenusAndPanelsHoldEveryEntryInOrder) {
  struct Menu {
    QString title;
    QStringList entries;  // "-" separator, "[x]" hidden entry x, "x >" submenu
  } menus[] = {
      {u"系统(&S)"_s,
       {u"新建测算"_s, u"打开记录..."_s, u"-"_s, u"保存测算"_s, u"另存测算"_s, u"-"_s, u"打印设置..."_s,
        u"打印结果"_s, u"[更多查询]"_s, u"退出系统"_s}},
      {u"起名(&Q)"_s, (u"姓名原理 姓氏起源 起名宝典 姓名分析 姓名评分 三才吉凶 起名常用汉字繁体字 姓名与命运 "
                              u"姓名与性格 五行与数字 五格剖象法 数理暗示因素 81数理运势诱导 姓名字划计算方法 "
                              u"天人地格三才配置 吉祥名字重要性 [姓名学知识与取名] 取名规则 企业取名规则 取笔名规则 "
                              u"取艺名规则"_s)
                          .split(u' ')},
      {u"配对(&P)"_s, (u"缘分测试 星座配对 生肖配对 血型配对 QQ缘分配对"_s).split(u' ')},
      {u"吉日(&D)"_s, (u"黄道吉日 吉日查询 开市吉日 交易吉日 嫁娶吉日 入宅吉日 入学吉日 纳财吉日 订盟吉日 "
                              u"安门吉日 出行吉日 开光吉日 求嗣吉日 祈福吉日 破土吉日 祭祀吉日 安葬吉日"_s)
                          .split(u' ')},
      {u"解梦(&M)"_s, {u"周公解析"_s, u"解梦全书"_s}},
      {u"占卜(&B)"_s,
       (u"打喷嚏占卜 面热测占卜 心惊测占卜 犬吠测占卜 眼跳测占卜 耳热测占卜 耳鸣测占卜"_s).split(u' ')},
      {u"工具(&G)"_s, (u"手机号码分析 QQ号码分析 更多数字分析 网名分析 生男生女 万年历法"_s).split(u' ')},
      {u"造命(&Z)"_s, (u"八字与姓名> 命自我立 三世因果经 心命歌 太上感应篇 孝经 孝悌歌 孝顺歌 亲恩歌 孝道良心歌 "
                              u"闺训千字文 孔子与小儿论 朱子治家格言 百忍歌"_s)
                          .split(u' ')},
      {u"服务(&V)"_s, {u"客户服务"_s, u"给我们发邮件"_s, u"与QQ对话"_s, u"其他产品>"_s}},
      {u"帮助(&H)"_s, {u"公司主页"_s, u"关于系统"_s, u"软件升级"_s}},
  };
  QList<QAction*> bar = window->menuBar()->actions();
  ASSERT_EQ(bar.size(), 10);
  for (int m = 0; m < 10; ++m) {
    SCOPED_TRACE(menus[m].title.toStdString());
    EXPECT_EQ(bar[m]->text(), menus[m].title);
    QStringList seen;
    for (QAction* a : bar[m]->menu()->actions()) {
      if (a->isSeparator()) seen << u"-"_s;
      else if (a->menu()) seen << a->text() + u">"_s;
      else if (!a->isVisible()) seen << u"["_s + a->text() + u"]"_s;
      else seen << a->text();
    }
    EXPECT_EQ(seen, menus[m].entries);
  }
  QStringList baziAndName;
  for (QAction* a : MenuEntry(window->menuBar(), {u"造命(&Z)"_s, u"八字与姓名"_s})->menu()->actions())
    baziAndName << a->text();
  EXPECT_EQ(baziAndName, (u"姓名原理 八字与起名的重要性 吉祥宝宝起名方法 择日生子（仅参考）"_s).split(u' '));

  struct Panel {
    const char16_t* name;
    QString buttons;
  } panels[] = {
      {u"UpperPanel", u"马上起名 八字分析 姓名详解 起英文名 文字五行 起小名 联系QQ"_s},
      {u"BottomPanel", u"打印 保存 退出 官方网站 人工起名"_s},
      {u"SidePanel", u"周公解析 解梦全书 打喷嚏占卜 面热测占卜 心惊测占卜 犬吠测占卜 眼跳测占卜 耳热测占卜 耳鸣测占卜 "
                     u"手机分析 QQ号码分析 数字分析 网名分析 生男生女 万年历法 黄道吉日 本日吉日 开市吉日 交易吉日 "
                     u"嫁娶吉日 入宅吉日 入学吉日 纳财吉日 订盟吉日 安门吉日 出行吉日 开光吉日 求嗣吉日 祈福吉日 "
                     u"破土吉日 祭祀吉日 安葬吉日"_s},
  };
  for (const Panel& p : panels) {
    QWidget* panel = window->findChild<QWidget*>(QString::fromUtf16(p.name));
    ASSERT_NE(panel, nullptr);
    QStringList captions;
    for (QPushButton* b : panel->findChildren<QPushButton*>()) {
      captions << b->text();
      // Nothing clipped: every caption fits its button.
      EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 8, b->width()) << b->text().toStdString();
      EXPECT_TRUE(panel->rect().contains(QRect(b->mapTo(panel, QPoint(0, 0)), b->size()))) << b->text().toStdString();
    }
    EXPECT_EQ(captions, p.buttons.split(u' ')) << QString::fromUtf16(p.name).toStdString();
  }
}

TEST_F(MainWindowTest, ValidationStopsAtTheFirstEmptyInput) {
  struct Case {
    QString surname, given, year, month, day, hour;
    const char* message;
  } cases[] = {
      {u""_s, u""_s, u"1980"_s, u"1"_s, u"1"_s, u"子 0"_s, "姓不能为空!"},
      {u"张"_s, u""_s, u""_s, u""_s, u""_s, u""_s, "名不能为空!"},
      {u"张"_s, u"三"_s, u" "_s, u"1"_s, u"1"_s, u"子 0"_s, "请选择出生年!"},
      {u"张"_s, u"三"_s, u"1980"_s, u""_s, u"1"_s, u"子 0"_s, "请选择出生月!"},
      {u"张"_s, u"三"_s, u"1980"_s, u"1"_s, u""_s, u"子 0"_s, "请选择出生日!"},
      {u"张"_s, u"三"_s, u"1980"_s, u"1"_s, u"1"_s, u"  "_s, "请选择出生小时!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    recorders.info.messages.clear();
    EnterBirth(c.surname, c.given, c.year, c.month, c.day, c.hour);
    Click(u"姓名详解"_s);
    EXPECT_EQ(recorders.info.messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(window->OutputPane().Lines().empty());
    EXPECT_FALSE(window->RzMemo1->isVisible());
  }
}

TEST_F(MainWindowTest, NameAnalysisWritesTheReportAndShowsItsTop) {
  EnterBirth(u"张"_s, u"三"_s, u"1980"_s, u"1"_s, u"1"_s);
  Click(u"姓名详解"_s);
  const std::vector<std::string> lines = PaneLines();
  EXPECT_EQ(lines, ExpectedReport());
  ASSERT_GE(lines.size(), 30u);
  const int age = QDate::currentDate().year() - 1980;
  EXPECT_EQ(lines[0], U("张三,您今年:" + std::to_string(age) + "岁"));
  EXPECT_EQ(lines[1], U("您出生公历: 1980年01月01日0点0分"));
  EXPECT_EQ(lines[6], U("<-----------------------名字分析内容分隔线----------------------------->"));
  EXPECT_EQ(lines[7], U("【天格12的解析】：天格数是先祖留传下来的，其数理对人影响不大。"));
  EXPECT_EQ(lines[8], U("数理读法12（凶）"));
  EXPECT_EQ(lines[18], U("【三才数理分析】：您的姓名三才配置为：木火火。它具有如下数理诱导力，据此会对人生产生一定的影响。"));
  EXPECT_EQ(lines[19], U("木火相生"));
  EXPECT_EQ(lines.back(), "");
  EXPECT_TRUE(window->RzMemo1->isVisible());
  EXPECT_EQ(window->RzMemo1->textCursor().position(), 0);
  EXPECT_EQ(window->RzMemo1->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(recorders.info.messages.empty());
  EXPECT_EQ(window->State().dateText, "1980-1-1");
  EXPECT_EQ(window->State().hourText, "子 0");

  // The menu entry is the same command.
  window->OutputPane().ClearPane();
  Choose({u"起名(&Q)"_s, u"姓名分析"_s});
  EXPECT_EQ(PaneLines(), lines);
}

TEST_F(MainWindowTest, LunarInputIsConvertedBeforeTheDateLine) {
  EnterBirth(u"张"_s, u"三"_s, u"1980"_s, u"1"_s, u"5"_s, u"子 23"_s, /*calendar=*/1);
  window->CBFen->setEditText(u"7"_s);
  Click(u"姓名详解"_s);
  const std::vector<std::string> lines = PaneLines();
  ASSERT_GE(lines.size(), 3u);
  // Lunar 1980, month 1, day 5 is 1980-02-20.
  EXPECT_EQ(lines[1], U("您出生公历: 1980年02月20日23点7分"));
  EXPECT_EQ(window->State().dateText, "1980-02-20");
  EXPECT_EQ(window->State().month, "02");
  EXPECT_EQ(window->State().day, "20");
  EXPECT_EQ(lines, ExpectedReport());
}

TEST_F(MainWindowTest, ThreeTalentsNeedsAFormerReport) {
  const std::string record = dir.path() + "/record.txt";
  WriteBytes(record, "甲\r\n乙\r\n");
  recorders.ui.openChoice = QString::fromStdString(record);
  Choose({u"系统(&S)"_s, u"打开记录..."_s});
  Choose({u"起名(&Q)"_s, u"三才吉凶"_s});
  EXPECT_EQ(PaneLines(), U({"甲", "乙"}));
  EXPECT_FALSE(window->RzMemo1->isVisible());

  EnterBirth(u"张"_s, u"三"_s, u"1980"_s, u"1"_s, u"1"_s);
  Click(u"姓名详解"_s);
  // It reads the names of the last report, not the inputs.
  window->NameA->setText(u"李"_s);
  Choose({u"起名(&Q)"_s, u"三才吉凶"_s});
  EXPECT_EQ(PaneLines(), U({"张三,您的三才为木火火,经系统分析如下:", "", "", "    木火通明，顺风顺水。"}));
}

TEST_F(MainWindowTest, NewReckoningClearsPaneAndNamesOnly) {
  EnterBirth(u"张"_s, u"三"_s, u"1990"_s, u"6"_s, u"15"_s, u"午 12"_s);
  window->CBFen->setEditText(u"30"_s);
  Click(u"姓名详解"_s);
  ASSERT_FALSE(window->OutputPane().Lines().empty());
  window->NameB->setFocus();
  Choose({u"系统(&S)"_s, u"新建测算"_s});
  EXPECT_TRUE(window->OutputPane().Lines().empty());
  EXPECT_TRUE(window->RzMemo1->toPlainText().isEmpty());
  EXPECT_EQ(window->NameA->text(), u""_s);
  EXPECT_EQ(window->NameB->text(), u""_s);
  EXPECT_EQ(window->focusWidget(), window->NameA);
  EXPECT_EQ(window->SYear->currentText(), u"1990"_s);
  EXPECT_EQ(window->SMonth->currentText(), u"6"_s);
  EXPECT_EQ(window->Sday->currentText(), u"15"_s);
  EXPECT_EQ(window->Shour->currentText(), u"午 12"_s);
  EXPECT_EQ(window->CBFen->currentText(), u"30"_s);
  EXPECT_TRUE(window->RzMemo1->isVisible());
  EXPECT_EQ(window->State().surname, "张");
}

TEST_F(MainWindowTest, NameFieldsTakeTwoDoubleByteCharactersOnly) {
  QLineEdit* name = window->NameA;
  auto type = [&](const QString& text) {
    for (QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(name, &press);
    }
  };
  auto commit = [&](const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(name, &event);
  };
  auto paste = [&](const QString& text) {
    QApplication::clipboard()->setText(text);
    name->paste();
  };
  struct Case {
    const char* what;
    QString before;
    std::function<void()> action;
    QString after;
  } cases[] = {
      {"Latin letters and digits typed", u""_s, [&] { QTest::keyClicks(name, "ab1 .Z"); }, u""_s},
      {"a Chinese character typed", u""_s, [&] { type(u"张"_s); }, u"张"_s},
      {"a third character typed", u"欧阳"_s, [&] { type(u"修"_s); }, u"欧阳"_s},
      {"two characters from an input method", u""_s, [&] { commit(u"司马"_s); }, u"司马"_s},
      {"three characters from an input method", u""_s, [&] { commit(u"诸葛亮"_s); }, u"诸葛"_s},
      {"mixed text from an input method", u""_s, [&] { commit(u"A王b"_s); }, u"王"_s},
      {"pasted text, letters dropped and cut at four bytes", u""_s, [&] { paste(u"x李 四五"_s); }, u"李四"_s},
      {"pasted into a full field", u"张三"_s, [&] { paste(u"王"_s); }, u"张三"_s},
      {"full-width letters are double-byte", u""_s, [&] { type(u"Ａ"_s); }, u"Ａ"_s},
      {"a character GBK lacks", u""_s, [&] { commit(QString::fromUcs4(U"\U0001F600")); }, u""_s},
      {"backspace", u"张三"_s, [&] { QTest::keyClick(name, Qt::Key_Backspace); }, u"张"_s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    name->setText(c.before);
    name->setFocus();
    name->end(false);
    c.action();
    EXPECT_EQ(name->text(), c.after);
  }
}

TEST_F(MainWindowTest, OpenRecordLoadsGbkLinesIntoTheHiddenPane) {
  const std::string record = dir.path() + "/record.txt";
  WriteBytes(record, std::string("第一行\r\n") + "\r\n" + "第三行 with text\n" + "末行");
  recorders.ui.openChoice = QString::fromStdString(record);
  Choose({u"系统(&S)"_s, u"打开记录..."_s});
  EXPECT_EQ(PaneLines(), U({"第一行", "", "第三行 with text", "末行"}));
  EXPECT_FALSE(window->RzMemo1->isVisible());
  EXPECT_EQ(window->RzMemo1->toPlainText(), u"第一行\n\n第三行 with text\n末行"_s);

  // A file that cannot be read clears the pane silently; a cancel keeps it.
  recorders.ui.openChoice = QString::fromStdString(dir.path());  // a folder
  Choose({u"系统(&S)"_s, u"打开记录..."_s});
  EXPECT_TRUE(window->OutputPane().Lines().empty());
  WriteBytes(record, "留下");
  recorders.ui.openChoice = QString::fromStdString(record);
  Choose({u"系统(&S)"_s, u"打开记录..."_s});
  recorders.ui.openChoice.reset();
  Choose({u"系统(&S)"_s, u"打开记录..."_s});
  EXPECT_EQ(PaneLines(), U({"留下"}));
  recorders.ui.openChoice = QString::fromStdString(dir.path() + "/missing.txt");
  Choose({u"系统(&S)"_s, u"打开记录..."_s});
  EXPECT_TRUE(window->OutputPane().Lines().empty());
  EXPECT_EQ(recorders.ui.openRequests, 5);
  EXPECT_TRUE(recorders.ui.errors.empty());
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(MainWindowTest, TypedDatesThatDoNotExistAreToldAndCancelsAreSilent) {
  // A date or hour typed into the lists that is none is an input message
  // in words for the user, not the general error box.
  struct Case {
    const char16_t *year, *month, *day, *hour;
    const char* message;
  } cases[] = {
      {u"1980", u"2", u"30", u"子 0", "出生日期“1980-2-30”不存在，请检查年、月、日!"},
      {u"1980", u"二", u"1", u"子 0", "出生日期“1980-二-1”不存在，请检查年、月、日!"},
  };
  for (const Case& c : cases) {
    recorders.info.messages.clear();
    EnterBirth(u"张"_s, u"三"_s, QString::fromUtf16(c.year), QString::fromUtf16(c.month), QString::fromUtf16(c.day));
    window->Shour->setEditText(QString::fromUtf16(c.hour));
    Click(u"姓名详解"_s);
    EXPECT_TRUE(recorders.ui.errors.empty());
    EXPECT_EQ(Utf8Lines(recorders.info.messages), U({c.message}));
    EXPECT_TRUE(window->OutputPane().Lines().empty());
    EXPECT_FALSE(window->RzMemo1->isVisible());
  }
  recorders.info.messages.clear();
  EnterBirth(u"张"_s, u"三"_s, u"1984"_s, u"2"_s, u"4"_s);
  window->Shour->setEditText(u"正午"_s);
  Click(u"八字分析"_s);
  EXPECT_TRUE(recorders.ui.errors.empty());
  EXPECT_EQ(Utf8Lines(recorders.info.messages), U({"时辰“正午”无效，请选择0到23点中的一个时辰!"}));
  window->Shour->setEditText(u"子 0"_s);

  // Any other error still reaches the general error box.
  recorders.info.messages.clear();
  RunCommand(window.get(), [] { throw GeneralError("disk on fire"); });
  EXPECT_EQ(recorders.ui.errors, std::vector<QString>{u"disk on fire"_s});
  EXPECT_TRUE(recorders.info.messages.empty());

  // Without its number readings the report stops silently at the first of
  // them, keeping what it wrote.
  recorders.ui.errors.clear();
  std::filesystem::remove(dir.path() + "/VelFile.dll");
  lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Dream);  // an unrelated file only
  std::filesystem::copy_file(dir.path() + "/dream.dll", dir.path() + "/VelFile.dll");
  EnterBirth(u"张"_s, u"三"_s, u"1980"_s, u"1"_s, u"1"_s);
  Click(u"姓名详解"_s);
  EXPECT_TRUE(recorders.ui.errors.empty());
  const std::vector<std::string> lines = PaneLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind(U("张三,您今年:"), 0), 0u);
  EXPECT_LT(lines.size(), 10u);
  EXPECT_FALSE(window->RzMemo1->isVisible());
}

TEST_F(MainWindowTest, OpenRecordReadsUtf8AndGbkFiles) {
  const std::string record = dir.path() + "/record.txt";
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"GBK", std::string("张三\r\n测算")},
      {"UTF-8", U("张三\n测算\n")},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + U("张三\r\n测算")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(record, c.bytes);
    recorders.ui.openChoice = QString::fromStdString(record);
    Choose({u"系统(&S)"_s, u"打开记录..."_s});
    EXPECT_EQ(window->RzMemo1->toPlainText(), u"张三\n测算"_s);
  }
}

TEST_F(MainWindowTest, TheRecordDialogStartsInTheUsersFolders) {
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  const std::string fakeHome = dir.path() + "/home";
  std::filesystem::create_directories(fakeHome + "/.config");
  qputenv("HOME", QByteArray::fromStdString(fakeHome));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(fakeHome + "/.config"));
  EXPECT_EQ(DefaultRecordFolder(), QString::fromStdString(fakeHome));
  std::filesystem::create_directories(fakeHome + "/Documents");
  EXPECT_EQ(DefaultRecordFolder(), QString::fromStdString(fakeHome + "/Documents"));
  qputenv("HOME", home);
  if (config.isNull()) qunsetenv("XDG_CONFIG_HOME");
  else qputenv("XDG_CONFIG_HOME", config);
}

TEST_F(MainWindowTest, HelpAndServiceEntries) {
  Choose({u"帮助(&H)"_s, u"软件升级"_s});
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"感谢你的使用,软件是最新版无需升级!"});
  Choose({u"帮助(&H)"_s, u"关于系统"_s});
  Click(u"人工起名"_s);
  EXPECT_EQ(recorders.ui.modalTitles, (std::vector<QString>{u"关于系统"_s, u"人工起名服务"_s}));
  Click(u"官方网站"_s);
  Choose({u"服务(&V)"_s, u"给我们发邮件"_s});
  ASSERT_EQ(recorders.ui.urls.size(), 2u);
  EXPECT_EQ(recorders.ui.urls[1].scheme(), u"mailto"_s);
}

TEST_F(MainWindowTest, EndingDeletesTheMainLockFileOnly) {
  struct Case {
    const char* how;
    std::function<void()> end;
  } cases[] = {
      {"退出 button", [&] { Click(u"退出"_s); }},
      {"退出系统 entry", [&] { Choose({u"系统(&S)"_s, u"退出系统"_s}); }},
      {"close box", [&] { window->close(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    WriteBytes(dir.path() + "/Roruroz.ldb", "lock");
    WriteBytes(dir.path() + "/VelFile.ldb", "lock");
    const int before = recorders.processEnds;
    c.end();
    EXPECT_EQ(recorders.processEnds, before + 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/Roruroz.ldb"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "/VelFile.ldb"));
  }
  // Without a lock file the end goes on all the same.
  Click(u"退出"_s);
  EXPECT_EQ(recorders.processEnds, 4);
}

}  // namespace
}  // namespace lumeno::app
