// The printing helper on its own: a text laid out on pages of a PDF printer,
// long lines wrapped rather than cut off, the title in the document.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>

#include "app/printing.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

class PrintTextTest : public ::testing::Test {
 protected:
  // Prints `text` into a PDF of its own and checks that the file holds the
  // pages the call reports.
  int Pages(const QString& text, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(orientation);
    const std::string file = dir.path() + "/p" + std::to_string(++count) + ".pdf";
    printer.setOutputFileName(QString::fromStdString(file));
    const int pages = PrintText(printer, u"报告"_s, text);
    const auto pdf = lumeno::testing::ReadPdf(file);
    EXPECT_TRUE(pdf.isPdf);
    EXPECT_EQ(pdf.pages, pages);
    EXPECT_EQ(pdf.title, u"报告"_s);
    return pages;
  }
  static QString Lines(int n, const QString& line) {
    QStringList lines;
    for (int i = 0; i < n; ++i) lines << line;
    return lines.join(u'\n');
  }

  lumeno::testing::TempDir dir{"lumeno-print"};
  int count = 0;
};

TEST_F(PrintTextTest, PagesFollowTheLengthOfTheText) {
  const QString line = u"张三,您今年:44岁"_s;
  EXPECT_EQ(Pages(line), 1);
  const int fifty = Pages(Lines(50, line));
  const int twoHundred = Pages(Lines(200, line));
  EXPECT_GE(fifty, 1);
  EXPECT_GE(twoHundred, 3);
  EXPECT_GT(twoHundred, fifty);
  // Empty lines take their room too.
  EXPECT_EQ(Pages(Lines(200, QString())), twoHundred);
  // A landscape page holds fewer lines.
  EXPECT_GT(Pages(Lines(200, line), QPageLayout::Landscape), twoHundred);
}

TEST_F(PrintTextTest, LongLinesWrapInsteadOfRunningOffThePage) {
  const QString longLine = QString(600, u'数');
  EXPECT_GT(Pages(Lines(60, longLine)), Pages(Lines(60, u"数"_s)));
}

TEST_F(PrintTextTest, APrinterThatCannotStartPrintsNothing) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(QString::fromStdString(dir.path() + "/missing/out.pdf"));
  EXPECT_EQ(PrintText(printer, u"报告"_s, u"一行"_s), 0);
}

}  // namespace
}  // namespace lumeno::app
