#include "fortune/ui/Note.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/command_runner.h"
#include "app/printing.h"
#include "core/qt/qtext.h"
#include "data/info.h"
#include "fortune/article.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

TFrmNote::TFrmNote(QWidget* parent) : QWidget(parent, Qt::Window | kToolWindowFlags | Qt::WindowMinMaxButtonsHint) {
  SetUpWindow(this, u"TFrmNote"_s);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"算命"_s);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  outer->setSpacing(4);
  auto* tools = new QHBoxLayout();
  tools->setSpacing(4);
  AddCommandButtons(tools, this,
                    {{u"打印", &TFrmNote::CmdPrint}, {u"设置..", &TFrmNote::CmdPrintSetup}, {u"关闭", &TFrmNote::CmdClose}});
  tools->addStretch(1);
  outer->addLayout(tools);

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(u"RichEdit1"_s);
  RichEdit1->setAcceptRichText(false);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
  QFont font(u"宋体"_s);
  font.setPointSize(9);
  RichEdit1->setFont(font);
  outer->addWidget(RichEdit1, 1);
  pane_ = std::make_unique<app::RichTextPane>(RichEdit1);
  resize(640, 520);
}

TFrmNote::~TFrmNote() = default;

void TFrmNote::CmdClose() { close(); }

TFrmNote* ShowArticle(const std::string& code, QWidget* parent) {
  auto window = std::make_unique<TFrmNote>(parent);
  // A failing query ends the command here, before anything is shown.
  const std::string title = LoadArticle(code, window->Pane());
  window->setWindowTitle(GbkToQString(title));
  window->Pane().ScrollPaneToTop();
  TFrmNote* shown = window.release();
  if (parent) PlaceOverParent(shown, static_cast<int>(parent->findChildren<TFrmNote*>().size()) - 1);
  shown->show();
  return shown;
}

void TFrmNote::CmdPrint() {
  const QString text = RichEdit1->toPlainText();
  // An article without a row leaves the pane empty: say so rather than
  // print a blank page.
  if (text.trimmed().isEmpty()) {
    data::ShowInfo(QStringToGbk(u"文章内容为空，没有可打印的内容。"_s));
    return;
  }
  app::PrintReport(this, windowTitle(), text);
}

void TFrmNote::CmdPrintSetup() { app::SetUpReportPage(this); }

}  // namespace lumeno::fortune
