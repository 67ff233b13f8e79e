#include "fortune/ui/NameCome.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <memory>

#include "app/command_runner.h"
#include "app/text_pane.h"
#include "core/qt/qtext.h"
#include "data/database.h"
#include "fortune/surnames.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

TFrmNameCome::TFrmNameCome(QWidget* parent)
    : QWidget(parent, Qt::Window | kToolWindowFlags), adoQuery1_(data::ConnectionStringFor(data::DatabaseFile::VelBirth)) {
  SetUpWindow(this, u"TFrmNameCome"_s);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"姓氏起源"_s);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(8);
  auto* row = new QHBoxLayout();
  row->setSpacing(6);
  row->addWidget(new QLabel(u"请输入姓氏或选择："_s, this));
  cbxSurname = new QComboBox(this);
  cbxSurname->setObjectName(u"cbxSurname"_s);
  cbxSurname->setEditable(true);
  cbxSurname->setInsertPolicy(QComboBox::NoInsert);
  cbxSurname->setMaxVisibleItems(20);
  cbxSurname->setFixedWidth(120);
  row->addWidget(cbxSurname);
  QPushButton* search = MakeButton(u"开始搜索"_s, this);
  QPushButton* close = MakeButton(u"关闭"_s, this);
  row->addWidget(search);
  row->addStretch(1);
  row->addWidget(close);
  outer->addLayout(row);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(u"Memo1"_s);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  app::StyleReportWidget(Memo1);
  outer->addWidget(Memo1, 1);

  QStringList surnames;
  for (const std::string& s : SurnameList(adoQuery1_)) surnames << GbkToQString(s);
  cbxSurname->addItems(surnames);
  cbxSurname->setCurrentIndex(-1);
  cbxSurname->setEditText(QString());

  // A choice from the list, and Enter in the field, search as the button does.
  app::ConnectCommand(cbxSurname, &QComboBox::activated, this, &TFrmNameCome::CmdSearch);
  app::ConnectCommand(search, &QPushButton::clicked, this, &TFrmNameCome::CmdSearch);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  resize(520, 420);
  cbxSurname->setFocus();
}

void TFrmNameCome::CmdSearch() {
  const SurnameSearch r = SearchSurname(QStringToGbk(cbxSurname->currentText()), adoQuery1_);
  switch (r.action) {
    case SurnameSearch::Action::Clear:
      Memo1->clear();
      break;
    case SurnameSearch::Action::Keep:
      break;
    case SurnameSearch::Action::Show: {
      QStringList lines;
      for (const std::string& line : r.lines) lines << GbkToQString(line);
      Memo1->setPlainText(lines.join(u'\n'));
      break;
    }
  }
}

TFrmNameCome* ShowSurnameOrigin(QWidget* parent) {
  auto* window = new TFrmNameCome(parent);
  if (parent) PlaceOverParent(window, static_cast<int>(parent->findChildren<TFrmNameCome*>().size()) - 1);
  window->show();
  return window;
}

}  // namespace lumeno::fortune
