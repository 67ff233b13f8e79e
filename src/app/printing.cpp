#include "app/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "app/look.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "data/info.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

QPrinter& ReportPrinter() {
  // Made once and kept to the end: the page settings outlive every window.
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

void SetUpReportPage(QWidget* parent) { Ui().SetUpPage(parent, ReportPrinter()); }

void PrintReport(QWidget* parent, const QString& title, const QString& text) {
  if (text.trimmed().isEmpty()) {
    data::ShowInfo(QStringToGbk(u"没有可打印的内容，请先进行测算。"_s));
    return;
  }
  QPrinter& printer = ReportPrinter();
  printer.setDocName(title);
  if (!Ui().ChoosePrinter(parent, printer)) return;
  if (PrintText(printer, title, text) == 0)
    data::ShowInfo(QStringToGbk(u"打印失败！\n打印机无法开始打印，请检查打印机或输出文件。"_s));
}

int PrintText(QPrinter& printer, const QString& title, const QString& text) {
  printer.setDocName(title);
  QPainter painter;
  if (!painter.begin(&printer)) return 0;

  // The report's own face (columns of the eight-character chart line up in
  // it) at a size for paper; the title a little larger and bold.
  QFont body = ProgramFont();
  body.setPointSizeF(10.5);
  QFont head = body;
  head.setPointSizeF(12);
  head.setBold(true);
  const QFontMetricsF headMetrics(head, &printer);
  const QFontMetricsF footMetrics(body, &printer);

  // The painter's origin is the top left of the printable area.
  const QRectF area(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  const qreal headHeight = headMetrics.height() * 2;
  const qreal footHeight = footMetrics.height() * 2;
  const QSizeF bodySize(area.width(), area.height() - headHeight - footHeight);

  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(&printer);
  doc.setDefaultFont(body);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  doc.setDefaultTextOption(option);
  doc.setDocumentMargin(0);
  doc.setPlainText(text);
  doc.setPageSize(bodySize);  // lines that would cross a page's end move to the next page
  const int pages = doc.pageCount();

  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, Qt::black);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) printer.newPage();
    painter.setPen(Qt::black);
    painter.setFont(head);
    painter.drawText(QRectF(0, 0, area.width(), headMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter, title);
    const qreal rule = headMetrics.height() * 1.35;
    painter.drawLine(QPointF(0, rule), QPointF(area.width(), rule));

    painter.save();
    const qreal top = page * bodySize.height();
    painter.translate(0, headHeight - top);
    context.clip = QRectF(0, top, bodySize.width(), bodySize.height());
    painter.setClipRect(context.clip);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(body);
    painter.drawText(QRectF(0, area.height() - footMetrics.height(), area.width(), footMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     u"第 %1 页，共 %2 页"_s.arg(page + 1).arg(pages));
  }
  painter.end();
  return pages;
}

}  // namespace lumeno::app
