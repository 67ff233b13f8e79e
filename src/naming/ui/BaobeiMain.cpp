#include "naming/ui/BaobeiMain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/birth_inputs.h"
#include "app/command_runner.h"
#include "app/look.h"
#include "app/name_validator.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "core/text.h"
#include "data/database.h"
#include "data/info.h"
#include "naming/birth_elements.h"
#include "naming/candidate.h"
#include "naming/combination.h"
#include "naming/name_details.h"
#include "numerology/ui/NameMain.h"

using namespace Qt::StringLiterals;

namespace lumeno::naming {
namespace {

QComboBox* ListBox(QWidget* parent, const QStringList& items, int width) {
  auto* box = new QComboBox(parent);
  box->addItems(items);
  box->setCurrentIndex(0);
  box->setFixedWidth(width);
  return box;
}

QLineEdit* SmallEdit(QWidget* parent, const QString& text, int width) {
  auto* edit = new QLineEdit(text, parent);
  edit->setFixedWidth(width);
  return edit;
}

// A row of widgets packed to the left.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout();
  row->setSpacing(4);
  for (QWidget* w : widgets) row->addWidget(w);
  row->addStretch(1);
  return row;
}

}  // namespace

TFrmQiming::TFrmQiming(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(u"TFrmQiming"_s);
  setWindowTitle(u"起名宝典"_s);
  setWindowIcon(app::AppIcon());
  setFont(app::ProgramFont());
  BuildLayout();
  Wire();
  drainTimer_ = new QTimer(this);
  drainTimer_->setSingleShot(true);
  drainTimer_->setInterval(0);
  connect(drainTimer_, &QTimer::timeout, this, [this] { DrainBatches(); });
  ShowStatus();
}

TFrmQiming::~TFrmQiming() { EndWorker(); }

void TFrmQiming::BuildLayout() {
  // Inputs.
  Xing = new QLineEdit(this);
  Xing->setObjectName(u"Xing"_s);
  // One or two Chinese characters: double-byte characters only, four bytes.
  Xing->setValidator(new app::NameValidator(/*doubleByteOnly=*/true, /*maxBytes=*/4, Xing));
  Xing->setFixedWidth(64);
  CBsex = ListBox(this, {u"男"_s, u"女"_s}, 52);
  ComDate = ListBox(this, {u"公历"_s, u"农历"_s}, 64);
  SYear = app::MakeInputCombo(this, app::NumberItems(1900, 2040), u"2010"_s, 64);
  SMonth = app::MakeInputCombo(this, app::NumberItems(1, 12, 2), u"01"_s, 52);
  Sday = app::MakeInputCombo(this, app::NumberItems(1, 31, 2), u"01"_s, 52);
  Shour = app::MakeInputCombo(this, app::HourItems(), u"子 0"_s, 64);
  CBFen = app::MakeInputCombo(this, app::NumberItems(0, 59, 2), u"01"_s, 52);
  CBXingshi = ListBox(this, {u"双字名"_s, u"单字名"_s}, 76);
  CBzhishukongz = new QCheckBox(u"第"_s, this);
  CBdijizi = ListBox(this, {u"第二字"_s, u"第三字"_s}, 76);
  Gudingzi = new QLineEdit(this);
  Gudingzi->setValidator(new app::NameValidator(/*doubleByteOnly=*/true, /*maxBytes=*/2, Gudingzi));
  Gudingzi->setFixedWidth(36);
  CBCode = new QComboBox(this);
  CBCode->addItem(GbkToQString(kAutomatic));
  CBCode->setMinimumWidth(150);
  CBCode->setMaxVisibleItems(20);
  CBFeeXX = new QCheckBox(u"只起"_s, this);
  CBFeeXX->setChecked(true);
  ZuidiFee = SmallEdit(this, u"70"_s, 36);
  CBInitFee = new QCheckBox(u"自动挑选"_s, this);
  CBInitFee->setChecked(true);
  Sorcss = SmallEdit(this, u"77"_s, 36);
  CBjin = new QCheckBox(u"金"_s, this);
  CBMu = new QCheckBox(u"木"_s, this);
  CBshui = new QCheckBox(u"水"_s, this);
  CBhuo = new QCheckBox(u"火"_s, this);
  CBTu = new QCheckBox(u"土"_s, this);
  BaziButton = new QPushButton(u"按八字补五行"_s, this);
  BaziButton->setToolTip(GbkToQString(kElementRuleText));
  ElementLine = new QLabel(this);
  ElementLine->setObjectName(u"ElementLine"_s);
  ElementLine->setStyleSheet(u"color: #8a2a1e;"_s);

  const struct {
    QWidget* w;
    const char16_t* name;
  } names[] = {{CBsex, u"CBsex"},       {ComDate, u"ComDate"},   {SYear, u"SYear"},       {SMonth, u"SMonth"},
               {Sday, u"Sday"},         {Shour, u"Shour"},       {CBFen, u"CBFen"},       {CBXingshi, u"CBXingshi"},
               {CBzhishukongz, u"CBzhishukongz"}, {CBdijizi, u"CBdijizi"}, {Gudingzi, u"Gudingzi"},
               {CBCode, u"CBCode"},     {CBFeeXX, u"CBFeeXX"},   {ZuidiFee, u"ZuidiFee"}, {CBInitFee, u"CBInitFee"},
               {Sorcss, u"Sorcss"},     {CBjin, u"CBjin"},       {CBMu, u"CBMu"},         {CBshui, u"CBshui"},
               {CBhuo, u"CBhuo"},       {CBTu, u"CBTu"}};
  for (const auto& n : names) n.w->setObjectName(QString::fromUtf16(n.name));

  auto* inputs = new QVBoxLayout();
  inputs->setSpacing(6);
  inputs->addLayout(Row({app::FieldLabel(u"姓氏"_s, this), Xing, app::FieldLabel(u"  性别"_s, this), CBsex,
                         app::FieldLabel(u"  名字形式"_s, this), CBXingshi, app::FieldLabel(u"  "_s, this), CBzhishukongz, CBdijizi,
                         app::FieldLabel(u"固定为"_s, this), Gudingzi}));
  inputs->addLayout(Row({app::FieldLabel(u"生日"_s, this), ComDate, app::FieldLabel(u" 年"_s, this), SYear, app::FieldLabel(u"月"_s, this),
                         SMonth, app::FieldLabel(u"日"_s, this), Sday, app::FieldLabel(u"时"_s, this), Shour, app::FieldLabel(u"分"_s, this),
                         CBFen}));
  inputs->addLayout(Row({app::FieldLabel(u"优选方案"_s, this), CBCode, app::FieldLabel(u"  "_s, this), CBFeeXX, ZuidiFee,
                         new QLabel(u"分以上名字"_s, this), app::FieldLabel(u"  "_s, this), CBInitFee, Sorcss,
                         new QLabel(u"分以上名字"_s, this)}));
  inputs->addLayout(Row({app::FieldLabel(u"五行包括"_s, this), CBjin, CBMu, CBshui, CBhuo, CBTu, app::FieldLabel(u"  "_s, this),
                         BaziButton, ElementLine}));

  Button1 = new QPushButton(u"马上起名"_s, this);
  Button3 = new QPushButton(u"停止起名"_s, this);
  Button4 = new QPushButton(u"复制高分名字"_s, this);
  Button2 = new QPushButton(u"关闭窗口"_s, this);
  auto* buttons = new QVBoxLayout();
  buttons->setSpacing(6);
  for (QPushButton* b : {Button1, Button3, Button4, Button2}) {
    b->setAutoDefault(false);
    b->setDefault(b == Button1);  // Enter in a field starts a run
    b->setFixedSize(96, 26);
    buttons->addWidget(b);
  }
  BaziButton->setAutoDefault(false);
  buttons->addStretch(1);

  auto* top = new QHBoxLayout();
  top->addLayout(inputs, 1);
  top->addLayout(buttons);

  // Outputs: all names on the left, the high-score tab on the right.
  MemoSuccess = new QPlainTextEdit(this);
  MemoSuccess->setObjectName(u"MemoSuccess"_s);
  MemoSuccess->setReadOnly(true);
  MemoSuccess->setUndoRedoEnabled(false);
  MemoSuccess->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoSuccess->setFont(app::ProgramFont());
  MemoSuccess->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Six names of 16 half-width columns a row.
  const int column = QFontMetrics(app::ProgramFont()).horizontalAdvance(u'0');
  MemoSuccess->setMinimumWidth(column * 16 * kNamesPerRow + 32);
  auto* allNames = new QVBoxLayout();
  allNames->setSpacing(4);
  allNames->addWidget(new QLabel(u"全部名字"_s, this));
  allNames->addWidget(MemoSuccess, 1);

  Tabs = new QTabWidget(this);
  auto* page = new QWidget(Tabs);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(6, 6, 6, 6);
  pageLayout->setSpacing(4);
  pageLayout->addWidget(new QLabel(u"高分名字列表"_s, page));
  ListBox1 = new QListWidget(page);
  ListBox1->setObjectName(u"ListBox1"_s);
  ListBox1->setUniformItemSizes(true);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  pageLayout->addWidget(ListBox1, 1);
  DetailLabel = new QLabel(page);
  DetailLabel->setObjectName(u"DetailLabel"_s);
  DetailLabel->setWordWrap(true);
  DetailLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  DetailLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  DetailLabel->setFrameShape(QFrame::StyledPanel);
  DetailLabel->setMinimumHeight(6 * QFontMetrics(app::ProgramFont()).lineSpacing() + 8);
  DetailLabel->setMargin(4);
  pageLayout->addWidget(DetailLabel);
  Tabs->addTab(page, u"高分名字(双击看详细分析)"_s);
  Tabs->setMinimumWidth(240);

  auto* results = new QHBoxLayout();
  results->addLayout(allNames, 3);
  results->addWidget(Tabs, 1);

  StatusLine = new QLabel(this);
  StatusLine->setObjectName(u"StatusLine"_s);
  // Its text changes while a run goes on; the layout around it never needs to.
  StatusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 8);
  outer->setSpacing(8);
  outer->addLayout(top);
  outer->addLayout(results, 1);
  outer->addWidget(StatusLine);
  resize(900, 620);
}

void TFrmQiming::Wire() {
  for (QLineEdit* edit : {Xing, Gudingzi, ZuidiFee, Sorcss}) edit->installEventFilter(this);
  app::ConnectCommand(CBXingshi, &QComboBox::activated, this, &TFrmQiming::CBXingshiClick);
  app::ConnectCommand(CBFeeXX, &QCheckBox::clicked, this, &TFrmQiming::CBFeeXXClick);
  // The list depends on the sex (two-character surnames) and on the fixed
  // character's box and place too, so it follows them as well.
  app::ConnectCommand(CBsex, &QComboBox::activated, this, &TFrmQiming::XingExit);
  app::ConnectCommand(CBzhishukongz, &QCheckBox::clicked, this, &TFrmQiming::XingExit);
  app::ConnectCommand(CBdijizi, &QComboBox::activated, this, &TFrmQiming::XingExit);
  connect(Sorcss, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (std::optional<int> t = PickThresholdOf(QStringToGbk(text))) control_.pickThreshold = *t;
  });
  app::ConnectCommand(Button1, &QPushButton::clicked, this, &TFrmQiming::Button1Click);
  app::ConnectCommand(Button3, &QPushButton::clicked, this, &TFrmQiming::Button3Click);
  app::ConnectCommand(Button2, &QPushButton::clicked, this, &TFrmQiming::Button2Click);
  app::ConnectCommand(Button4, &QPushButton::clicked, this, &TFrmQiming::Button4Click);
  app::ConnectCommand(BaziButton, &QPushButton::clicked, this, &TFrmQiming::BaziButtonClick);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  app::ConnectCommand(ListBox1, &QListWidget::currentRowChanged, this, &TFrmQiming::ShowSelectedDetails);
}

bool TFrmQiming::eventFilter(QObject* watched, QEvent* event) {
  // Leaving a field for another control of the window; a window that only
  // loses activation (a message box, another window) is not left.
  if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      void (TFrmQiming::*handler)() = nullptr;
      if (watched == Xing) handler = &TFrmQiming::XingExit;
      else if (watched == Gudingzi) handler = &TFrmQiming::GudingziExit;
      else if (watched == ZuidiFee) handler = &TFrmQiming::ZuidiFeeExit;
      else if (watched == Sorcss) handler = &TFrmQiming::SorcssExit;
      if (handler) app::RunCommand(this, [this, handler] { (this->*handler)(); });
    }
  }
  return QDialog::eventFilter(watched, event);
}

NamingSettings TFrmQiming::Settings() const {
  NamingSettings s;
  s.surname = QStringToGbk(Xing->text());
  s.male = CBsex->currentIndex() == 0;
  s.form = CBXingshi->currentIndex() == 1 ? NameForm::OneCharacter : NameForm::TwoCharacters;
  s.fixedOn = CBzhishukongz->isChecked();
  s.fixedPosition = CBdijizi->currentIndex() == 1 ? FixedPosition::Third : FixedPosition::Second;
  s.fixedCharacter = QStringToGbk(Gudingzi->text());
  s.minScoreOn = CBFeeXX->isChecked();
  s.minScore = QStringToGbk(ZuidiFee->text());
  const QCheckBox* boxes[kElementCount] = {CBjin, CBMu, CBshui, CBhuo, CBTu};
  for (int i = 0; i < kElementCount; ++i) s.elements[i] = boxes[i]->isChecked();
  s.pickOn = CBInitFee->isChecked();
  s.pickThreshold = QStringToGbk(Sorcss->text());
  for (int i = 1; i < CBCode->count(); ++i) s.combinations.push_back(QStringToGbk(CBCode->itemText(i)));
  s.combination = QStringToGbk(CBCode->currentText());
  return s;
}

// ---- Handlers ----

void TFrmQiming::RebuildCombinationList() {
  const std::string surname = Trim(QStringToGbk(Xing->text()));
  if (surname.empty()) return;
  if (adoTem_.ConnectionString().empty()) adoTem_.SetConnectionString(data::OwnRorurozConnectionString());
  const std::vector<std::string> entries = BuildCombinationList(adoTem_, surname, Settings());
  listInputs_ = ListInputs();
  CBCode->clear();
  CBCode->addItem(GbkToQString(kAutomatic));
  for (const std::string& e : entries) CBCode->addItem(GbkToQString(e));
  CBCode->setCurrentIndex(0);
}

void TFrmQiming::XingExit() { RebuildCombinationList(); }

std::string TFrmQiming::ListInputs() const {
  // The boxes and lists rebuild the list as soon as they change; the fields
  // typed in do when they are left.
  return QStringToGbk(Xing->text()) + '\n' + QStringToGbk(Gudingzi->text()) + '\n' + QStringToGbk(ZuidiFee->text());
}

void TFrmQiming::CBXingshiClick() {
  const bool one = CBXingshi->currentIndex() == 1;
  if (one) {
    CBzhishukongz->setChecked(false);
    Gudingzi->clear();
  }
  CBzhishukongz->setEnabled(!one);
  CBdijizi->setEnabled(!one);
  RebuildCombinationList();
}

void TFrmQiming::GudingziExit() {
  const std::string problem = FixedCharacterProblem(Settings(), /*forRun=*/false);
  if (!problem.empty()) data::ShowInfo(problem);
  RebuildCombinationList();
}

void TFrmQiming::CBFeeXXClick() { RebuildCombinationList(); }

void TFrmQiming::ZuidiFeeExit() {
  const std::string text = Trim(QStringToGbk(ZuidiFee->text()));
  if (!text.empty() && !ParseInt(text)) ZuidiFee->setText(u"70"_s);
  RebuildCombinationList();
}

void TFrmQiming::SorcssExit() {
  const std::string text = Trim(QStringToGbk(Sorcss->text()));
  if (!text.empty() && !ParseInt(text)) Sorcss->setText(u"95"_s);
}

void TFrmQiming::Button1Click() {
  // Started with Enter, the field typed in has not been left; when what it
  // holds is not what the combination list was built for, it is left now.
  if (QWidget* field = focusWidget(); field && ListInputs() != listInputs_) {
    if (field == Xing) XingExit();
    else if (field == Gudingzi) RebuildCombinationList();  // a bad character is reported just below
    else if (field == ZuidiFee) ZuidiFeeExit();
  }
  const NamingSettings settings = Settings();
  if (Trim(settings.surname).empty()) {
    data::ShowInfo("姓不能为空!");
    Xing->setFocus();
    return;
  }
  if (const std::string problem = FixedCharacterProblem(settings, /*forRun=*/true); !problem.empty()) {
    data::ShowInfo(problem);
    Gudingzi->setFocus();
    return;
  }
  EndWorker();
  {
    std::lock_guard<std::mutex> lock(pendingMutex_);
    pending_.clear();  // what the ended run handed over is not shown
  }
  MemoSuccess->clear();
  ListBox1->clear();
  DetailLabel->clear();
  ++run_;
  finished_ = false;
  namesRead_ = 0;
  runSurname_ = Trim(settings.surname);
  runHadCombinations_ = !settings.combinations.empty() || Trim(settings.combination) != kAutomatic;
  if (std::optional<int> t = PickThresholdOf(settings.pickThreshold)) control_.pickThreshold = *t;
  // The flag is set here, before the worker exists, so a stop right after
  // the start is never undone by the worker.
  control_.running = true;
  worker_ = std::make_unique<TMythread>(control_, settings, data::OwnRorurozConnectionString(), run_,
                                        [this](RunBatch&& batch) { TakeBatch(std::move(batch)); });
  ShowStatus();
}

void TFrmQiming::TakeBatch(RunBatch&& batch) {
  bool post = false;
  {
    std::lock_guard<std::mutex> lock(pendingMutex_);
    pending_.push_back(std::move(batch));
    post = !drainPosted_;
    drainPosted_ = true;
  }
  // One queued call at a time; the window takes everything queued by then.
  if (post) QMetaObject::invokeMethod(this, [this] { DrainBatches(); }, Qt::QueuedConnection);
}

void TFrmQiming::DrainBatches() {
  QElapsedTimer spent;
  spent.start();
  for (;;) {
    RunBatch batch;
    {
      std::lock_guard<std::mutex> lock(pendingMutex_);
      if (pending_.empty()) {
        drainPosted_ = false;
        break;
      }
      batch = std::move(pending_.front());
      pending_.pop_front();
    }
    AppendBatch(batch);
    if (spent.elapsed() >= kDrainBudgetMs) {
      drainTimer_->start();
      break;
    }
  }
  if (!finished_) ShowStatus();
}

void TFrmQiming::AppendBatch(const RunBatch& batch) {
  if (batch.run != run_) return;  // a batch of an earlier run, still queued
  if (!batch.rows.empty()) {
    QTextDocument* doc = MemoSuccess->document();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    for (const std::string& row : batch.rows) {
      if (!doc->isEmpty()) cursor.insertBlock();
      cursor.insertText(GbkToQString(row));
    }
    cursor.endEditBlock();
  }
  if (!batch.highScores.empty()) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(batch.highScores.size()));
    for (const std::string& name : batch.highScores) items << GbkToQString(name);
    ListBox1->addItems(items);
  }
  namesRead_ += batch.names;
  if (batch.last) {
    finished_ = true;
    lastEnd_ = batch.end;
    ShowStatus();
    emit RunFinished();
  }
}

void TFrmQiming::Button3Click() {
  // The button rests for two seconds; the window stays responsive meanwhile.
  Button3->setEnabled(false);
  control_.running = false;
  QTimer::singleShot(kStopPauseMs, this, [this] { Button3->setEnabled(true); });
}

void TFrmQiming::Button2Click() { close(); }

void TFrmQiming::Button4Click() {
  if (ListBox1->count() == 0) {
    data::ShowInfo("高分名字列表还是空的，没有名字可以复制。");
    return;
  }
  QString text;
  for (int i = 0; i < ListBox1->count(); ++i) text += ListBox1->item(i)->text() + u"\r\n"_s;
  QGuiApplication::clipboard()->setText(text);
  data::ShowInfo("复制成功！");
}

void TFrmQiming::ListBox1DblClick() {
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item || !item->isSelected()) return;
  try {
    // The names in the list are of the run's surname, whatever the field
    // holds now.
    const CandidateName name = SplitCandidateName(QStringToGbk(item->text()), runSurname_);
    const std::string sex = Trim(QStringToGbk(CBsex->currentText())) == "男" ? "男" : "女";
    numerology::OpenNameAnalysis(this, name.surname, sex, QStringToGbk(SYear->currentText()), name.given,
                                 ComDate->currentIndex(), QStringToGbk(CBFen->currentText()),
                                 QStringToGbk(Shour->currentText()), QStringToGbk(Sday->currentText()),
                                 QStringToGbk(SMonth->currentText()));
  } catch (...) {
    // A double-click that fails does nothing.
  }
}

void TFrmQiming::BaziButtonClick() {
  BirthFields birth;
  birth.sex = QStringToGbk(CBsex->currentText());
  birth.year = QStringToGbk(SYear->currentText());
  birth.month = QStringToGbk(SMonth->currentText());
  birth.day = QStringToGbk(Sday->currentText());
  birth.hourItem = QStringToGbk(Shour->currentText());
  birth.minute = QStringToGbk(CBFen->currentText());
  birth.calendarIndex = ComDate->currentIndex();
  const std::optional<ElementBalance> balance = BirthElementBalance(birth);
  if (!balance) return;
  ElementLine->setText(GbkToQString(balance->line));
  QCheckBox* boxes[kElementCount] = {CBjin, CBMu, CBshui, CBhuo, CBTu};
  for (int i = 0; i < kElementCount; ++i) boxes[i]->setChecked(balance->wanted[i]);
}

void TFrmQiming::ShowSelectedDetails() {
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item) {
    DetailLabel->clear();
    return;
  }
  const NameDetails details = DescribeName(SplitCandidateName(QStringToGbk(item->text()), runSurname_));
  QStringList lines;
  for (const std::string& line : NameDetailLines(details)) lines << GbkToQString(line);
  DetailLabel->setText(lines.join(u'\n'));
}

void TFrmQiming::ShowStatus() {
  const int high = ListBox1->count();
  QString text;
  if (!worker_ && run_ == 0) {
    text = u"填好姓氏和条件后，点“马上起名”。"_s;
  } else if (!finished_) {
    text = namesRead_ ? u"正在起名……已得到%1个名字。"_s.arg(namesRead_) : u"正在起名……"_s;
  } else if (lastEnd_ == RunEnd::Completed && namesRead_ == 0) {
    text = runHadCombinations_ ? u"没有找到符合条件的名字，可以少选几个五行，或换一个优选方案。"_s
                               : u"没有符合条件的笔画组合：请检查姓氏，或降低最低分数、换一个固定字。"_s;
  } else {
    const QString how = lastEnd_ == RunEnd::Completed ? u"起名完成"_s
                        : lastEnd_ == RunEnd::Stopped ? u"已停止起名"_s
                                                      : u"起名中断"_s;
    text = u"%1：共%2个名字，其中高分名字%3个。"_s.arg(how).arg(namesRead_).arg(high);
  }
  StatusLine->setText(text);
}

void TFrmQiming::EndWorker() {
  if (!worker_) return;
  control_.running = false;
  worker_->WaitFor();
  worker_.reset();
}

void TFrmQiming::CloseQueries() { adoTem_.Close(); }

void TFrmQiming::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  adoTem_.SetConnectionString(data::OwnRorurozConnectionString());
  Xing->setFocus();
}

void TFrmQiming::closeEvent(QCloseEvent* event) {
  // The worker stops soon (a query in progress is cut short, reading ends
  // with the pass of nine in hand) and is waited for before the window's
  // queries close.
  EndWorker();
  CloseQueries();
  event->accept();
}

void TFrmQiming::done(int result) {
  EndWorker();
  CloseQueries();
  QDialog::done(result);
}

void OpenNamingWindow(QWidget* parent) {
  auto window = std::make_unique<TFrmQiming>(parent);
  app::Ui().RunModal(*window);
}

}  // namespace lumeno::naming
