#include "fortune/ui/Wangming.h"

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
#include "fortune/nickname.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent, Qt::Dialog | kToolWindowFlags) {
  SetUpWindow(this, u"TFrmWangming"_s);
  setWindowTitle(u"网名与性格"_s);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 10, 12, 12);
  outer->setSpacing(8);
  auto* inputRow = new QHBoxLayout();
  inputRow->setSpacing(6);
  inputRow->addWidget(new QLabel(u"输入网名："_s, this));
  edtName = new QLineEdit(this);
  edtName->setObjectName(u"edtName"_s);
  edtName->setMaxLength(18);
  edtName->setValidator(new UpperCaseValidator(edtName));
  edtName->setFixedWidth(170);
  inputRow->addWidget(edtName);
  inputRow->addStretch(1);
  QPushButton* analyse = MakeButton(u"测算"_s, this);
  QPushButton* close = MakeButton(u"关闭"_s, this);
  inputRow->addWidget(analyse);
  inputRow->addWidget(close);
  outer->addLayout(inputRow);

  auto* group = new QGroupBox(u"测算结果"_s, this);
  auto* lines = new QVBoxLayout(group);
  lines->setContentsMargins(10, 12, 10, 10);
  lines->setSpacing(8);
  NicknameLine = MakeValueLabel(group, u"NicknameLine"_s);
  TraitLine = MakeValueLabel(group, u"TraitLine"_s);
  lines->addWidget(NicknameLine);
  lines->addWidget(TraitLine);
  lines->addStretch(1);
  outer->addWidget(group, 1);

  app::ConnectCommand(edtName, &QLineEdit::returnPressed, this, &TFrmWangming::CmdAnalyse);
  app::ConnectCommand(analyse, &QPushButton::clicked, this, &TFrmWangming::CmdAnalyse);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  setFixedWidth(440);
  setMinimumHeight(180);
  edtName->setFocus();
}

void TFrmWangming::CmdAnalyse() {
  const QString text = edtName->text();
  const std::string gbk = QStringToGbk(text);
  std::optional<NicknameResult> r = NicknameAnalysis(gbk);
  if (!r) return;
  // A character GBK cannot hold (an emoji, say) cannot be read; it is the
  // special character the trait line asks the user to leave out.
  if (GbkToQString(gbk) != text) r->failed = true;
  NicknameLine->setText(GbkToQString(r->NicknameLine()));
  TraitLine->setText(GbkToQString(r->TraitLine()));
}

void OpenNickname(QWidget* parent) {
  auto window = std::make_unique<TFrmWangming>(parent);
  app::Ui().RunModal(*window);
}

}  // namespace lumeno::fortune
