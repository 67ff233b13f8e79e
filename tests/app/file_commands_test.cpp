// Saving and printing the main window's report, on the shipped databases:
// the three save commands, the name a save suggests for the report in the
// pane, printing to a PDF file through the print dialog, the page setup
// and the messages for an empty pane and a printer that cannot start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Unt_Main.h"
#include "app/printing.h"
#include "app/report_text.h"
#include "core/qt/qtext.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

using lumeno::testing::ReadPdf;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<TFrmmain>();
    window->show();
    QApplication::processEvents();
  }
  void TearDown() override { ReportPrinter().setPageOrientation(QPageLayout::Portrait); }

  void Click(const QString& caption) {
    QPushButton* b = lumeno::testing::ButtonCaptioned(*window, caption);
    ASSERT_NE(b, nullptr) << caption.toStdString();
    b->click();
  }
  void Choose(const QString& entry) {
    QAction* a = lumeno::testing::MenuEntry(window->menuBar(), {u"系统(&S)"_s, entry});
    ASSERT_NE(a, nullptr) << entry.toStdString();
    a->trigger();
  }
  void NameReport(const QString& surname, const QString& given) {
    window->NameA->setText(surname);
    window->NameB->setText(given);
    window->SYear->setEditText(u"1980"_s);
    window->SMonth->setEditText(u"1"_s);
    window->Sday->setEditText(u"1"_s);
    Click(u"姓名详解"_s);
    ASSERT_FALSE(window->OutputPane().Lines().empty());
  }
  std::string Path(const std::string& name) { return dir.path() + "/" + name; }

  lumeno::testing::TempDir dir{"lumeno-file-commands"};
  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<TFrmmain> window;
};

TEST_F(FileCommands, EverySaveCommandWritesTheReportInGbkWithCrLf) {
  NameReport(u"张"_s, u"三"_s);
  const std::vector<std::string> report = window->OutputPane().Lines();
  struct Case {
    const char* file;
    std::function<void()> save;
  } cases[] = {
      {"button", [&] { Click(u"保存"_s); }},
      {"save-entry", [&] { Choose(u"保存测算"_s); }},
      {"save-as-entry", [&] { Choose(u"另存测算"_s); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    recorders.ui.saveRequests.clear();
    recorders.ui.saveChoice = QString::fromStdString(Path(c.file));
    c.save();
    ASSERT_EQ(recorders.ui.saveRequests.size(), 1u);
    EXPECT_EQ(recorders.ui.saveRequests[0].title, u"保存"_s);
    EXPECT_EQ(recorders.ui.saveRequests[0].filter, u"文本文件 (*.txt)"_s);
    EXPECT_EQ(recorders.ui.saveRequests[0].suggested, u"张三"_s);
    const std::string bytes = ReadBytes(Path(std::string(c.file) + ".txt"));
    EXPECT_EQ(bytes, JoinReportLines(report));
    EXPECT_EQ(bytes.rfind("张三,您今年:", 0), 0u);  // GBK bytes
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
  }
  EXPECT_EQ(window->OutputPane().Lines(), report);
  EXPECT_TRUE(recorders.info.messages.empty());
  EXPECT_TRUE(recorders.ui.errors.empty());
}

TEST_F(FileCommands, TheSuggestedNameIsThatOfTheReportInThePane) {
  const std::string record = Path("旧记录.txt");
  std::ofstream(GbkToUtf8(record), std::ios::binary) << "甲\r\n";
  struct Step {
    const char* what;
    std::function<void()> action;
    QString suggested;
  } steps[] = {
      {"name analysis", [&] { NameReport(u"张"_s, u"三"_s); }, u"张三"_s},
      {"eight characters of other inputs",
       [&] {
         window->NameA->setText(u"李"_s);
         window->NameB->setText(u"四"_s);
         Click(u"八字分析"_s);
       },
       u"李四"_s},
      {"a refused report leaves the pane and its name",
       [&] {
         window->NameA->clear();
         Click(u"八字分析"_s);
       },
       u"李四"_s},
      {"three talents of the last analysis",
       [&] { lumeno::testing::MenuEntry(window->menuBar(), {u"起名(&Q)"_s, u"三才吉凶"_s})->trigger(); }, u"张三"_s},
      {"an opened record",
       [&] {
         recorders.ui.openChoice = QString::fromStdString(GbkToUtf8(record));
         Choose(u"打开记录..."_s);
       },
       u"旧记录"_s},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.action();
    recorders.ui.saveRequests.clear();
    Click(u"保存"_s);
    ASSERT_EQ(recorders.ui.saveRequests.size(), 1u);
    EXPECT_EQ(recorders.ui.saveRequests[0].suggested, s.suggested);
  }
  EXPECT_EQ(recorders.ui.openRequests, 1);
}

TEST_F(FileCommands, AnEmptyPaneIsNeitherSavedNorPrinted) {
  recorders.ui.saveChoice = QString::fromStdString(Path("empty"));
  recorders.ui.printTo = QString::fromStdString(Path("empty.pdf"));
  NameReport(u"张"_s, u"三"_s);
  Choose(u"新建测算"_s);
  Click(u"保存"_s);
  EXPECT_TRUE(recorders.ui.saveRequests.empty());
  EXPECT_FALSE(std::filesystem::exists(Path("empty.txt")));
  Click(u"打印"_s);
  Choose(u"打印结果"_s);
  EXPECT_EQ(recorders.ui.printRequests, 0);
  EXPECT_FALSE(std::filesystem::exists(Path("empty.pdf")));
  EXPECT_EQ(recorders.info.messages,
            std::vector<std::string>(2, QStringToGbk(u"没有可打印的内容，请先进行测算。"_s)));
}

TEST_F(FileCommands, PrintingGoesThroughThePrintDialogIntoAPdf) {
  NameReport(u"张"_s, u"三"_s);
  // The user cancels: nothing is printed.
  Click(u"打印"_s);
  EXPECT_EQ(recorders.ui.printRequests, 1);
  struct Case {
    const char* file;
    std::function<void()> print;
  } cases[] = {
      {"button.pdf", [&] { Click(u"打印"_s); }},
      {"entry.pdf", [&] { Choose(u"打印结果"_s); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    recorders.ui.printTo = QString::fromStdString(Path(c.file));
    c.print();
    const auto pdf = ReadPdf(Path(c.file));
    EXPECT_TRUE(pdf.isPdf);
    EXPECT_GE(pdf.pages, 1);
    EXPECT_EQ(pdf.title, u"张三 测算结果"_s);
    EXPECT_LT(pdf.width, pdf.height);
  }
  EXPECT_EQ(recorders.ui.printRequests, 3);
  EXPECT_TRUE(recorders.info.messages.empty());

  // The eight-character chart is longer than a page.
  window->NameA->setText(u"张"_s);
  Click(u"八字分析"_s);
  ASSERT_GT(window->OutputPane().LineCount(), 60);
  recorders.ui.printTo = QString::fromStdString(Path("chart.pdf"));
  Click(u"打印"_s);
  EXPECT_GE(ReadPdf(Path("chart.pdf")).pages, 2);
}

TEST_F(FileCommands, PageSetupChangesTheNextPrint) {
  NameReport(u"张"_s, u"三"_s);
  recorders.ui.pageSetup = [](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); };
  Choose(u"打印设置..."_s);
  EXPECT_EQ(recorders.ui.pageSetups, 1);
  EXPECT_EQ(recorders.ui.printRequests, 0);  // setting up a page prints nothing
  recorders.ui.printTo = QString::fromStdString(Path("landscape.pdf"));
  Choose(u"打印结果"_s);
  const auto pdf = ReadPdf(Path("landscape.pdf"));
  ASSERT_TRUE(pdf.isPdf);
  EXPECT_GT(pdf.width, pdf.height);
}

TEST_F(FileCommands, APrinterThatCannotStartTellsTheUser) {
  NameReport(u"张"_s, u"三"_s);
  recorders.ui.printTo = QString::fromStdString(Path("no-such-folder/out.pdf"));
  Click(u"打印"_s);
  ASSERT_EQ(recorders.info.messages.size(), 1u);
  EXPECT_EQ(GbkToQString(recorders.info.messages[0]).section(u'\n', 0, 0), u"打印失败！"_s);
}

}  // namespace
}  // namespace lumeno::app
