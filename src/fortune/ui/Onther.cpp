#include "fortune/ui/Onther.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStringList>
#include <QVBoxLayout>

#include "app/text_pane.h"
#include "core/qt/qtext.h"
#include "fortune/divination.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

TFormOnther::TFormOnther(QWidget* parent) : QWidget(parent, Qt::Window | kToolWindowFlags) {
  SetUpWindow(this, u"TFormOnther"_s);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(8);
  PageControl1 = new QStackedWidget(this);
  PageControl1->setObjectName(u"PageControl1"_s);
  for (int page = 0; page < kDivinationPages; ++page) {
    auto* pane = new QPlainTextEdit(PageControl1);
    pane->setObjectName(u"Page%1"_s.arg(page));
    pane->setReadOnly(true);
    pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    app::StyleReportWidget(pane);
    QStringList lines;
    for (const std::string& line : DivinationPage(page)) lines << GbkToQString(line);
    pane->setPlainText(lines.join(u'\n'));
    PageControl1->addWidget(pane);
  }
  outer->addWidget(PageControl1, 1);

  QStringList explanation;
  for (const std::string& line : DivinationExplanation()) explanation << GbkToQString(line);
  Explanation = new QLabel(explanation.join(u'\n'), this);
  Explanation->setObjectName(u"Explanation"_s);
  Explanation->setTextFormat(Qt::PlainText);
  Explanation->setFrameShape(QFrame::StyledPanel);
  Explanation->setMargin(6);
  outer->addWidget(Explanation);
  resize(560, 500);
}

QPlainTextEdit* TFormOnther::Page(int page) const {
  return qobject_cast<QPlainTextEdit*>(PageControl1->widget(page));
}

TFormOnther* ShowDivination(const std::string& caption, int page, QWidget* parent) {
  auto* window = new TFormOnther(parent);
  window->setWindowTitle(GbkToQString(caption));
  if (page >= 0 && page < kDivinationPages) window->PageControl1->setCurrentIndex(page);
  if (parent) PlaceOverParent(window, static_cast<int>(parent->findChildren<TFormOnther*>().size()) - 1);
  window->show();
  return window;
}

}  // namespace lumeno::fortune
