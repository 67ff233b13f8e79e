#pragma once
// What the desktop program checks when it starts, before the user can ask
// for anything: a working GBK converter (without one it stops) and the five
// reference database files (without sound ones it says which, then runs with
// what works).
class QWidget;

namespace lumeno::app {

// False when the C library cannot convert GBK (the code page `gbkName`):
// the general error box has then said so, and the program must stop.
bool CheckGbkConverterAtStart(QWidget* parent, const char* gbkName = "CP936");

// Checks the five files beside the program; when any is missing or damaged,
// one message through the information box names each such file, what it
// serves and how to rebuild it. Returns whether all were sound.
bool ReportDatabaseProblemsAtStart();

}  // namespace lumeno::app
