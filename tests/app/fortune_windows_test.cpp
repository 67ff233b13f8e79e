// The windows of the small readings and tools, opened through the main
// window's menus and buttons: captions, labels, key filters, messages and
// focus, the non-modal windows and the articles the menus lead to.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "app/Unt_Main.h"
#include "core/qt/qtext.h"
#include "fortune/boy_girl.h"
#include "fortune/divination.h"
#include "fortune/numbers.h"
#include "fortune/ui/NameCome.h"
#include "fortune/ui/NanNv.h"
#include "fortune/ui/Note.h"
#include "fortune/ui/NumberWindows.h"
#include "fortune/ui/Onther.h"
#include "fortune/ui/Wangming.h"
#include "fortune/ui/Wuxing.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {
namespace {

using lumeno::testing::ButtonCaptioned;
using lumeno::testing::CreateFixtureDatabase;
using lumeno::testing::MenuEntry;

void Type(QWidget* field, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(field, &press);
  }
}
void Commit(QWidget* field, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(field, &event);
}
void Paste(QLineEdit* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  field->paste();
}
void Enter(QWidget* field) { QTest::keyClick(field, Qt::Key_Return); }

QStringList LabelTexts(QWidget& window) {
  QStringList texts;
  for (QLabel* l : window.findChildren<QLabel*>()) texts << l->text();
  return texts;
}

class FortuneWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(dir.path(), data::DatabaseFile::Dream,
                          {GbkToUtf8("INSERT INTO shouji(num, title, jx, content) VALUES "
                                     "('34', '顺风顺水', '吉', '三十四号的读法。')")});
    std::vector<std::string> velBirth = {
        GbkToUtf8("INSERT INTO QQpd(bihua, intro) VALUES (',45,', '四十五的配对读法。')"),
        GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (1, '张', '张姓的来源。' || char(10) || '第二行。')"),
        GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (2, '欧阳', '欧阳的来源。')"),
        GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (3, '李', '李姓的来源。')"),
    };
    for (const char* code : {"a1", "a6", "XM001", "XM011", "XM012", "XM013", "XM014", "XM015", "b1", "b12", "QM01",
                             "QM05", "QM09"}) {
      velBirth.push_back(GbkToUtf8(StrFormat("INSERT INTO Noter(Cid, Tite, content) VALUES ('%s', '题%s', "
                                             "'正文%s第一段。' || char(10) || '第二段。')",
                                             code, code, code)));
    }
    CreateFixtureDatabase(dir.path(), data::DatabaseFile::VelBirth, velBirth);
    CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz,
                          {GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('张', '張', '火')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('三', '三', '金')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('丰', '豐', '水')")});
    window = std::make_unique<app::TFrmmain>();
    window->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Choose(const QStringList& path) {
    QAction* a = MenuEntry(window->menuBar(), path);
    ASSERT_NE(a, nullptr) << path.join(u" > "_s).toStdString();
    a->trigger();
  }
  void Click(const QString& caption) {
    QPushButton* b = nullptr;
    for (QPushButton* candidate : window->findChildren<QPushButton*>())
      if (candidate->text() == caption && candidate->window() == window.get()) b = candidate;
    ASSERT_NE(b, nullptr) << caption.toStdString();
    b->click();
  }
  // Runs `body` on the modal window of type W that the next command shows.
  template <class W>
  void WhileShown(const std::function<void(W&)>& body) {
    recorders.ui.whileShown = [body](QDialog& d) {
      W* w = qobject_cast<W*>(&d);
      ASSERT_NE(w, nullptr);
      body(*w);
    };
  }
  template <class W>
  QList<W*> Open() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window->findChildren<W*>();
  }

  lumeno::testing::TempDir dir{"lumeno-fortune-ui"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
  lumeno::testing::UiRecorders recorders;
  std::unique_ptr<app::TFrmmain> window;
};

TEST_F(FortuneWindowsTest, MobileWindowShowsItsTextsAndReading) {
  bool ran = false;
  WhileShown<TFrm_SJcs>([&](TFrm_SJcs& w) {
    ran = true;
    EXPECT_EQ(w.windowTitle(), u"手机号码测算"_s);
    EXPECT_EQ(w.focusWidget(), w.edtmun);
    const QStringList labels = LabelTexts(w);
    for (const QString& text :
         {u"输入号码："_s, u"请注意：手机号码是11位，请正确输入。"_s, u"手机号码是："_s, u"状态："_s, u"吉凶："_s,
          u"具体表现："_s,
          u"注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
          u"虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"_s})
      EXPECT_TRUE(labels.contains(text)) << text.toStdString();
    EXPECT_EQ(w.findChild<QGroupBox*>()->title(), u"测算结果"_s);
    EXPECT_NE(ButtonCaptioned(w, u"测算"_s), nullptr);
    EXPECT_NE(ButtonCaptioned(w, u"关闭"_s), nullptr);

    // Fewer than eight digits: the window's own hint, nothing shown.
    Type(w.edtmun, u"1391234"_s);
    Enter(w.edtmun);
    EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"请输入11位手机号码！"});
    EXPECT_EQ(w.NumberLabel->text(), u""_s);

    w.edtmun->clear();
    Type(w.edtmun, u"13912341234"_s);
    Enter(w.edtmun);
    EXPECT_EQ(w.NumberLabel->text(), u"13912341234"_s);
    EXPECT_EQ(w.StatusLabel->text(), u"顺风顺水"_s);
    EXPECT_EQ(w.LuckLabel->text(), u"吉"_s);
    EXPECT_EQ(w.DetailLabel->text(), u"三十四号的读法。"_s);
    // A key without a row clears the readings.
    w.edtmun->setText(u"13912340001"_s);
    ButtonCaptioned(w, u"测算"_s)->click();
    EXPECT_EQ(w.NumberLabel->text(), u"13912340001"_s);
    EXPECT_EQ(w.StatusLabel->text() + w.LuckLabel->text() + w.DetailLabel->text(), u""_s);
    EXPECT_EQ(recorders.info.messages.size(), 1u);
  });
  Choose({u"工具(&G)"_s, u"手机号码分析"_s});
  EXPECT_TRUE(ran);
  // The side panel's button opens the same window.
  recorders.ui.whileShown = nullptr;
  Click(u"手机分析"_s);
  EXPECT_EQ(recorders.ui.modalTitles, (std::vector<QString>{u"手机号码测算"_s, u"手机号码测算"_s}));
}

TEST_F(FortuneWindowsTest, NumberFieldsTakeDigitsOnlyHoweverTextArrives) {
  WhileShown<TFrm_SJcs>([&](TFrm_SJcs& w) {
    QLineEdit* field = w.edtmun;
    struct Case {
      const char* what;
      QString before;
      std::function<void()> action;
      QString after;
    } cases[] = {
        {"letters and signs typed are discarded", u""_s, [&] { QTest::keyClicks(field, "1a2.b3"); }, u"123"_s},
        {"full-width digits from an input method", u""_s, [&] { Commit(field, u"１３９"_s); }, u"139"_s},
        {"Chinese text from an input method is refused", u"1"_s, [&] { Commit(field, u"一二"_s); }, u"1"_s},
        {"a number pasted in groups", u""_s, [&] { Paste(field, u"139-1234 1234"_s); }, u"13912341234"_s},
        {"pasted text that is no number is refused", u"12"_s, [&] { Paste(field, u"3e5"_s); }, u"12"_s},
        {"a paste beyond eleven digits is cut", u""_s, [&] { Paste(field, u"1391234123456"_s); },
         u"13912341234"_s},
        {"a full field takes no more", u"13912341234"_s, [&] { Type(field, u"5"_s); }, u"13912341234"_s},
        {"backspace", u"139"_s, [&] { QTest::keyClick(field, Qt::Key_Backspace); }, u"13"_s},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      field->setText(c.before);
      field->setFocus();
      field->end(false);
      c.action();
      EXPECT_EQ(field->text(), c.after);
    }
  });
  Choose({u"工具(&G)"_s, u"手机号码分析"_s});
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(FortuneWindowsTest, QQAndAnyNumberWindowsReadTheBuiltInTable) {
  struct Case {
    QStringList path;
    QString caption, inputLabel, numberLabel;
    const char* emptyMessage;
  } cases[] = {
      {{u"工具(&G)"_s, u"QQ号码分析"_s}, u"QQ号码测试"_s, u"QQ号码："_s, u"qq号码是："_s, "请输入你的QQ号码！"},
      {{u"工具(&G)"_s, u"更多数字分析"_s}, u"任意号码分析"_s, u"任意号码："_s, u"输入号码是："_s, "请输入你的号码！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption.toStdString());
    WhileShown<TNumberWindow>([&](TNumberWindow& w) {
      recorders.info.messages.clear();
      EXPECT_EQ(w.windowTitle(), c.caption);
      EXPECT_TRUE(LabelTexts(w).contains(c.inputLabel));
      EXPECT_TRUE(LabelTexts(w).contains(c.numberLabel));
      EXPECT_EQ(w.edtmun->text(), u""_s);  // a new window each time
      Enter(w.edtmun);
      EXPECT_EQ(recorders.info.messages, std::vector<std::string>{c.emptyMessage});
      // Eighteen digits fit; a nineteenth does not.
      Type(w.edtmun, u"9999999999999999999"_s);
      EXPECT_EQ(w.edtmun->text().size(), 18);
      w.edtmun->setText(u"10000"_s);
      Enter(w.edtmun);
      EXPECT_EQ(w.NumberLabel->text(), u"10000"_s);
      EXPECT_EQ(w.StatusLabel->text(), GbkToQString(NumberVerdict(37)));
      EXPECT_EQ(w.LuckLabel->text(), u"凶带吉"_s);
      EXPECT_TRUE(w.DetailLabel->text().startsWith(u"主人性格类型：[独断独行/吸引人型]，其具体表现为："_s));
    });
    Choose(c.path);
    // Typed into the first window, gone in the second.
    Choose(c.path);
  }
  recorders.ui.whileShown = nullptr;
  Click(u"QQ号码分析"_s);
  Click(u"数字分析"_s);
  EXPECT_EQ(recorders.ui.modalTitles.size(), 6u);
  EXPECT_EQ(recorders.ui.modalTitles[5], u"任意号码分析"_s);
}

TEST_F(FortuneWindowsTest, PairingPutsTheFocusIntoTheFieldOfTheFailedCheck) {
  WhileShown<TFormQQpeidui>([&](TFormQQpeidui& w) {
    EXPECT_EQ(w.windowTitle(), u"QQ号码缘分配对"_s);
    EXPECT_TRUE(LabelTexts(w).contains(u"我的QQ："_s));
    EXPECT_TRUE(LabelTexts(w).contains(u"对方QQ："_s));
    QPushButton* analyse = ButtonCaptioned(w, u"测算"_s);
    struct Case {
      QString mine, others;
      const char* message;
      QLineEdit* focus;
    } cases[] = {
        {u""_s, u"12345"_s, "请输入自己的QQ号码！", w.MyQQ},
        {u"1234"_s, u""_s, "请输入正确的QQ号码！", w.MyQQ},
        {u"12345"_s, u""_s, "请输入对方的QQ号码！", w.OtherQQ},
        {u"12345"_s, u"12345678901"_s, "请输入正确的QQ号码！", w.OtherQQ},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.message);
      recorders.info.messages.clear();
      w.MyQQ->setText(c.mine);
      w.OtherQQ->setText(c.others);
      (c.focus == w.MyQQ ? w.OtherQQ : w.MyQQ)->setFocus();
      analyse->click();
      EXPECT_EQ(recorders.info.messages, std::vector<std::string>{c.message});
      EXPECT_EQ(w.focusWidget(), c.focus);
    }
    // Enter in a field does nothing.
    recorders.info.messages.clear();
    w.MyQQ->setText(u"55555"_s);
    w.OtherQQ->setText(u"44444"_s);
    Enter(w.OtherQQ);
    Enter(w.MyQQ);
    EXPECT_EQ(w.ResultLabel->text(), u""_s);
    EXPECT_TRUE(recorders.info.messages.empty());
    EXPECT_TRUE(w.isVisible());
    analyse->click();
    EXPECT_EQ(w.ResultLabel->text(), u"四十五的配对读法。"_s);
  });
  Choose({u"配对(&P)"_s, u"QQ缘分配对"_s});
  EXPECT_EQ(recorders.ui.modalTitles, std::vector<QString>{u"QQ号码缘分配对"_s});
}

TEST_F(FortuneWindowsTest, NicknameWindowShowsUpperCaseAndTheTrait) {
  WhileShown<TFrmWangming>([&](TFrmWangming& w) {
    EXPECT_EQ(w.windowTitle(), u"网名与性格"_s);
    EXPECT_TRUE(LabelTexts(w).contains(u"输入网名："_s));
    EXPECT_EQ(w.focusWidget(), w.edtName);
    Enter(w.edtName);
    EXPECT_EQ(recorders.info.messages, std::vector<std::string>{"请输入你的网名！"});
    QTest::keyClicks(w.edtName, "abc123");
    EXPECT_EQ(w.edtName->text(), u"ABC123"_s);
    Enter(w.edtName);
    EXPECT_EQ(w.NicknameLine->text(), u"你的网名：ABC123"_s);
    EXPECT_EQ(w.TraitLine->text(), u"你的性格：可爱，较明显的自恋"_s);
    // Chinese characters through the built-in reading tables.
    w.edtName->clear();
    Commit(w.edtName, u"小明"_s);
    Enter(w.edtName);
    EXPECT_EQ(w.NicknameLine->text(), u"你的网名：小明"_s);
    EXPECT_EQ(w.TraitLine->text(), u"你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"_s);
    // The stored blanks around the trait of h are not shown.
    w.edtName->setText(u"8"_s);
    ButtonCaptioned(w, u"测算"_s)->click();
    EXPECT_EQ(w.TraitLine->text(), u"你的性格：自立，自强，可依靠"_s);
    // Punctuation alone leaves the trait empty.
    w.edtName->setText(u"!!"_s);
    Enter(w.edtName);
    EXPECT_EQ(w.TraitLine->text(), u"你的性格："_s);
    // A character GBK cannot hold is a special character.
    w.edtName->setText(u"A"_s + QString::fromUcs4(U"\U0001F600"));
    Enter(w.edtName);
    EXPECT_EQ(w.TraitLine->text(), u"请重新输入网名，请不要输入特殊字符！"_s);
    // At most eighteen characters.
    w.edtName->clear();
    Type(w.edtName, QString(20, u'x'));
    EXPECT_EQ(w.edtName->text(), QString(18, u'X'));
  });
  Click(u"网名分析"_s);
  EXPECT_EQ(recorders.info.messages.size(), 1u);
}

TEST_F(FortuneWindowsTest, DivinationWindowsAreNotModalAndShowTheirPage) {
  Choose({u"占卜(&B)"_s, u"耳鸣测占卜"_s});
  Click(u"打喷嚏占卜"_s);
  const QList<TFormOnther*> windows = Open<TFormOnther>();
  ASSERT_EQ(windows.size(), 2);
  EXPECT_TRUE(recorders.ui.modalTitles.empty());
  struct Expected {
    QString caption;
    int page;
  } expected[] = {{u"耳鸣测吉凶"_s, 6}, {u"打喷嚏占卜吉凶"_s, 0}};
  for (int i = 0; i < 2; ++i) {
    TFormOnther* w = windows[i];
    EXPECT_EQ(w->windowTitle(), expected[i].caption);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->PageControl1->currentIndex(), expected[i].page);
    EXPECT_EQ(w->PageControl1->count(), 7);
    EXPECT_TRUE(w->findChildren<QTabBar*>().isEmpty());  // no tabs to see
    QStringList page;
    for (const std::string& line : DivinationPage(expected[i].page)) page << GbkToQString(line);
    EXPECT_EQ(w->Page(expected[i].page)->toPlainText(), page.join(u'\n'));
    EXPECT_EQ(w->Explanation->text(),
              u"说明：\n   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
              u"   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
              u"   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点"_s);
  }
  windows[0]->close();
  EXPECT_EQ(Open<TFormOnther>().size(), 1);
}

TEST_F(FortuneWindowsTest, ArticleEntriesOpenTheirArticles) {
  struct Case {
    QStringList path;
    const char* code;
  } cases[] = {
      {{u"起名(&Q)"_s, u"姓名原理"_s}, "a1"},
      {{u"造命(&Z)"_s, u"八字与姓名"_s, u"姓名原理"_s}, "a1"},
      {{u"造命(&Z)"_s, u"八字与姓名"_s, u"八字与起名的重要性"_s}, "a6"},
      {{u"起名(&Q)"_s, u"吉祥名字重要性"_s}, "XM012"},
      {{u"起名(&Q)"_s, u"姓名学知识与取名"_s}, "XM001"},
      {{u"起名(&Q)"_s, u"取名规则"_s}, "XM011"},
      {{u"起名(&Q)"_s, u"取艺名规则"_s}, "XM015"},
      {{u"起名(&Q)"_s, u"起名常用汉字繁体字"_s}, "QM01"},
      {{u"起名(&Q)"_s, u"五格剖象法"_s}, "QM05"},
      {{u"起名(&Q)"_s, u"天人地格三才配置"_s}, "QM09"},
      {{u"造命(&Z)"_s, u"命自我立"_s}, "b1"},
      {{u"造命(&Z)"_s, u"朱子治家格言"_s}, "b12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Choose(c.path);
    const QList<TFrmNote*> open = Open<TFrmNote>();
    ASSERT_EQ(open.size(), 1);
    TFrmNote* w = open[0];
    EXPECT_EQ(w->windowTitle(), GbkToQString(std::string("题") + c.code));
    EXPECT_EQ(w->RichEdit1->toPlainText(), GbkToQString(std::string("正文") + c.code + "第一段。\n第二段。"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    w->close();
  }
  EXPECT_TRUE(recorders.ui.errors.empty());
}

TEST_F(FortuneWindowsTest, TheXMEntriesReadTheirCodeFromTheHint) {
  QAction* entry = MenuEntry(window->menuBar(), {u"起名(&Q)"_s, u"企业取名规则"_s});
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->toolTip(), u"XM013"_s);
  entry->setToolTip(u"b12"_s);
  entry->trigger();
  const QList<TFrmNote*> open = Open<TFrmNote>();
  ASSERT_EQ(open.size(), 1);
  EXPECT_EQ(open[0]->windowTitle(), u"题b12"_s);
}

TEST_F(FortuneWindowsTest, ArticleWindowPrintsItsArticleAndSetsUpThePage) {
  Choose({u"造命(&Z)"_s, u"命自我立"_s});
  const QList<TFrmNote*> open = Open<TFrmNote>();
  ASSERT_EQ(open.size(), 1);
  TFrmNote* w = open[0];
  ButtonCaptioned(*w, u"设置.."_s)->click();
  EXPECT_EQ(recorders.ui.pageSetups, 1);
  recorders.ui.printTo = QString::fromStdString(dir.path() + "/article.pdf");
  ButtonCaptioned(*w, u"打印"_s)->click();
  EXPECT_EQ(recorders.ui.printRequests, 1);
  const auto pdf = lumeno::testing::ReadPdf(dir.path() + "/article.pdf");
  EXPECT_TRUE(pdf.isPdf);
  EXPECT_GE(pdf.pages, 1);
  EXPECT_EQ(pdf.title, u"题b1"_s);
  EXPECT_TRUE(recorders.info.messages.empty());
  w->close();
}

TEST_F(FortuneWindowsTest, ArticleWindowWithoutItsRowOrWithoutItsDatabase) {
  // b13 has no row: an empty pane under the caption 算命.
  Choose({u"造命(&Z)"_s, u"百忍歌"_s});
  Choose({u"造命(&Z)"_s, u"百忍歌"_s});
  QList<TFrmNote*> open = Open<TFrmNote>();
  ASSERT_EQ(open.size(), 2);  // not modal: one more each time
  TFrmNote* w = open[0];
  EXPECT_EQ(w->windowTitle(), u"算命"_s);
  EXPECT_EQ(w->RichEdit1->toPlainText(), u""_s);
  // The tool row: an empty article is not printed (the user is told), 关闭
  // closes.
  EXPECT_FALSE(w->RichEdit1->isReadOnly());
  EXPECT_EQ(w->RichEdit1->font().pointSize(), 9);
  EXPECT_EQ(w->RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  ButtonCaptioned(*w, u"打印"_s)->click();
  EXPECT_EQ(recorders.ui.printRequests, 0);
  ASSERT_EQ(recorders.info.messages.size(), 1u);
  EXPECT_EQ(GbkToQString(recorders.info.messages[0]), u"文章内容为空，没有可打印的内容。"_s);
  recorders.info.messages.clear();
  EXPECT_TRUE(w->isVisible());
  ButtonCaptioned(*w, u"关闭"_s)->click();
  EXPECT_EQ(Open<TFrmNote>().size(), 1);
  EXPECT_TRUE(recorders.ui.modalTitles.empty());

  // Without VelBirth.dll the command ends silently and shows no window.
  std::filesystem::remove(dir.path() + "/VelBirth.dll");
  Choose({u"起名(&Q)"_s, u"姓名原理"_s});
  EXPECT_EQ(Open<TFrmNote>().size(), 1);
  EXPECT_TRUE(recorders.ui.errors.empty());
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(FortuneWindowsTest, ElementWindowLooksUpUpToFiveCharacters) {
  WhileShown<TFrmWuxing>([&](TFrmWuxing& w) {
    EXPECT_EQ(w.windowTitle(), u"五行查询(最多可以输入5个字)"_s);
    for (const QString& label : {u"输入字："_s, u"查看结果："_s}) EXPECT_TRUE(LabelTexts(w).contains(label));
    EXPECT_EQ(w.focusWidget(), w.edtInput);
    // Six characters cannot be entered: ten bytes are five characters.
    Commit(w.edtInput, u"张三丰张三丰"_s);
    EXPECT_EQ(w.edtInput->text(), u"张三丰张三"_s);
    ButtonCaptioned(w, u"查看"_s)->click();
    EXPECT_EQ(w.edtResult->text(), u"火金水火金"_s);
    w.edtInput->setText(u"張豐"_s);
    Enter(w.edtInput);
    EXPECT_EQ(w.edtResult->text(), u"火水"_s);
    // An empty input leaves the result; a quote is looked up as a value.
    w.edtInput->setText(u"  "_s);
    Enter(w.edtInput);
    EXPECT_EQ(w.edtResult->text(), u"火水"_s);
    w.edtInput->setText(u"'张"_s);
    Enter(w.edtInput);
    EXPECT_EQ(w.edtResult->text(), u""_s);
  });
  Click(u"文字五行"_s);
  EXPECT_EQ(recorders.ui.modalTitles, std::vector<QString>{u"五行查询(最多可以输入5个字)"_s});
  EXPECT_TRUE(recorders.ui.errors.empty());
}

TEST_F(FortuneWindowsTest, SurnameWindowListsSearchesAndKeepsItsText) {
  Choose({u"起名(&Q)"_s, u"姓氏起源"_s});
  Choose({u"起名(&Q)"_s, u"姓氏起源"_s});
  const QList<TFrmNameCome*> open = Open<TFrmNameCome>();
  ASSERT_EQ(open.size(), 2);
  TFrmNameCome* w = open[0];
  EXPECT_EQ(w->windowTitle(), u"姓氏起源"_s);
  EXPECT_FALSE(w->isModal());
  EXPECT_TRUE(LabelTexts(*w).contains(u"请输入姓氏或选择："_s));
  QStringList items;
  for (int i = 0; i < w->cbxSurname->count(); ++i) items << w->cbxSurname->itemText(i);
  EXPECT_EQ(items, (QStringList{u"李"_s, u"欧阳"_s, u"张"_s}));

  QPushButton* search = ButtonCaptioned(*w, u"开始搜索"_s);
  w->cbxSurname->setEditText(u" 张 "_s);
  search->click();
  EXPECT_EQ(w->Memo1->toPlainText(), u"张姓的来源。\n第二行。"_s);
  // A surname without a row keeps the text; an empty field clears it.
  w->cbxSurname->setEditText(u"赵"_s);
  search->click();
  EXPECT_EQ(w->Memo1->toPlainText(), u"张姓的来源。\n第二行。"_s);
  w->cbxSurname->setEditText(u""_s);
  search->click();
  EXPECT_EQ(w->Memo1->toPlainText(), u""_s);
  // Choosing from the list shows the origin at once.
  w->cbxSurname->setCurrentIndex(1);
  emit w->cbxSurname->activated(1);
  EXPECT_EQ(w->Memo1->toPlainText(), u"欧阳的来源。"_s);
  EXPECT_TRUE(recorders.info.messages.empty());
}

TEST_F(FortuneWindowsTest, BoyOrGirlWindowShowsTheChartsCellByCell) {
  WhileShown<TFrm_NanNv>([&](TFrm_NanNv& w) {
    EXPECT_EQ(w.windowTitle(), u"生男生女"_s);
    EXPECT_EQ(w.Explanation->text(),
              u"说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
              u"下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。"_s);
    ASSERT_EQ(w.PageControl1->count(), 3);
    EXPECT_EQ(w.PageControl1->tabText(0), u"18到31岁"_s);
    EXPECT_EQ(w.PageControl1->tabText(1), u"32到44岁"_s);
    EXPECT_EQ(w.PageControl1->tabText(2), u"生男生女有秘诀"_s);
    EXPECT_TRUE(LabelTexts(w).contains(u"续表：32-44岁"_s));
    struct Page {
      QTableWidget* table;
      int firstAge, lastAge;
    } pages[] = {{w.Chart1, 18, 31}, {w.Chart2, 32, 44}};
    for (const Page& p : pages) {
      ASSERT_EQ(p.table->rowCount(), 12);
      ASSERT_EQ(p.table->columnCount(), p.lastAge - p.firstAge + 1);
      for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(p.table->verticalHeaderItem(m - 1)->text(), QString::number(m) + u"月"_s);
        for (int a = p.firstAge; a <= p.lastAge; ++a) {
          EXPECT_EQ(p.table->horizontalHeaderItem(a - p.firstAge)->text(), QString::number(a));
          EXPECT_EQ(p.table->item(m - 1, a - p.firstAge)->text(), GbkToQString(BoyOrGirl(a, m))) << m << "/" << a;
        }
      }
    }
    ASSERT_NE(w.Picture, nullptr);
    EXPECT_FALSE(w.Picture->pixmap().isNull());
  });
  Choose({u"工具(&G)"_s, u"生男生女"_s});
  Click(u"生男生女"_s);
  EXPECT_EQ(recorders.ui.modalTitles.size(), 2u);
}

}  // namespace
}  // namespace lumeno::fortune
