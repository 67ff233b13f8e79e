#pragma once
// Printing a report: one printer for the whole program (its page settings
// live as long as the program), the system's print dialog and page setup,
// and a plain text laid out on pages with the title at the head of every
// page and the page number at its foot. Any window prints with
// PrintReport(this, title, text).
#include <QString>

class QPrinter;
class QWidget;

namespace lumeno::app {

// The printer of the program: 打印设置... changes its page, every print uses it.
QPrinter& ReportPrinter();

// 打印设置...: the page setup dialog for the program's printer.
void SetUpReportPage(QWidget* parent);

// 打印: the system's print dialog, then `text` (lines separated by '\n')
// printed under `title`. A text of nothing but blanks is not printed and the
// user is told so; so is a printer that cannot start.
void PrintReport(QWidget* parent, const QString& title, const QString& text);

// Lays `text` out on the pages of `printer` and prints it without any
// dialog. Returns the number of pages printed, 0 when the printer could not
// start (an output file that cannot be written, for one).
int PrintText(QPrinter& printer, const QString& title, const QString& text);

}  // namespace lumeno::app
