#include "fortune/ui/NumberWindows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "app/command_runner.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

namespace {

// A caption, right-aligned: at the top of a result line that may wrap, in
// the middle beside an input.
QLabel* Caption(const QString& text, QWidget* parent, Qt::Alignment vertical = Qt::AlignTop) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | vertical);
  return label;
}

QLineEdit* NumberField(int maxDigits, QWidget* parent, const QString& objectName) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(objectName);
  field->setValidator(new DigitsValidator(maxDigits, field));
  field->setFixedWidth(170);
  return field;
}

}  // namespace

TNumberWindow::TNumberWindow(const Texts& texts, QWidget* parent) : QDialog(parent, Qt::Dialog | kToolWindowFlags) {
  SetUpWindow(this, QString::fromUtf16(texts.objectName));
  setWindowTitle(QString::fromUtf16(texts.caption));

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 10, 12, 12);
  outer->setSpacing(8);

  auto* inputRow = new QHBoxLayout();
  inputRow->setSpacing(6);
  inputRow->addWidget(new QLabel(QString::fromUtf16(texts.inputLabel), this));
  edtmun = NumberField(texts.maxDigits, this, u"edtmun"_s);
  inputRow->addWidget(edtmun);
  inputRow->addStretch(1);
  QPushButton* analyse = MakeButton(u"测算"_s, this);
  QPushButton* close = MakeButton(u"关闭"_s, this);
  inputRow->addWidget(analyse);
  inputRow->addWidget(close);
  outer->addLayout(inputRow);
  if (texts.hint) {
    auto* hint = new QLabel(QString::fromUtf16(texts.hint), this);
    hint->setObjectName(u"HintLine"_s);
    hint->setStyleSheet(u"color: #8a2a1e;"_s);
    outer->addWidget(hint);
  }

  auto* group = new QGroupBox(u"测算结果"_s, this);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(10, 12, 10, 10);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(8);
  NumberLabel = MakeValueLabel(group, u"NumberLabel"_s);
  StatusLabel = MakeValueLabel(group, u"StatusLabel"_s);
  LuckLabel = MakeValueLabel(group, u"LuckLabel"_s);
  DetailLabel = MakeValueLabel(group, u"DetailLabel"_s);
  const std::pair<QString, QLabel*> rows[] = {{QString::fromUtf16(texts.numberLabel), NumberLabel},
                                              {u"状态："_s, StatusLabel},
                                              {u"吉凶："_s, LuckLabel},
                                              {u"具体表现："_s, DetailLabel}};
  int row = 0;
  for (const auto& [caption, value] : rows) {
    grid->addWidget(Caption(caption, group), row, 0);
    grid->addWidget(value, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);
  DetailLabel->setMinimumHeight(DetailLabel->fontMetrics().lineSpacing() * 6);
  outer->addWidget(group, 1);

  if (texts.note) {
    auto* note = new QLabel(QString::fromUtf16(texts.note), this);
    note->setObjectName(u"NoteLine"_s);
    note->setWordWrap(true);
    note->setStyleSheet(u"color: #555555;"_s);
    outer->addWidget(note);
  }

  app::ConnectCommand(edtmun, &QLineEdit::returnPressed, this, &TNumberWindow::CmdAnalyse);
  app::ConnectCommand(analyse, &QPushButton::clicked, this, &TNumberWindow::CmdAnalyse);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  setFixedWidth(480);
  setMinimumHeight(330);
  edtmun->setFocus();
}

void TNumberWindow::CmdAnalyse() {
  const std::optional<NumberResult> r = Analyse(QStringToGbk(edtmun->text()));
  if (!r) return;
  for (QLabel* label : {NumberLabel, StatusLabel, LuckLabel, DetailLabel}) label->clear();
  NumberLabel->setText(GbkToQString(r->number));
  StatusLabel->setText(GbkToQString(r->status));
  LuckLabel->setText(GbkToQString(r->luck));
  DetailLabel->setText(GbkToQString(r->detail));
}

TFrm_SJcs::TFrm_SJcs(QWidget* parent)
    : TNumberWindow({u"TFrm_SJcs", u"手机号码测算", u"输入号码：", 11, u"请注意：手机号码是11位，请正确输入。",
                     u"手机号码是：",
                     u"注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是"
                     u"一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"},
                    parent) {}

std::optional<NumberResult> TFrm_SJcs::Analyse(const std::string& input) { return MobileAnalysis(input); }

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : TNumberWindow({u"TFrmQQhm", u"QQ号码测试", u"QQ号码：", 18, nullptr, u"qq号码是：", nullptr}, parent) {}

std::optional<NumberResult> TFrmQQhm::Analyse(const std::string& input) {
  return NumberAnalysis(NumberWindow::QQ, input);
}

TFrm_onther::TFrm_onther(QWidget* parent)
    : TNumberWindow({u"TFrm_onther", u"任意号码分析", u"任意号码：", 18, nullptr, u"输入号码是：", nullptr}, parent) {}

std::optional<NumberResult> TFrm_onther::Analyse(const std::string& input) {
  return NumberAnalysis(NumberWindow::Any, input);
}

TFormQQpeidui::TFormQQpeidui(QWidget* parent) : QDialog(parent, Qt::Dialog | kToolWindowFlags) {
  SetUpWindow(this, u"TFormQQpeidui"_s);
  setWindowTitle(u"QQ号码缘分配对"_s);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 10, 12, 12);
  outer->setSpacing(8);
  auto* inputs = new QGridLayout();
  inputs->setHorizontalSpacing(6);
  inputs->setVerticalSpacing(6);
  MyQQ = NumberField(18, this, u"MyQQ"_s);
  OtherQQ = NumberField(18, this, u"OtherQQ"_s);
  QPushButton* analyse = MakeButton(u"测算"_s, this);
  QPushButton* close = MakeButton(u"关闭"_s, this);
  inputs->addWidget(Caption(u"我的QQ："_s, this, Qt::AlignVCenter), 0, 0);
  inputs->addWidget(MyQQ, 0, 1);
  inputs->addWidget(analyse, 0, 3);
  inputs->addWidget(Caption(u"对方QQ："_s, this, Qt::AlignVCenter), 1, 0);
  inputs->addWidget(OtherQQ, 1, 1);
  inputs->addWidget(close, 1, 3);
  inputs->setColumnStretch(2, 1);
  outer->addLayout(inputs);

  auto* group = new QGroupBox(u"测算结果"_s, this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->setContentsMargins(10, 12, 10, 10);
  ResultLabel = MakeValueLabel(group, u"ResultLabel"_s);
  ResultLabel->setMinimumHeight(ResultLabel->fontMetrics().lineSpacing() * 6);
  groupLayout->addWidget(ResultLabel, 1);
  outer->addWidget(group, 1);

  app::ConnectCommand(analyse, &QPushButton::clicked, this, &TFormQQpeidui::CmdAnalyse);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  setFixedWidth(440);
  setMinimumHeight(250);
  MyQQ->setFocus();
}

void TFormQQpeidui::CmdAnalyse() {
  const PairingOutcome r = PairingAnalysis(QStringToGbk(MyQQ->text()), QStringToGbk(OtherQQ->text()));
  switch (r.focus) {
    case PairingField::Mine:
      MyQQ->setFocus();
      return;
    case PairingField::Others:
      OtherQQ->setFocus();
      return;
    case PairingField::None:
      ResultLabel->setText(GbkToQString(r.text));
      return;
  }
}

namespace {
template <class Window>
void OpenModal(QWidget* parent) {
  auto window = std::make_unique<Window>(parent);
  app::Ui().RunModal(*window);
}
}  // namespace

void OpenMobileNumber(QWidget* parent) { OpenModal<TFrm_SJcs>(parent); }
void OpenQQNumber(QWidget* parent) { OpenModal<TFrmQQhm>(parent); }
void OpenAnyNumber(QWidget* parent) { OpenModal<TFrm_onther>(parent); }
void OpenQQPairing(QWidget* parent) { OpenModal<TFormQQpeidui>(parent); }

}  // namespace lumeno::fortune
