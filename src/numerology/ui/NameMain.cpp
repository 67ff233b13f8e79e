#include "numerology/ui/NameMain.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/birth_inputs.h"
#include "app/command_runner.h"
#include "app/look.h"
#include "app/name_validator.h"
#include "app/printing.h"
#include "app/save_report.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "core/text.h"
#include "data/database.h"
#include "data/info.h"

using namespace Qt::StringLiterals;

namespace lumeno::numerology {

using app::MakeInputCombo;
using app::NumberItems;

TFrmNameMain::TFrmNameMain(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(u"TFrmNameMain"_s);
  setWindowTitle(u"姓名分析"_s);
  setWindowIcon(app::AppIcon());
  setFont(app::ProgramFont());

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 10);
  outer->setSpacing(8);

  auto* captionLine = new QLabel(u"请填写姓名和生日信息，最后点姓名分析测算！"_s, this);
  captionLine->setObjectName(u"CaptionLine"_s);
  captionLine->setStyleSheet(u"color: #8a2a1e;"_s);
  outer->addWidget(captionLine);

  NameA = new QLineEdit(this);
  NameA->setObjectName(u"NameA"_s);
  NameB = new QLineEdit(this);
  NameB->setObjectName(u"NameB"_s);
  for (QLineEdit* name : {NameA, NameB}) {
    // At most four bytes; any character may be typed here.
    name->setValidator(new app::NameValidator(/*doubleByteOnly=*/false, /*maxBytes=*/4, name));
    name->setFixedWidth(64);
  }
  Sex = MakeInputCombo(this, {u"男"_s, u"女"_s}, u"男"_s, 52);
  ComDate = MakeInputCombo(this, {u"公历"_s, u"农历"_s}, u"公历"_s, 64);
  SYear = MakeInputCombo(this, NumberItems(1900, 2040), u"1980"_s, 64);
  SMonth = MakeInputCombo(this, NumberItems(1, 12), u"1"_s, 52);
  Sday = MakeInputCombo(this, NumberItems(1, 31), u"1"_s, 52);
  Shour = MakeInputCombo(this, app::HourItems(), u"子 0"_s, 64);
  CBFen = MakeInputCombo(this, NumberItems(0, 59, 2), u"0"_s, 52);

  auto* inputs = new QGridLayout();
  inputs->setHorizontalSpacing(4);
  inputs->setVerticalSpacing(6);
  inputs->addLayout(app::InputRow(this, {{u"姓", NameA}, {u"名", NameB}, {u"性别", Sex}, {nullptr, ComDate}}), 0, 0);
  inputs->addLayout(app::InputRow(this, {{u"年", SYear}, {u"月", SMonth}, {u"日", Sday}, {u"时", Shour}, {u"分", CBFen}}), 1, 0);

  auto* buttons = new QGridLayout();
  buttons->setHorizontalSpacing(6);
  buttons->setVerticalSpacing(6);
  const struct {
    const char16_t* caption;
    void (TFrmNameMain::*command)();
  } commands[] = {{u"姓名分析", &TFrmNameMain::CmdNameAnalysis},
                  {u"保存", &TFrmNameMain::CmdSave},
                  {u"打印", &TFrmNameMain::CmdPrint},
                  {u"退出", &TFrmNameMain::CmdExit}};
  int i = 0;
  for (const auto& c : commands) {
    auto* button = new QPushButton(QString::fromUtf16(c.caption), this);
    button->setAutoDefault(false);
    button->setFixedSize(76, 26);
    auto command = c.command;
    connect(button, &QPushButton::clicked, this, [this, command] { app::RunCommand(this, [this, command] { (this->*command)(); }); });
    buttons->addWidget(button, i / 2, i % 2);
    ++i;
  }

  auto* top = new QHBoxLayout();
  top->addLayout(inputs);
  top->addStretch(1);
  top->addLayout(buttons);
  outer->addLayout(top);

  RzMemo1 = new QTextEdit(this);
  RzMemo1->setObjectName(u"RzMemo1"_s);
  RzMemo1->setReadOnly(true);
  RzMemo1->setAcceptRichText(false);
  RzMemo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  app::StyleReportWidget(RzMemo1);
  outer->addWidget(RzMemo1, 1);
  pane_ = std::make_unique<app::RichTextPane>(RzMemo1);

  resize(720, 560);
}

TFrmNameMain::~TFrmNameMain() = default;

NameInputs TFrmNameMain::Inputs() const {
  return app::ReadBirthInputs({NameA, NameB, Sex, ComDate, SYear, SMonth, Sday, Shour, CBFen});
}

void TFrmNameMain::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  const std::string velFile = data::ConnectionStringFor(data::DatabaseFile::VelFile);
  adoQname_.SetConnectionString(velFile);
  adoTeam_.SetConnectionString(velFile);
  if (!NameA->text().isEmpty() && !NameB->text().isEmpty()) app::RunCommand(this, [this] { CmdNameAnalysis(); });
  NameA->setFocus();
}

void TFrmNameMain::CmdNameAnalysis() {
  RunNameAnalysis(Inputs(), state_, *pane_, QDate::currentDate().year(), /*closingLine=*/true, adoQname_);
}

void TFrmNameMain::CmdSave() { app::SaveReport(this, pane_->Lines(), state_.surname, state_.given); }

void TFrmNameMain::CmdPrint() {
  const std::string names = state_.surname + state_.given;
  app::PrintReport(this, names.empty() ? u"姓名分析"_s : GbkToQString(names) + u" 姓名分析"_s, RzMemo1->toPlainText());
}

void TFrmNameMain::CmdExit() { close(); }

void OpenNameAnalysis(QWidget* parent, const std::string& surname, const std::string& sex, const std::string& year,
                      const std::string& given, int calendarIndex, const std::string& minute,
                      const std::string& hour, const std::string& day, const std::string& month) {
  auto window = std::make_unique<TFrmNameMain>(parent);
  window->NameA->setText(GbkToQString(surname));
  window->NameB->setText(GbkToQString(given));
  window->Sex->setCurrentIndex(sex == "男" ? 0 : 1);
  window->ComDate->setCurrentIndex(calendarIndex == 0 || calendarIndex == 1 ? calendarIndex : -1);
  window->SYear->setEditText(GbkToQString(year));
  window->SMonth->setEditText(GbkToQString(month));
  window->Sday->setEditText(GbkToQString(day));
  window->Shour->setEditText(GbkToQString(hour));
  window->CBFen->setEditText(GbkToQString(minute));
  app::Ui().RunModal(*window);
}

}  // namespace lumeno::numerology
