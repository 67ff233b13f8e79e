// 八字分析 through the main window, on the shipped databases.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "app/Unt_Main.h"
#include "bazi/report.h"
#include "core/qt/qtext.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

class BaziWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<TFrmmain>();
    window->show();
    QApplication::processEvents();
  }
  void Click(const QString& caption) {
    QPushButton* b = lumeno::testing::ButtonCaptioned(*window, caption);
    ASSERT_NE(b, nullptr);
    b->click();
  }

  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<TFrmmain> window;
};

TEST_F(BaziWindowTest, WritesTheWholeChartAndShowsItsTop) {
  window->NameA->setText(u"张"_s);
  window->Sex->setCurrentText(u"女"_s);
  window->SYear->setEditText(u"1990"_s);
  window->SMonth->setEditText(u"7"_s);
  window->Sday->setEditText(u"15"_s);
  window->Shour->setEditText(u"巳 9"_s);
  window->CBFen->setEditText(u"30"_s);
  Click(u"八字分析"_s);

  bazi::BaziInputs in;
  in.surname = QStringToGbk(u"张"_s);
  in.sex = QStringToGbk(u"女"_s);
  in.year = "1990";
  in.month = "7";
  in.day = "15";
  in.hourItem = QStringToGbk(u"巳 9"_s);
  in.minute = "30";
  MemoryPane expected;
  ASSERT_EQ(bazi::BaziReport(in, expected, QDate::currentDate().year()), bazi::BaziOutcome::Written);
  EXPECT_EQ(window->OutputPane().Lines(), expected.lines);
  ASSERT_GT(expected.lines.size(), 60u);
  EXPECT_EQ(expected.lines[2], QStringToGbk(u"您出生公历：1990年07月15日9点30分"_s));
  EXPECT_EQ(expected.lines[10], QStringToGbk(u"八字：庚午   癸未   辛巳   癸巳"_s));
  EXPECT_TRUE(window->RzMemo1->isVisible());
  EXPECT_EQ(window->RzMemo1->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(BaziWindowTest, MissingSurnameIsRefusedAndFocused) {
  window->NameA->clear();
  window->NameB->setText(u"三"_s);
  window->NameB->setFocus();
  Click(u"八字分析"_s);
  EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"姓不能为空!"});
  EXPECT_TRUE(window->OutputPane().Lines().empty());
  EXPECT_FALSE(window->RzMemo1->isVisible());
  EXPECT_TRUE(window->NameA->hasFocus() || QApplication::focusWidget() == window->NameA);
}

}  // namespace
}  // namespace lumeno::app
