#pragma once
// 保存: a report pane written to a text file, the same in every window that
// saves its report.
#include <string>
#include <vector>

class QWidget;

namespace lumeno::app {

// Asks for a file name with the save dialog (title "保存", text files, the
// name suggested from surname and given name as SuggestedReportName gives
// it) and writes the lines as GBK text with CR LF line ends to the chosen
// name with ".txt" appended, replacing a file that exists. A pane without
// any text saves nothing and shows no dialog; a cancel ends quietly; a write
// that fails tells the user why ("保存失败！" and the reason), since a
// silent failure would let the user believe the report was kept.
void SaveReport(QWidget* parent, const std::vector<std::string>& gbkLines, const std::string& surname,
                const std::string& given);

}  // namespace lumeno::app
