#include "fortune/ui/TFormHuangdao.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/birth_inputs.h"
#include "app/command_runner.h"
#include "core/qt/qtext.h"
#include "data/database.h"
#include "fortune/almanac.h"
#include "fortune/almanac_rules.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

namespace {

QPlainTextEdit* ReadOnlyPane(QWidget* parent, const QString& name) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  app::StyleReportWidget(edit);
  return edit;
}

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  SetUpWindow(this, u"TFormHuangdao"_s);
  setWindowTitle(u"黄道吉日"_s);
  setModal(false);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 10);
  outer->setSpacing(8);

  // 选择黄历： year 年 month 月 day 日, and the two buttons.
  CbYear = app::MakeInputCombo(this, app::NumberItems(kAlmanacFirstYear, kAlmanacLastYear), QString(), 64);
  CbYear->setObjectName(u"CbYear"_s);
  CbMonth = app::MakeInputCombo(this, app::NumberItems(1, 12, 2), QString(), 48);
  CbMonth->setObjectName(u"CbMonth"_s);
  CbDay = app::MakeInputCombo(this, app::NumberItems(1, 31, 2), QString(), 48);
  CbDay->setObjectName(u"CbDay"_s);
  auto* inputs = new QHBoxLayout();
  inputs->setSpacing(4);
  inputs->addWidget(new QLabel(u"选择黄历："_s, this));
  inputs->addWidget(CbYear);
  inputs->addWidget(new QLabel(u"年"_s, this));
  inputs->addSpacing(4);
  inputs->addWidget(CbMonth);
  inputs->addWidget(new QLabel(u"月"_s, this));
  inputs->addSpacing(4);
  inputs->addWidget(CbDay);
  inputs->addWidget(new QLabel(u"日"_s, this));
  inputs->addSpacing(12);
  AddCommandButtons(inputs, this, {{u"测算", &TFormHuangdao::CmdLookUp}, {u"关闭", &TFormHuangdao::CmdClose}}, 24);
  inputs->addStretch(1);
  outer->addLayout(inputs);
  // Enter in a date input looks the day up, as 测算 does.
  for (QComboBox* box : {CbYear, CbMonth, CbDay})
    app::ConnectCommand(box->lineEdit(), &QLineEdit::returnPressed, this, &TFormHuangdao::CmdLookUp);

  // 当日统览： and the overview line.
  auto* overviewRow = new QHBoxLayout();
  overviewRow->setSpacing(4);
  overviewRow->addWidget(new QLabel(u"当日统览："_s, this));
  LblOverview = new QLabel(this);
  LblOverview->setObjectName(u"LblOverview"_s);
  LblOverview->setTextFormat(Qt::PlainText);
  LblOverview->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = font();
  bold.setBold(true);
  LblOverview->setFont(bold);
  LblOverview->setStyleSheet(u"color: #c00000;"_s);
  overviewRow->addWidget(LblOverview, 1);
  outer->addLayout(overviewRow);

  // The result beside the glossary.
  auto* groups = new QHBoxLayout();
  groups->setSpacing(10);
  auto* resultBox = new QGroupBox(u"测算结果："_s, this);
  auto* resultLayout = new QVBoxLayout(resultBox);
  resultLayout->setContentsMargins(6, 6, 6, 6);
  MemoResult = ReadOnlyPane(resultBox, u"MemoResult"_s);
  resultLayout->addWidget(MemoResult);
  groups->addWidget(resultBox, 3);

  auto* glossaryBox = new QGroupBox(u"黄历名词解释："_s, this);
  auto* glossaryLayout = new QVBoxLayout(glossaryBox);
  glossaryLayout->setContentsMargins(6, 6, 6, 6);
  MemoGlossary = ReadOnlyPane(glossaryBox, u"MemoGlossary"_s);
  QStringList glossary;
  for (const std::string& line : AlmanacGlossaryLines()) glossary << GbkToQString(line);
  MemoGlossary->setPlainText(glossary.join(u'\n'));
  glossaryLayout->addWidget(MemoGlossary);
  groups->addWidget(glossaryBox, 2);
  outer->addLayout(groups, 1);

  pane_ = std::make_unique<app::PlainTextPane>(MemoResult);
  query_.SetConnectionString(data::ConnectionStringFor(data::DatabaseFile::VelBirth));

  resize(820, 560);
}

TFormHuangdao::~TFormHuangdao() = default;

void TFormHuangdao::SetDay(const QDate& day) {
  // The matching item is chosen too, so an opened list shows the day.
  auto put = [](QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
  };
  put(CbYear, QString::number(day.year()));
  put(CbMonth, QStringLiteral("%1").arg(day.month(), 2, 10, QLatin1Char('0')));
  put(CbDay, QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0')));
}

void TFormHuangdao::CmdLookUp() {
  std::string overview;
  const AlmanacOutcome outcome = LookUpAlmanacDay(QStringToGbk(CbYear->currentText()), QStringToGbk(CbMonth->currentText()),
                                                  QStringToGbk(CbDay->currentText()), query_, overview, *pane_);
  if (outcome == AlmanacOutcome::Shown) LblOverview->setText(GbkToQString(overview));
}

void TFormHuangdao::CmdClose() { close(); }

TFormHuangdao* OpenAlmanacWindow(QWidget* parent, const std::optional<QDate>& day) {
  auto* window = new TFormHuangdao(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (day) window->SetDay(*day);
  window->show();
  if (day) app::RunCommand(window, [window] { window->CmdLookUp(); });
  return window;
}

}  // namespace lumeno::fortune
