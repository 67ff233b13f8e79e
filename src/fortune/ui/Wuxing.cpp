#include "fortune/ui/Wuxing.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "app/command_runner.h"
#include "app/name_validator.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "data/database.h"
#include "fortune/element.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

TFrmWuxing::TFrmWuxing(QWidget* parent)
    : QDialog(parent, Qt::Dialog | kToolWindowFlags), adoTem_(data::OwnRorurozConnectionString()) {
  SetUpWindow(this, u"TFrmWuxing"_s);
  setWindowTitle(u"五行查询(最多可以输入5个字)"_s);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(14, 12, 14, 12);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(8);
  edtInput = new QLineEdit(this);
  edtInput->setObjectName(u"edtInput"_s);
  edtResult = new QLineEdit(this);
  edtResult->setObjectName(u"edtResult"_s);
  for (QLineEdit* field : {edtInput, edtResult}) {
    // Ten bytes: five Chinese characters, or ten single-byte ones.
    field->setValidator(new app::NameValidator(/*doubleByteOnly=*/false, static_cast<int>(kElementInputBytes), field));
    field->setFixedWidth(150);
  }
  edtResult->setReadOnly(true);
  QPushButton* lookUp = MakeButton(u"查看"_s, this);
  QPushButton* close = MakeButton(u"关闭"_s, this);
  grid->addWidget(new QLabel(u"输入字："_s, this), 0, 0, Qt::AlignRight);
  grid->addWidget(edtInput, 0, 1);
  grid->addWidget(lookUp, 0, 2);
  grid->addWidget(new QLabel(u"查看结果："_s, this), 1, 0, Qt::AlignRight);
  grid->addWidget(edtResult, 1, 1);
  grid->addWidget(close, 1, 2);

  app::ConnectCommand(edtInput, &QLineEdit::returnPressed, this, &TFrmWuxing::CmdLookUp);
  app::ConnectCommand(lookUp, &QPushButton::clicked, this, &TFrmWuxing::CmdLookUp);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  setFixedSize(sizeHint().expandedTo(QSize(330, 0)));
  edtInput->setFocus();
}

void TFrmWuxing::CmdLookUp() {
  const std::optional<std::string> result = ElementsOfText(QStringToGbk(edtInput->text()), adoTem_);
  if (result) edtResult->setText(GbkToQString(*result));
}

void OpenCharacterElement(QWidget* parent) {
  auto window = std::make_unique<TFrmWuxing>(parent);
  app::Ui().RunModal(*window);
}

}  // namespace lumeno::fortune
