// The switchboard walk: every menu entry and every panel button of the main
// window is triggered in turn, and what it did is described in one line
// (which window it opened, modal or not, with what inside; which dialog,
// message, link or report it produced; or nothing). The table below says
// what each one must do. A missing or crossed wire fails here.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <memory>

#include "app/Unt_Main.h"
#include "bazi/report.h"
#include "core/pane.h"
#include "core/qt/qtext.h"
#include "fortune/article.h"
#include "fortune/ui/TFormHuangdao.h"
#include "fortune/ui/TFormJiri.h"
#include "numerology/name_report.h"
#include "ui_fixture.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

// What a window is, as the walk reports it: its class, and what tells one
// window of that class from another.
QString Describe(QWidget* w) {
  const QString cls = QString::fromLatin1(w->metaObject()->className()).section(u"::"_s, -1);
  if (auto* jiri = qobject_cast<fortune::TFormJiri*>(w))
    return cls + u" "_s + GbkToQString(jiri->Activity());
  if (auto* almanac = qobject_cast<fortune::TFormHuangdao*>(w))
    return cls + u" "_s + almanac->CbYear->currentText() + almanac->CbMonth->currentText() +
           almanac->CbDay->currentText();
  if (cls == u"QDialog"_s || cls == u"TFrmNote"_s || cls == u"TFormOnther"_s) return cls + u" "_s + w->windowTitle();
  return cls;
}

class SwitchboardWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    // The shipped databases beside the test program; modal windows are
    // recorded by class and closed at once.
    rec.ui.whileShown = [this](QDialog& d) { modal.push_back(u"modal "_s + Describe(&d)); };
    window = std::make_unique<TFrmmain>();
    window->show();
    QApplication::processEvents();
  }
  void TearDown() override { CloseNewWindows({}); }

  QPushButton* PanelButton(const QString& panel, const QString& caption) {
    auto* frame = window->findChild<QFrame*>(panel);
    return frame ? testing::ButtonCaptioned(*frame, caption) : nullptr;
  }

  // Closes every window that the last command opened; returns their
  // descriptions.
  QStringList CloseNewWindows(const QSet<QWidget*>& before) {
    QStringList opened;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w == window.get() || before.contains(w) || !w->isVisible()) continue;
      opened << u"window "_s + Describe(w);
      w->close();
      if (!w->testAttribute(Qt::WA_DeleteOnClose)) w->deleteLater();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    opened.sort();
    return opened;
  }

  // Runs one command from a known state and says what it did.
  QString Effect(const std::function<void()>& trigger) {
    window->NameA->setText(u"张"_s);
    window->NameB->setText(u"三"_s);
    window->OutputPane().SetLines({"marker"});
    rec.info.messages.clear();
    rec.ui = testing::FakeUi();
    rec.ui.whileShown = [this](QDialog& d) { modal.push_back(u"modal "_s + Describe(&d)); };
    modal.clear();
    const int ends = rec.processEnds;
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets()) before.insert(w);

    trigger();
    QApplication::processEvents();

    QStringList what = modal;
    what << CloseNewWindows(before);
    for (const std::string& m : rec.info.messages) what << u"info "_s + GbkToQString(m);
    for (const QString& e : rec.ui.errors) what << u"error "_s + e;
    for (const QUrl& u : rec.ui.urls) what << u"link "_s + u.toString();
    if (rec.ui.openRequests) what << u"open dialog"_s;
    if (!rec.ui.saveRequests.empty()) what << u"save dialog"_s;
    if (rec.ui.printRequests) what << u"print dialog"_s;
    if (rec.ui.pageSetups) what << u"page setup"_s;
    if (rec.processEnds != ends) what << u"end"_s;
    const std::vector<std::string> lines = window->OutputPane().Lines();
    if (lines != std::vector<std::string>{"marker"}) {
      if (lines.empty()) what << u"pane cleared"_s;
      else if (lines == nameReport) what << u"name report"_s;
      else if (lines == baziReport) what << u"bazi report"_s;
      else if (lines == talentsReport) what << u"talents report"_s;
      else what << u"pane changed"_s;
    }
    if (window->NameA->text().isEmpty() && window->NameB->text().isEmpty()) what << u"names cleared"_s;
    return what.isEmpty() ? u"nothing"_s : what.join(u"; "_s);
  }

  // The reports the pane must hold after the report commands, computed by
  // the plain operations for the same inputs.
  void ComputeReports() {
    const int year = QDate::currentDate().year();
    numerology::NameInputs in = window->NameInputs();
    numerology::AnalysisState state;
    MemoryPane name;
    data::Query q(data::ConnectionStringFor(data::DatabaseFile::VelFile));
    numerology::RunNameAnalysis(in, state, name, year, false, q);
    nameReport = name.lines;
    MemoryPane talents;
    numerology::RunThreeTalents(state, talents, q);
    talentsReport = talents.lines;
    bazi::BaziInputs b;
    b.surname = in.surname;
    b.sex = "男";
    b.year = in.year;
    b.month = in.month;
    b.day = in.day;
    b.hourItem = in.hourItem;
    b.minute = in.minute;
    b.calendarIndex = in.calendarIndex;
    MemoryPane bazi;
    bazi::BaziReport(b, bazi, year);
    baziReport = bazi.lines;
  }

  testing::UiRecorders rec;
  std::unique_ptr<TFrmmain> window;
  QStringList modal;
  std::vector<std::string> nameReport, baziReport, talentsReport;
};

QString ArticleTitle(const char* code) {
  MemoryPane pane;
  return GbkToQString(fortune::LoadArticle(code, pane));
}

TEST_F(SwitchboardWalk, EveryEntryAndButtonLeadsWhereItShould) {
  window->NameA->setText(u"张"_s);
  window->NameB->setText(u"三"_s);
  ComputeReports();
  ASSERT_FALSE(nameReport.empty());
  ASSERT_FALSE(baziReport.empty());
  // 三才吉凶 reads what the last name analysis left; run one first so the
  // reading has its names.
  window->CmdNameAnalysis();

  const QString none = u"nothing"_s;
  auto article = [](const char* code) { return u"window TFrmNote "_s + ArticleTitle(code); };
  auto divination = [](const char16_t* title) { return u"window TFormOnther "_s + QString::fromUtf16(title); };
  auto luckyDays = [](const char16_t* activity) { return u"window TFormJiri "_s + QString::fromUtf16(activity); };
  const QString today = QDate::currentDate().toString(u"yyyyMMdd"_s);
  const QString naming = u"modal TFrmQiming"_s;

  struct Row {
    QStringList where;  // a menu path, or {panel object name, caption} for a button
    QString effect;
  };
  const std::vector<Row> menus = {
      {{u"系统(&S)"_s, u"新建测算"_s}, u"pane cleared; names cleared"_s},
      {{u"系统(&S)"_s, u"打开记录..."_s}, u"open dialog"_s},
      {{u"系统(&S)"_s, u"保存测算"_s}, u"save dialog"_s},
      {{u"系统(&S)"_s, u"另存测算"_s}, u"save dialog"_s},
      {{u"系统(&S)"_s, u"打印设置..."_s}, u"page setup"_s},
      {{u"系统(&S)"_s, u"打印结果"_s}, u"print dialog"_s},
      {{u"系统(&S)"_s, u"更多查询"_s}, none},
      {{u"系统(&S)"_s, u"退出系统"_s}, u"end"_s},
      {{u"起名(&Q)"_s, u"姓名原理"_s}, article("a1")},
      {{u"起名(&Q)"_s, u"姓氏起源"_s}, u"window TFrmNameCome"_s},
      {{u"起名(&Q)"_s, u"起名宝典"_s}, naming},
      {{u"起名(&Q)"_s, u"姓名分析"_s}, u"name report"_s},
      {{u"起名(&Q)"_s, u"姓名评分"_s}, naming},
      {{u"起名(&Q)"_s, u"三才吉凶"_s}, u"talents report"_s},
      {{u"起名(&Q)"_s, u"起名常用汉字繁体字"_s}, article("QM01")},
      {{u"起名(&Q)"_s, u"姓名与命运"_s}, article("QM02")},
      {{u"起名(&Q)"_s, u"姓名与性格"_s}, article("QM03")},
      {{u"起名(&Q)"_s, u"五行与数字"_s}, article("QM04")},
      {{u"起名(&Q)"_s, u"五格剖象法"_s}, article("QM05")},
      {{u"起名(&Q)"_s, u"数理暗示因素"_s}, article("QM06")},
      {{u"起名(&Q)"_s, u"81数理运势诱导"_s}, article("QM07")},
      {{u"起名(&Q)"_s, u"姓名字划计算方法"_s}, article("QM08")},
      {{u"起名(&Q)"_s, u"天人地格三才配置"_s}, article("QM09")},
      {{u"起名(&Q)"_s, u"吉祥名字重要性"_s}, article("XM012")},
      {{u"起名(&Q)"_s, u"姓名学知识与取名"_s}, article("XM001")},
      {{u"起名(&Q)"_s, u"取名规则"_s}, article("XM011")},
      {{u"起名(&Q)"_s, u"企业取名规则"_s}, article("XM013")},
      {{u"起名(&Q)"_s, u"取笔名规则"_s}, article("XM014")},
      {{u"起名(&Q)"_s, u"取艺名规则"_s}, article("XM015")},
      {{u"配对(&P)"_s, u"缘分测试"_s}, none},
      {{u"配对(&P)"_s, u"星座配对"_s}, none},
      {{u"配对(&P)"_s, u"生肖配对"_s}, none},
      {{u"配对(&P)"_s, u"血型配对"_s}, none},
      {{u"配对(&P)"_s, u"QQ缘分配对"_s}, u"modal TFormQQpeidui"_s},
      {{u"吉日(&D)"_s, u"黄道吉日"_s}, u"window TFormHuangdao "_s},
      {{u"吉日(&D)"_s, u"吉日查询"_s}, u"window TFormJiri "_s},
      {{u"吉日(&D)"_s, u"开市吉日"_s}, luckyDays(u"开市")},
      {{u"吉日(&D)"_s, u"交易吉日"_s}, luckyDays(u"交易")},
      {{u"吉日(&D)"_s, u"嫁娶吉日"_s}, luckyDays(u"嫁娶")},
      {{u"吉日(&D)"_s, u"入宅吉日"_s}, luckyDays(u"入宅")},
      {{u"吉日(&D)"_s, u"入学吉日"_s}, luckyDays(u"入学")},
      {{u"吉日(&D)"_s, u"纳财吉日"_s}, luckyDays(u"纳财")},
      {{u"吉日(&D)"_s, u"订盟吉日"_s}, luckyDays(u"订盟")},
      {{u"吉日(&D)"_s, u"安门吉日"_s}, luckyDays(u"安门")},
      {{u"吉日(&D)"_s, u"出行吉日"_s}, luckyDays(u"出行")},
      {{u"吉日(&D)"_s, u"开光吉日"_s}, luckyDays(u"开光")},
      {{u"吉日(&D)"_s, u"求嗣吉日"_s}, luckyDays(u"求嗣")},
      {{u"吉日(&D)"_s, u"祈福吉日"_s}, luckyDays(u"祈福")},
      {{u"吉日(&D)"_s, u"破土吉日"_s}, luckyDays(u"破土")},
      {{u"吉日(&D)"_s, u"祭祀吉日"_s}, luckyDays(u"祭祀")},
      {{u"吉日(&D)"_s, u"安葬吉日"_s}, luckyDays(u"安葬")},
      {{u"解梦(&M)"_s, u"周公解析"_s}, none},
      {{u"解梦(&M)"_s, u"解梦全书"_s}, none},
      {{u"占卜(&B)"_s, u"打喷嚏占卜"_s}, divination(u"打喷嚏占卜吉凶")},
      {{u"占卜(&B)"_s, u"面热测占卜"_s}, divination(u"面热测吉凶")},
      {{u"占卜(&B)"_s, u"心惊测占卜"_s}, divination(u"心惊测吉凶")},
      {{u"占卜(&B)"_s, u"犬吠测占卜"_s}, divination(u"犬吠测吉凶")},
      {{u"占卜(&B)"_s, u"眼跳测占卜"_s}, divination(u"眼跳测吉凶")},
      {{u"占卜(&B)"_s, u"耳热测占卜"_s}, divination(u"耳热测吉凶")},
      {{u"占卜(&B)"_s, u"耳鸣测占卜"_s}, divination(u"耳鸣测吉凶")},
      {{u"工具(&G)"_s, u"手机号码分析"_s}, u"modal TFrm_SJcs"_s},
      {{u"工具(&G)"_s, u"QQ号码分析"_s}, u"modal TFrmQQhm"_s},
      {{u"工具(&G)"_s, u"更多数字分析"_s}, u"modal TFrm_onther"_s},
      {{u"工具(&G)"_s, u"网名分析"_s}, u"modal TFrmWangming"_s},
      {{u"工具(&G)"_s, u"生男生女"_s}, u"modal TFrm_NanNv"_s},
      {{u"工具(&G)"_s, u"万年历法"_s}, u"modal TFRM_Date"_s},
      {{u"造命(&Z)"_s, u"八字与姓名"_s, u"姓名原理"_s}, article("a1")},
      {{u"造命(&Z)"_s, u"八字与姓名"_s, u"八字与起名的重要性"_s}, article("a6")},
      {{u"造命(&Z)"_s, u"八字与姓名"_s, u"吉祥宝宝起名方法"_s}, article("a7")},
      {{u"造命(&Z)"_s, u"八字与姓名"_s, u"择日生子（仅参考）"_s}, article("a8")},
      {{u"造命(&Z)"_s, u"命自我立"_s}, article("b1")},
      {{u"造命(&Z)"_s, u"三世因果经"_s}, article("b2")},
      {{u"造命(&Z)"_s, u"心命歌"_s}, article("b3")},
      {{u"造命(&Z)"_s, u"太上感应篇"_s}, article("b4")},
      {{u"造命(&Z)"_s, u"孝经"_s}, article("b5")},
      {{u"造命(&Z)"_s, u"孝悌歌"_s}, article("b6")},
      {{u"造命(&Z)"_s, u"孝顺歌"_s}, article("b7")},
      {{u"造命(&Z)"_s, u"亲恩歌"_s}, article("b8")},
      {{u"造命(&Z)"_s, u"孝道良心歌"_s}, article("b9")},
      {{u"造命(&Z)"_s, u"闺训千字文"_s}, article("b10")},
      {{u"造命(&Z)"_s, u"孔子与小儿论"_s}, article("b11")},
      {{u"造命(&Z)"_s, u"朱子治家格言"_s}, article("b12")},
      {{u"造命(&Z)"_s, u"百忍歌"_s}, article("b13")},
      {{u"服务(&V)"_s, u"客户服务"_s}, u"modal QDialog 人工起名服务"_s},
      {{u"服务(&V)"_s, u"给我们发邮件"_s}, u"link mailto:service@lumeno.example.org"_s},
      {{u"服务(&V)"_s, u"与QQ对话"_s}, u"link https://lumeno.example.org/chat"_s},
      {{u"服务(&V)"_s, u"其他产品"_s, u"设备管理系统"_s}, u"link https://lumeno.example.org/products/equipment"_s},
      {{u"帮助(&H)"_s, u"公司主页"_s}, u"link https://lumeno.example.org/"_s},
      {{u"帮助(&H)"_s, u"关于系统"_s}, u"modal QDialog 关于系统"_s},
      {{u"帮助(&H)"_s, u"软件升级"_s}, u"info 感谢你的使用,软件是最新版无需升级!"_s},
  };
  const std::vector<Row> buttons = {
      {{u"UpperPanel"_s, u"马上起名"_s}, naming},
      {{u"UpperPanel"_s, u"八字分析"_s}, u"bazi report"_s},
      {{u"UpperPanel"_s, u"姓名详解"_s}, u"name report"_s},
      {{u"UpperPanel"_s, u"起英文名"_s}, none},
      {{u"UpperPanel"_s, u"文字五行"_s}, u"modal TFrmWuxing"_s},
      {{u"UpperPanel"_s, u"起小名"_s}, none},
      {{u"UpperPanel"_s, u"联系QQ"_s}, u"link https://lumeno.example.org/chat"_s},
      {{u"BottomPanel"_s, u"打印"_s}, u"print dialog"_s},
      {{u"BottomPanel"_s, u"保存"_s}, u"save dialog"_s},
      {{u"BottomPanel"_s, u"退出"_s}, u"end"_s},
      {{u"BottomPanel"_s, u"官方网站"_s}, u"link https://lumeno.example.org/"_s},
      {{u"BottomPanel"_s, u"人工起名"_s}, u"modal QDialog 人工起名服务"_s},
      {{u"SidePanel"_s, u"周公解析"_s}, none},
      {{u"SidePanel"_s, u"解梦全书"_s}, none},
      {{u"SidePanel"_s, u"打喷嚏占卜"_s}, divination(u"打喷嚏占卜吉凶")},
      {{u"SidePanel"_s, u"面热测占卜"_s}, divination(u"面热测吉凶")},
      {{u"SidePanel"_s, u"心惊测占卜"_s}, divination(u"心惊测吉凶")},
      {{u"SidePanel"_s, u"犬吠测占卜"_s}, divination(u"犬吠测吉凶")},
      {{u"SidePanel"_s, u"眼跳测占卜"_s}, divination(u"眼跳测吉凶")},
      {{u"SidePanel"_s, u"耳热测占卜"_s}, divination(u"耳热测吉凶")},
      {{u"SidePanel"_s, u"耳鸣测占卜"_s}, divination(u"耳鸣测吉凶")},
      {{u"SidePanel"_s, u"手机分析"_s}, u"modal TFrm_SJcs"_s},
      {{u"SidePanel"_s, u"QQ号码分析"_s}, u"modal TFrmQQhm"_s},
      {{u"SidePanel"_s, u"数字分析"_s}, u"modal TFrm_onther"_s},
      {{u"SidePanel"_s, u"网名分析"_s}, u"modal TFrmWangming"_s},
      {{u"SidePanel"_s, u"生男生女"_s}, u"modal TFrm_NanNv"_s},
      {{u"SidePanel"_s, u"万年历法"_s}, u"modal TFRM_Date"_s},
      {{u"SidePanel"_s, u"黄道吉日"_s}, u"window TFormHuangdao "_s},
      {{u"SidePanel"_s, u"本日吉日"_s}, u"window TFormHuangdao "_s + today},
      {{u"SidePanel"_s, u"开市吉日"_s}, luckyDays(u"开市")},
      {{u"SidePanel"_s, u"交易吉日"_s}, luckyDays(u"交易")},
      {{u"SidePanel"_s, u"嫁娶吉日"_s}, luckyDays(u"嫁娶")},
      {{u"SidePanel"_s, u"入宅吉日"_s}, luckyDays(u"入宅")},
      {{u"SidePanel"_s, u"入学吉日"_s}, luckyDays(u"入学")},
      {{u"SidePanel"_s, u"纳财吉日"_s}, luckyDays(u"纳财")},
      {{u"SidePanel"_s, u"订盟吉日"_s}, luckyDays(u"订盟")},
      {{u"SidePanel"_s, u"安门吉日"_s}, luckyDays(u"安门")},
      {{u"SidePanel"_s, u"出行吉日"_s}, luckyDays(u"出行")},
      {{u"SidePanel"_s, u"开光吉日"_s}, luckyDays(u"开光")},
      {{u"SidePanel"_s, u"求嗣吉日"_s}, luckyDays(u"求嗣")},
      {{u"SidePanel"_s, u"祈福吉日"_s}, luckyDays(u"祈福")},
      {{u"SidePanel"_s, u"破土吉日"_s}, luckyDays(u"破土")},
      {{u"SidePanel"_s, u"祭祀吉日"_s}, luckyDays(u"祭祀")},
      {{u"SidePanel"_s, u"安葬吉日"_s}, luckyDays(u"安葬")},
  };

  // Every entry of the menu bar and every button of the three panels is in
  // the table, and nothing else.
  int menuEntries = 0;
  std::function<void(QMenu*)> countEntries = [&](QMenu* menu) {
    for (QAction* a : menu->actions()) {
      if (a->isSeparator()) continue;
      if (a->menu()) countEntries(a->menu());
      else ++menuEntries;
    }
  };
  for (QAction* top : window->menuBar()->actions()) countEntries(top->menu());
  EXPECT_EQ(menuEntries, static_cast<int>(menus.size()));
  int panelButtons = 0;
  for (const char16_t* panel : {u"UpperPanel", u"BottomPanel", u"SidePanel"})
    panelButtons += static_cast<int>(window->findChild<QFrame*>(QString::fromUtf16(panel))->findChildren<QPushButton*>().size());
  EXPECT_EQ(panelButtons, static_cast<int>(buttons.size()));

  for (const Row& r : menus) {
    QAction* a = testing::MenuEntry(window->menuBar(), r.where);
    ASSERT_NE(a, nullptr) << r.where.join(u" > "_s).toStdString();
    EXPECT_EQ(Effect([a] { a->trigger(); }).toStdString(), r.effect.toStdString()) << r.where.join(u" > "_s).toStdString();
  }
  for (const Row& r : buttons) {
    QPushButton* b = PanelButton(r.where[0], r.where[1]);
    ASSERT_NE(b, nullptr) << r.where.join(u" > "_s).toStdString();
    EXPECT_EQ(Effect([b] { b->click(); }).toStdString(), r.effect.toStdString()) << r.where.join(u" > "_s).toStdString();
  }
}

}  // namespace
}  // namespace lumeno::app
