// The name-analysis window: opened for a name it runs its report by itself;
// its save writes the pane as GBK text with CR LF, which the main window's
// open command reads back; its print goes through the print dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Unt_Main.h"
#include "app/report_text.h"
#include "core/qt/qtext.h"
#include "numerology/name_report.h"
#include "numerology/ui/NameMain.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::numerology {
namespace {

using lumeno::testing::ButtonCaptioned;
using lumeno::testing::U;
using lumeno::testing::Utf8Lines;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class NameWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { lumeno::testing::CreateReportDatabases(dir.path()); }

  // Opens the window for a name and runs `whileShown` on it while it is up.
  void Open(const std::string& surname, const std::string& given, const std::function<void(TFrmNameMain&)>& whileShown,
            const std::string& sex = "男", int calendar = 0, const std::string& minute = "0") {
    recorders.ui.whileShown = [&](QDialog& d) {
      auto* w = qobject_cast<TFrmNameMain*>(&d);
      ASSERT_NE(w, nullptr);
      whileShown(*w);
    };
    OpenNameAnalysis(nullptr, surname, sex, "1980", given, calendar, minute, "子 0", "1", "1");
  }
  static void Click(TFrmNameMain& w, const QString& caption) {
    QPushButton* b = ButtonCaptioned(w, caption);
    ASSERT_NE(b, nullptr);
    b->click();
  }

  lumeno::testing::TempDir dir{"lumeno-name"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
  lumeno::testing::UiRecorders recorders;
};

TEST_F(NameWindowTest, RunsItsReportWithTheClosingLineWhenOpenedForAName) {
  std::vector<std::string> expected;
  {
    NameInputs in{"张", "三", "男", "1980", "1", "1", "子 0", "0", 0};
    AnalysisState state;
    MemoryPane pane;
    data::Query query(data::ConnectionStringFor(data::DatabaseFile::VelFile));
    RunNameAnalysis(in, state, pane, QDate::currentDate().year(), true, query);
    expected = Utf8Lines(pane.lines);
  }
  bool shown = false;
  Open("张", "三", [&](TFrmNameMain& w) {
    shown = true;
    EXPECT_EQ(w.windowTitle(), u"姓名分析"_s);
    EXPECT_EQ(w.findChild<QLabel*>(u"CaptionLine"_s)->text(), u"请填写姓名和生日信息，最后点姓名分析测算！"_s);
    EXPECT_EQ(w.SYear->itemText(0), u"1900"_s);
    EXPECT_EQ(w.SYear->itemText(w.SYear->count() - 1), u"2040"_s);
    EXPECT_EQ(w.CBFen->count(), 60);
    EXPECT_EQ(w.CBFen->itemText(5), u"05"_s);
    EXPECT_EQ(w.CBFen->currentText(), u"0"_s);
    const std::vector<std::string> lines = Utf8Lines(w.OutputPane().Lines());
    EXPECT_EQ(lines, expected);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), U("<-----------------------以上分析内容只作参考----------------------------->"));
    EXPECT_EQ(w.RzMemo1->textCursor().position(), 0);
    EXPECT_TRUE(w.RzMemo1->isReadOnly());
    EXPECT_EQ(w.focusWidget(), w.NameA);

    // Its own minute box is what line 2 shows.
    w.CBFen->setCurrentIndex(5);
    Click(w, u"姓名分析"_s);
    EXPECT_EQ(w.OutputPane().Lines().at(1), "您出生公历: 1980年01月01日0点05分");
    Click(w, u"打印"_s);
    EXPECT_EQ(w.OutputPane().Lines().at(1), "您出生公历: 1980年01月01日0点05分");
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(recorders.ui.modalTitles, std::vector<QString>{u"姓名分析"_s});
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(NameWindowTest, InputsAreFilledFromTheCaller) {
  struct Case {
    std::string sex;
    int calendar;
    QString sexShown, calendarShown;
  } cases[] = {
      {"男", 0, u"男"_s, u"公历"_s},
      {"女", 1, u"女"_s, u"农历"_s},
      {"", 0, u"女"_s, u"公历"_s},  // anything but 男 is 女
  };
  for (const Case& c : cases) {
    Open("", "三", [&](TFrmNameMain& w) {
      EXPECT_EQ(w.Sex->currentText(), c.sexShown);
      EXPECT_EQ(w.ComDate->currentText(), c.calendarShown);
      EXPECT_EQ(w.NameB->text(), u"三"_s);
      // With a name missing it does not run by itself.
      EXPECT_TRUE(w.OutputPane().Lines().empty());
    }, c.sex, c.calendar);
  }
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(NameWindowTest, NameFieldsTakeAnyTextUpToFourBytes) {
  Open("", "", [&](TFrmNameMain& w) {
    w.NameA->setFocus();
    QTest::keyClicks(w.NameA, "abcdef");
    EXPECT_EQ(w.NameA->text(), u"abcd"_s);
    w.NameB->setText(u"诸葛亮"_s);
    EXPECT_EQ(w.NameB->text(), u"诸葛"_s);
  });
}

TEST_F(NameWindowTest, SaveWritesGbkWithCrLfAndTheMainWindowReadsItBack) {
  const std::string chosen = dir.path() + "/" + "张三";
  // An existing file is replaced.
  { std::ofstream(chosen + ".txt") << std::string(10000, 'x'); }
  recorders.ui.saveChoice = QString::fromStdString(GbkToUtf8(chosen));
  std::vector<std::string> report;
  Open("张", "三", [&](TFrmNameMain& w) {
    report = w.OutputPane().Lines();
    Click(w, u"保存"_s);
  });
  ASSERT_EQ(recorders.ui.saveRequests.size(), 1u);
  EXPECT_EQ(recorders.ui.saveRequests[0].title, u"保存"_s);
  EXPECT_EQ(recorders.ui.saveRequests[0].filter, u"文本文件 (*.txt)"_s);
  EXPECT_EQ(recorders.ui.saveRequests[0].suggested, u"张三"_s);
  EXPECT_TRUE(recorders.info.messages.empty());

  const std::string bytes = ReadBytes(GbkToUtf8(chosen) + ".txt");
  EXPECT_EQ(bytes, app::JoinReportLines(report));
  EXPECT_EQ(bytes.rfind("张三,您今年:", 0), 0u);  // GBK bytes, not UTF-8
  EXPECT_NE(bytes.find("\r\n<-----------------------以上分析内容只作参考----------------------------->\r\n"),
            std::string::npos);

  app::TFrmmain main;
  recorders.ui.openChoice = QString::fromStdString(GbkToUtf8(chosen) + ".txt");
  QAction* open = lumeno::testing::MenuEntry(main.menuBar(), {u"系统(&S)"_s, u"打开记录..."_s});
  ASSERT_NE(open, nullptr);
  open->trigger();
  EXPECT_EQ(main.OutputPane().Lines(), report);
}

TEST_F(NameWindowTest, SaveSuggestsAWildcardForForbiddenBytes) {
  recorders.ui.saveChoice.reset();  // the user cancels
  Open("乗", "三", [&](TFrmNameMain& w) {
    ASSERT_FALSE(w.OutputPane().Lines().empty());
    Click(w, u"保存"_s);
  });
  ASSERT_EQ(recorders.ui.saveRequests.size(), 1u);
  EXPECT_EQ(recorders.ui.saveRequests[0].suggested, u"*.txt"_s);
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(NameWindowTest, SaveOfAnEmptyPaneShowsNoDialog) {
  recorders.ui.saveChoice = QString::fromStdString(dir.path() + "/empty");
  Open("", "", [&](TFrmNameMain& w) { Click(w, u"保存"_s); });
  EXPECT_TRUE(recorders.ui.saveRequests.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/empty.txt"));
}

TEST_F(NameWindowTest, SaveThatCannotWriteTellsTheUser) {
  recorders.ui.saveChoice = QString::fromStdString(dir.path() + "/no-such-folder/report");
  std::vector<std::string> report;
  Open("张", "三", [&](TFrmNameMain& w) {
    report = w.OutputPane().Lines();
    Click(w, u"保存"_s);
    EXPECT_EQ(w.OutputPane().Lines(), report);  // the pane keeps its report
  });
  ASSERT_EQ(recorders.info.messages.size(), 1u);
  const std::string message = GbkToUtf8(recorders.info.messages[0]);
  EXPECT_EQ(message.rfind(U("保存失败！\n"), 0), 0u) << message;
  EXPECT_NE(message.find("no-such-folder"), std::string::npos) << message;
  EXPECT_NE(message.find(U("所在的文件夹不存在")), std::string::npos) << message;
}

TEST_F(NameWindowTest, PrintWritesTheReportThroughThePrintDialog) {
  recorders.ui.printTo = QString::fromStdString(dir.path() + "/name.pdf");
  Open("张", "三", [&](TFrmNameMain& w) { Click(w, u"打印"_s); });
  EXPECT_EQ(recorders.ui.printRequests, 1);
  const auto pdf = lumeno::testing::ReadPdf(dir.path() + "/name.pdf");
  EXPECT_TRUE(pdf.isPdf);
  EXPECT_GE(pdf.pages, 1);
  EXPECT_EQ(pdf.title, u"张三 姓名分析"_s);
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(NameWindowTest, ExitClosesOnlyThisWindow) {
  Open("", "", [&](TFrmNameMain& w) {
    Click(w, u"退出"_s);
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_EQ(recorders.processEnds, 0);
}

}  // namespace
}  // namespace lumeno::numerology
