#include "app/Unt_Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_end.h"
#include "app/artwork.h"
#include "app/birth_inputs.h"
#include "app/command_runner.h"
#include "app/file_io.h"
#include "app/locale_settings.h"
#include "app/look.h"
#include "app/name_validator.h"
#include "app/links.h"
#include "app/printing.h"
#include "app/report_text.h"
#include "app/save_report.h"
#include "app/ui_services.h"
#include "bazi/report.h"
#include "calendar/ui/DateWin.h"
#include "core/qt/qtext.h"
#include "core/text.h"
#include "data/database.h"
#include "data/info.h"
#include "fortune/almanac.h"
#include "fortune/ui/NameCome.h"
#include "fortune/ui/NanNv.h"
#include "fortune/ui/Note.h"
#include "fortune/ui/NumberWindows.h"
#include "fortune/ui/Onther.h"
#include "fortune/ui/TFormHuangdao.h"
#include "fortune/ui/TFormJiri.h"
#include "fortune/ui/Wangming.h"
#include "fortune/ui/Wuxing.h"
#include "naming/ui/BaobeiMain.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

namespace {

// Where the periphery commands lead. The program has no web presence of its
// own yet; these addresses are the ones its documentation names.
const QUrl kHomePage(u"https://lumeno.example.org/"_s);
const QUrl kChatPage(u"https://lumeno.example.org/chat"_s);
const QUrl kMailAddress(u"mailto:service@lumeno.example.org"_s);
const QUrl kOtherProductPage(u"https://lumeno.example.org/products/equipment"_s);

// A line of text that drifts slowly from right to left, for the service
// notice of the bottom panel.
class MarqueeLabel : public QWidget {
 public:
  MarqueeLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    timer_.setInterval(40);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
      offset_ -= 1;
      if (offset_ < -fontMetrics().horizontalAdvance(text_)) offset_ = width();
      update();
    });
    setMinimumHeight(fontMetrics().height() + 4);
  }

 protected:
  void showEvent(QShowEvent*) override {
    if (offset_ == 0) offset_ = width() / 3;
    timer_.start();
  }
  void hideEvent(QHideEvent*) override { timer_.stop(); }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QColor(0x8A, 0x2A, 0x1E));
    p.drawText(QRect(offset_, 0, fontMetrics().horizontalAdvance(text_) + 4, height()),
               Qt::AlignVCenter | Qt::AlignLeft, text_);
  }

 private:
  QString text_;
  QTimer timer_;
  int offset_ = 0;
};

}  // namespace

// The output area: the painted background picture, stretched to the area,
// with the output pane lying over it.
class BackgroundArea : public QWidget {
 public:
  explicit BackgroundArea(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture_.size() != size()) picture_ = PaintBackground(size());
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
  }

 private:
  QPixmap picture_;
};

QString TFrmmain::Caption() { return u"Lumeno 宝宝起名测算 标准版 "_s + QStringLiteral(LUMENO_VERSION); }

TFrmmain::TFrmmain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      infoBox_(this) {
  // The message box becomes the information sink unless one is installed
  // already (the tests' recorder, for one).
  data::InfoSink* present = data::SetInfoSink(&infoBox_);
  if (present) data::SetInfoSink(present);
  else ownsInfoSink_ = true;
  setObjectName(u"TFrmmain"_s);
  setWindowTitle(Caption());
  setWindowIcon(AppIcon());
  setFont(ProgramFont());

  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(4, 4, 4, 4);
  outer->setSpacing(4);

  // Upper panel: the inputs at the left, the report buttons beside them.
  auto* upper = new QFrame(central);
  upper->setObjectName(u"UpperPanel"_s);
  upper->setFrameShape(QFrame::StyledPanel);
  auto* upperLayout = new QHBoxLayout(upper);
  upperLayout->setContentsMargins(8, 6, 8, 6);
  upperLayout->setSpacing(12);
  auto* inputs = new QGridLayout();
  inputs->setHorizontalSpacing(4);
  inputs->setVerticalSpacing(6);
  BuildInputs(inputs);
  upperLayout->addLayout(inputs);
  upperLayout->addStretch(1);
  upperLayout->addWidget(BuildUpperButtons());
  outer->addWidget(upper);

  // Middle: the side panel and the output area.
  auto* middle = new QHBoxLayout();
  middle->setSpacing(4);
  middle->addWidget(BuildSidePanel());
  background_ = new BackgroundArea(central);
  background_->setObjectName(u"OutputArea"_s);
  auto* areaLayout = new QVBoxLayout(background_);
  areaLayout->setContentsMargins(0, 0, 0, 0);
  RzMemo1 = new QPlainTextEdit(background_);
  RzMemo1->setObjectName(u"RzMemo1"_s);
  RzMemo1->setReadOnly(true);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  RzMemo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  StyleReportWidget(RzMemo1);
  RzMemo1->setVisible(false);
  areaLayout->addWidget(RzMemo1);
  middle->addWidget(background_, 1);
  outer->addLayout(middle, 1);

  outer->addWidget(BuildBottomPanel());
  setCentralWidget(central);
  pane_ = std::make_unique<PlainTextPane>(RzMemo1);

  BuildMenus();
  setFixedSize(800, 600);
  // Centred on the screen; window managers keep this as the first place.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TFrmmain::~TFrmmain() {
  if (ownsInfoSink_) {
    data::InfoSink* present = data::SetInfoSink(nullptr);
    if (present != &infoBox_) data::SetInfoSink(present);
  }
}

void TFrmmain::BuildInputs(QGridLayout* grid) {
  QWidget* owner = grid->parentWidget() ? grid->parentWidget() : this;
  NameA = new QLineEdit(owner);
  NameA->setObjectName(u"NameA"_s);
  NameB = new QLineEdit(owner);
  NameB->setObjectName(u"NameB"_s);
  for (QLineEdit* name : {NameA, NameB}) {
    name->setValidator(new NameValidator(/*doubleByteOnly=*/true, /*maxBytes=*/4, name));
    name->setFixedWidth(64);
  }
  Sex = MakeInputCombo(owner, {u"男"_s, u"女"_s}, u"男"_s, 52);
  Sex->setObjectName(u"Sex"_s);
  ComDate = MakeInputCombo(owner, {u"公历"_s, u"农历"_s}, u"公历"_s, 64);
  ComDate->setObjectName(u"ComDate"_s);
  SYear = MakeInputCombo(owner, NumberItems(1900, 2100), u"1980"_s, 64);
  SYear->setObjectName(u"SYear"_s);
  SMonth = MakeInputCombo(owner, NumberItems(1, 12), u"1"_s, 52);
  SMonth->setObjectName(u"SMonth"_s);
  Sday = MakeInputCombo(owner, NumberItems(1, 31), u"1"_s, 52);
  Sday->setObjectName(u"Sday"_s);
  Shour = MakeInputCombo(owner, HourItems(), u"子 0"_s, 64);
  Shour->setObjectName(u"Shour"_s);
  CBFen = MakeInputCombo(owner, NumberItems(0, 59), u"0"_s, 52);
  CBFen->setObjectName(u"CBFen"_s);

  // Row 1: the names, the sex and the calendar kind; row 2: the birth moment.
  // The calendar kind has no caption of its own.
  grid->addLayout(InputRow(owner, {{u"姓", NameA}, {u"名", NameB}, {u"性别", Sex}, {nullptr, ComDate}}), 0, 0);
  grid->addLayout(InputRow(owner, {{u"年", SYear}, {u"月", SMonth}, {u"日", Sday}, {u"时", Shour}, {u"分", CBFen}}), 1, 0);
}

template <class F>
void TFrmmain::Connect(QAction* action, F command) {
  connect(action, &QAction::triggered, this, [this, command] { RunCommand(this, command); });
}

template <class F>
QPushButton* TFrmmain::Button(const QString& caption, F command) {
  auto* button = new QPushButton(caption, this);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::TabFocus);
  connect(button, &QPushButton::clicked, this, [this, command] { RunCommand(this, command); });
  return button;
}

QAction* TFrmmain::Entry(QMenu* menu, const QString& caption, void (TFrmmain::*command)()) {
  QAction* action = menu->addAction(caption);
  Connect(action, [this, command] { (this->*command)(); });
  return action;
}

QAction* TFrmmain::ArticleEntry(QMenu* menu, const QString& caption, const char* code) {
  QAction* action = menu->addAction(caption);
  std::string articleCode = code;
  Connect(action, [this, articleCode] { CmdArticle(articleCode); });
  return action;
}

namespace {
// The seven body signs of the divination commands, kinds 0-6, with the
// captions of their windows (GBK, as the divination window takes them).
struct Sign {
  const char16_t* caption;
  const char* title;
};
const Sign kSigns[] = {
    {u"打喷嚏占卜", "打喷嚏占卜吉凶"}, {u"面热测占卜", "面热测吉凶"}, {u"心惊测占卜", "心惊测吉凶"},
    {u"犬吠测占卜", "犬吠测吉凶"},     {u"眼跳测占卜", "眼跳测吉凶"}, {u"耳热测占卜", "耳热测吉凶"},
    {u"耳鸣测占卜", "耳鸣测吉凶"},
};
}  // namespace

void TFrmmain::BuildMenus() {
  QMenuBar* bar = menuBar();
  using T = TFrmmain;

  QMenu* system = bar->addMenu(u"系统(&S)"_s);
  Entry(system, u"新建测算"_s, &T::CmdNewReckoning);
  Entry(system, u"打开记录..."_s, &T::CmdOpenRecord);
  system->addSeparator();
  Entry(system, u"保存测算"_s, &T::CmdSave);
  Entry(system, u"另存测算"_s, &T::CmdSave);
  system->addSeparator();
  Entry(system, u"打印设置..."_s, &T::CmdPageSetup);
  Entry(system, u"打印结果"_s, &T::CmdPrint);
  Entry(system, u"更多查询"_s, &T::CmdNoEffect)->setVisible(false);
  Entry(system, u"退出系统"_s, &T::CmdExit);

  QMenu* naming = bar->addMenu(u"起名(&Q)"_s);
  ArticleEntry(naming, u"姓名原理"_s, "a1");
  Entry(naming, u"姓氏起源"_s, &T::CmdSurnameOrigin);
  Entry(naming, u"起名宝典"_s, &T::CmdNaming);
  Entry(naming, u"姓名分析"_s, &T::CmdNameAnalysis);
  Entry(naming, u"姓名评分"_s, &T::CmdNaming);
  Entry(naming, u"三才吉凶"_s, &T::CmdThreeTalents);
  // The articles on the naming rules as this program applies them.
  static const struct {
    const char16_t* caption;
    const char* code;
  } kNamingArticles[] = {{u"起名常用汉字繁体字", "QM01"}, {u"姓名与命运", "QM02"},     {u"姓名与性格", "QM03"},
                         {u"五行与数字", "QM04"},         {u"五格剖象法", "QM05"},     {u"数理暗示因素", "QM06"},
                         {u"81数理运势诱导", "QM07"},     {u"姓名字划计算方法", "QM08"}, {u"天人地格三才配置", "QM09"}};
  for (const auto& a : kNamingArticles) ArticleEntry(naming, QString::fromUtf16(a.caption), a.code);
  // The XM entries share one command, which reads the article code from the
  // entry's hint.
  auto hintArticle = [this, naming](const QString& caption, const QString& code) {
    QAction* action = naming->addAction(caption);
    action->setToolTip(code);
    Connect(action, [this, action] { CmdArticle(QStringToGbk(action->toolTip())); });
    return action;
  };
  hintArticle(u"吉祥名字重要性"_s, u"XM012"_s);
  hintArticle(u"姓名学知识与取名"_s, u"XM001"_s)->setVisible(false);
  hintArticle(u"取名规则"_s, u"XM011"_s);
  hintArticle(u"企业取名规则"_s, u"XM013"_s);
  hintArticle(u"取笔名规则"_s, u"XM014"_s);
  hintArticle(u"取艺名规则"_s, u"XM015"_s);

  QMenu* pairing = bar->addMenu(u"配对(&P)"_s);
  for (const char16_t* caption : {u"缘分测试", u"星座配对", u"生肖配对", u"血型配对"})
    Entry(pairing, QString::fromUtf16(caption), &T::CmdNoEffect);
  Entry(pairing, u"QQ缘分配对"_s, &T::CmdQQPairing);

  QMenu* days = bar->addMenu(u"吉日(&D)"_s);
  Entry(days, u"黄道吉日"_s, &T::CmdAlmanac);
  Entry(days, u"吉日查询"_s, &T::CmdLuckyDaySearch);
  for (const fortune::LuckyDayCommand& c : fortune::LuckyDayCommands) {
    const std::string activity(c.activity);
    Connect(days->addAction(GbkToQString(c.caption)), [this, activity] { CmdLuckyDays(activity); });
  }

  QMenu* dreams = bar->addMenu(u"解梦(&M)"_s);
  Entry(dreams, u"周公解析"_s, &T::CmdNoEffect);
  Entry(dreams, u"解梦全书"_s, &T::CmdNoEffect);

  QMenu* divination = bar->addMenu(u"占卜(&B)"_s);
  for (int kind = 0; kind < 7; ++kind) {
    QAction* action = divination->addAction(QString::fromUtf16(kSigns[kind].caption));
    std::string title = kSigns[kind].title;
    Connect(action, [this, kind, title] { CmdDivination(kind, title); });
  }

  QMenu* tools = bar->addMenu(u"工具(&G)"_s);
  Entry(tools, u"手机号码分析"_s, &T::CmdMobileNumber);
  Entry(tools, u"QQ号码分析"_s, &T::CmdQQNumber);
  Entry(tools, u"更多数字分析"_s, &T::CmdAnyNumber);
  Entry(tools, u"网名分析"_s, &T::CmdNickname);
  Entry(tools, u"生男生女"_s, &T::CmdBoyOrGirl);
  Entry(tools, u"万年历法"_s, &T::CmdCalendar);

  QMenu* fate = bar->addMenu(u"造命(&Z)"_s);
  QMenu* baziAndName = fate->addMenu(u"八字与姓名"_s);
  ArticleEntry(baziAndName, u"姓名原理"_s, "a1");
  ArticleEntry(baziAndName, u"八字与起名的重要性"_s, "a6");
  ArticleEntry(baziAndName, u"吉祥宝宝起名方法"_s, "a7");
  ArticleEntry(baziAndName, u"择日生子（仅参考）"_s, "a8");
  static const struct {
    const char16_t* caption;
    const char* code;
  } kClassics[] = {{u"命自我立", "b1"},   {u"三世因果经", "b2"},   {u"心命歌", "b3"},       {u"太上感应篇", "b4"},
                   {u"孝经", "b5"},       {u"孝悌歌", "b6"},       {u"孝顺歌", "b7"},       {u"亲恩歌", "b8"},
                   {u"孝道良心歌", "b9"}, {u"闺训千字文", "b10"},  {u"孔子与小儿论", "b11"}, {u"朱子治家格言", "b12"},
                   {u"百忍歌", "b13"}};
  for (const auto& c : kClassics) ArticleEntry(fate, QString::fromUtf16(c.caption), c.code);

  QMenu* service = bar->addMenu(u"服务(&V)"_s);
  Entry(service, u"客户服务"_s, &T::CmdCustomerService);
  Entry(service, u"给我们发邮件"_s, &T::CmdMail);
  Entry(service, u"与QQ对话"_s, &T::CmdQQChat);
  QMenu* products = service->addMenu(u"其他产品"_s);
  Entry(products, u"设备管理系统"_s, &T::CmdOtherProduct);

  QMenu* help = bar->addMenu(u"帮助(&H)"_s);
  Entry(help, u"公司主页"_s, &T::CmdHomePage);
  Entry(help, u"关于系统"_s, &T::CmdAbout);
  Entry(help, u"软件升级"_s, &T::CmdUpgrade);
}

QWidget* TFrmmain::BuildUpperButtons() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(6);
  using T = TFrmmain;
  const struct {
    const char16_t* caption;
    void (T::*command)();
  } buttons[] = {{u"马上起名", &T::CmdNaming},          {u"八字分析", &T::CmdBazi},
                 {u"姓名详解", &T::CmdNameAnalysis},    {u"起英文名", &T::CmdNoEffect},
                 {u"文字五行", &T::CmdCharacterElement}, {u"起小名", &T::CmdNoEffect},
                 {u"联系QQ", &T::CmdQQChat}};
  int i = 0;
  for (const auto& b : buttons) {
    auto command = b.command;
    QPushButton* button = Button(QString::fromUtf16(b.caption), [this, command] { (this->*command)(); });
    button->setFixedSize(76, 26);
    grid->addWidget(button, i / 4, i % 4);
    ++i;
  }
  return box;
}

QWidget* TFrmmain::BuildSidePanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(u"SidePanel"_s);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(5, 5, 5, 5);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  std::vector<QPushButton*> buttons;
  using T = TFrmmain;
  auto add = [&](const QString& caption, void (T::*command)()) {
    buttons.push_back(Button(caption, [this, command] { (this->*command)(); }));
  };
  add(u"周公解析"_s, &T::CmdNoEffect);
  add(u"解梦全书"_s, &T::CmdNoEffect);
  for (int kind = 0; kind < 7; ++kind) {
    std::string title = kSigns[kind].title;
    buttons.push_back(Button(QString::fromUtf16(kSigns[kind].caption), [this, kind, title] { CmdDivination(kind, title); }));
  }
  add(u"手机分析"_s, &T::CmdMobileNumber);
  add(u"QQ号码分析"_s, &T::CmdQQNumber);
  add(u"数字分析"_s, &T::CmdAnyNumber);
  add(u"网名分析"_s, &T::CmdNickname);
  add(u"生男生女"_s, &T::CmdBoyOrGirl);
  add(u"万年历法"_s, &T::CmdCalendar);
  add(u"黄道吉日"_s, &T::CmdAlmanac);
  add(u"本日吉日"_s, &T::CmdTodayAlmanac);
  for (const fortune::LuckyDayCommand& c : fortune::LuckyDayCommands) {
    const std::string activity(c.activity);
    buttons.push_back(Button(GbkToQString(c.caption), [this, activity] { CmdLuckyDays(activity); }));
  }
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    buttons[i]->setParent(panel);
    buttons[i]->setFixedSize(78, 23);
    grid->addWidget(buttons[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
  }
  grid->setRowStretch(static_cast<int>((buttons.size() + 1) / 2), 1);
  return panel;
}

QWidget* TFrmmain::BuildBottomPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(u"BottomPanel"_s);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(8, 4, 8, 4);
  row->setSpacing(6);
  row->addWidget(new MarqueeLabel(u"人工起名服务：资深起名老师结合宝宝的生辰八字一对一取名，"
                                  u"点“人工起名”了解详情。"_s,
                                  panel),
                 1);
  using T = TFrmmain;
  const struct {
    const char16_t* caption;
    void (T::*command)();
  } buttons[] = {{u"打印", &T::CmdPrint},
                 {u"保存", &T::CmdSave},
                 {u"退出", &T::CmdExit},
                 {u"官方网站", &T::CmdHomePage},
                 {u"人工起名", &T::CmdCustomerService}};
  for (const auto& b : buttons) {
    auto command = b.command;
    QPushButton* button = Button(QString::fromUtf16(b.caption), [this, command] { (this->*command)(); });
    button->setParent(panel);
    button->setFixedSize(72, 24);
    row->addWidget(button);
  }
  return panel;
}

int TFrmmain::CalendarIndex() const { return ComDate->findText(ComDate->currentText()); }

numerology::NameInputs TFrmmain::NameInputs() const {
  return ReadBirthInputs({NameA, NameB, Sex, ComDate, SYear, SMonth, Sday, Shour, CBFen});
}

void TFrmmain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;  // a restore from the task bar is no new showing
  const std::string velFile = data::ConnectionStringFor(data::DatabaseFile::VelFile);
  adoQname_.SetConnectionString(velFile);
  adoTeam_.SetConnectionString(velFile);
  NameA->setFocus();
  ApplyProgramDateConventions();
}

void TFrmmain::closeEvent(QCloseEvent* event) {
  event->accept();
  EndApplication();
}

void TFrmmain::EndApplication() {
  // The process ends here and now, so the event loop never runs again; no
  // window is closed first (asking the loop to quit would close them all).
  DeleteDatabaseLockFile();
  EndProcessNow();
}

// ---- Commands ----

template <class F, class S>
void TFrmmain::Report(F command, S subject) {
  // A command that stops half-way (a failed look-up) leaves a report too.
  struct Note {
    TFrmmain* window;
    int generation;
    S& subject;
    ~Note() {
      if (window->pane_->Generation() != generation) subject();
    }
  } note{this, pane_->Generation(), subject};
  command();
}

void TFrmmain::CmdNewReckoning() {
  reportSurname_.clear();
  reportGiven_.clear();
  pane_->ClearPane();
  NameA->clear();
  NameB->clear();
  NameA->setFocus();
}

void TFrmmain::CmdOpenRecord() {
  std::optional<QString> file = Ui().ChooseFileToOpen(this);
  if (!file) return;
  // The record is about whoever its file is named after.
  reportSurname_ = QStringToGbk(QFileInfo(*file).completeBaseName());
  reportGiven_.clear();
  std::optional<std::string> bytes = ReadFileBytes(*file);
  if (!bytes) {
    pane_->ClearPane();
    return;
  }
  pane_->SetLines(RecordLines(*bytes));
}

void TFrmmain::CmdSave() { SaveReport(this, pane_->Lines(), reportSurname_, reportGiven_); }

void TFrmmain::CmdPageSetup() { SetUpReportPage(this); }

void TFrmmain::CmdPrint() {
  const QString names = GbkToQString(Trim(reportSurname_ + reportGiven_));
  PrintReport(this, names.isEmpty() ? u"测算结果"_s : names + u" 测算结果"_s, RzMemo1->toPlainText());
}

void TFrmmain::CmdExit() { EndApplication(); }

void TFrmmain::CmdNameAnalysis() {
  Report(
      [this] {
        numerology::RunNameAnalysis(NameInputs(), state_, *pane_, QDate::currentDate().year(),
                                    /*closingLine=*/false, adoQname_);
      },
      [this] { reportSurname_ = state_.surname, reportGiven_ = state_.given; });
}

void TFrmmain::CmdThreeTalents() {
  Report([this] { numerology::RunThreeTalents(state_, *pane_, adoQname_); },
         [this] { reportSurname_ = state_.surname, reportGiven_ = state_.given; });
}

void TFrmmain::CmdBazi() {
  const numerology::NameInputs name = NameInputs();
  bazi::BaziInputs in;
  in.surname = name.surname;
  in.sex = QStringToGbk(Sex->currentText());
  in.year = name.year;
  in.month = name.month;
  in.day = name.day;
  in.hourItem = name.hourItem;
  in.minute = name.minute;
  in.calendarIndex = name.calendarIndex;
  Report(
      [&] {
        if (bazi::BaziReport(in, *pane_, QDate::currentDate().year()) == bazi::BaziOutcome::SurnameMissing)
          NameA->setFocus();
      },
      [&] { reportSurname_ = Trim(name.surname), reportGiven_ = Trim(name.given); });
}

// The feature windows of the commands below join as they are built.
void TFrmmain::CmdNaming() { naming::OpenNamingWindow(this); }
void TFrmmain::CmdSurnameOrigin() { fortune::ShowSurnameOrigin(this); }
void TFrmmain::CmdArticle(const std::string& code) { fortune::ShowArticle(code, this); }
void TFrmmain::CmdCharacterElement() { fortune::OpenCharacterElement(this); }
void TFrmmain::CmdQQPairing() { fortune::OpenQQPairing(this); }
void TFrmmain::CmdDivination(int kind, const std::string& title) { fortune::ShowDivination(title, kind, this); }
void TFrmmain::CmdMobileNumber() { fortune::OpenMobileNumber(this); }
void TFrmmain::CmdQQNumber() { fortune::OpenQQNumber(this); }
void TFrmmain::CmdAnyNumber() { fortune::OpenAnyNumber(this); }
void TFrmmain::CmdNickname() { fortune::OpenNickname(this); }
void TFrmmain::CmdBoyOrGirl() { fortune::OpenBoyOrGirl(this); }

void TFrmmain::CmdCalendar() { calendar::OpenCalendarWindow(this); }

void TFrmmain::CmdAlmanac() { fortune::OpenAlmanacWindow(this); }

void TFrmmain::CmdTodayAlmanac() { fortune::OpenAlmanacWindow(this, QDate::currentDate()); }

void TFrmmain::CmdLuckyDaySearch() { fortune::OpenLuckyDayWindow(this, std::string()); }

void TFrmmain::CmdLuckyDays(const std::string& activity) { fortune::OpenLuckyDayWindow(this, activity); }

void TFrmmain::CmdUpgrade() { data::ShowInfo("感谢你的使用,软件是最新版无需升级!"); }

void TFrmmain::CmdAbout() {
  QDialog box(this);
  box.setObjectName(u"AboutBox"_s);
  box.setWindowTitle(u"关于系统"_s);
  box.setWindowIcon(AppIcon());
  auto* layout = new QVBoxLayout(&box);
  layout->setContentsMargins(18, 16, 18, 12);
  auto* row = new QHBoxLayout();
  auto* seal = new QLabel(&box);
  seal->setPixmap(AppIcon().pixmap(64, 64));
  seal->setAlignment(Qt::AlignTop);
  row->addWidget(seal);
  auto* text = new QLabel(&box);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setText(Caption() + u"\n\n"_s +
                u"为新生宝宝取一个好名字，是每个家庭的一件大事。本软件依据传统的五格数理、"
                u"三才配置和生辰八字，帮助您分析姓名、挑选吉名，并提供万年历、黄道吉日等常用查询。\n\n"
                u"测算内容取自传统命理学说，仅供参考与娱乐，请理性看待。"_s);
  text->setFixedWidth(320);
  row->addWidget(text, 1);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  buttons->button(QDialogButtonBox::Ok)->setText(u"确定"_s);
  connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons);
  Ui().RunModal(box);
}

void TFrmmain::CmdHomePage() { OpenLink(this, kHomePage); }

void TFrmmain::CmdCustomerService() {
  QDialog box(this);
  box.setObjectName(u"ServiceWindow"_s);
  box.setWindowTitle(u"人工起名服务"_s);
  box.setWindowIcon(AppIcon());
  auto* layout = new QVBoxLayout(&box);
  layout->setContentsMargins(18, 16, 18, 12);
  auto* text = new QLabel(&box);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setFixedWidth(360);
  text->setText(u"人工起名服务\n\n"
                u"如果您希望得到更细致的取名建议，可以请我们的起名老师为宝宝人工取名。"
                u"老师会结合宝宝的出生时间、八字喜用、家族字辈和您的期望，"
                u"精选若干个音、形、义俱佳的名字，并逐一说明含义与出处。"_s);
  layout->addWidget(text);
  // The addresses are links: a click opens them, or says why it cannot.
  auto* contacts = new QLabel(&box);
  contacts->setObjectName(u"Contacts"_s);
  contacts->setTextFormat(Qt::RichText);
  contacts->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  contacts->setOpenExternalLinks(false);
  const auto link = [](const QUrl& url) {
    return u"<a href=\"%1\">%2</a>"_s.arg(url.toString().toHtmlEscaped(), LinkAddress(url).toHtmlEscaped());
  };
  contacts->setText(u"联系方式：<table cellspacing=\"4\">"
                    u"<tr><td>电子邮件</td><td>%1</td></tr>"
                    u"<tr><td>网站</td><td>%2</td></tr></table>"_s.arg(link(kMailAddress), link(kHomePage)));
  connect(contacts, &QLabel::linkActivated, &box, [&box](const QString& href) { OpenLink(&box, QUrl(href)); });
  layout->addWidget(contacts);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &box);
  buttons->button(QDialogButtonBox::Close)->setText(u"关闭"_s);
  connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  layout->addWidget(buttons);
  Ui().RunModal(box);
}

void TFrmmain::CmdQQChat() { OpenLink(this, kChatPage); }

void TFrmmain::CmdMail() { OpenLink(this, kMailAddress); }

void TFrmmain::CmdOtherProduct() { OpenLink(this, kOtherProductPage); }

}  // namespace lumeno::app
