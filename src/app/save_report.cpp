#include "app/save_report.h"

#include "app/file_io.h"
#include "app/report_text.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "core/text.h"
#include "data/info.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

void SaveReport(QWidget* parent, const std::vector<std::string>& gbkLines, const std::string& surname,
                const std::string& given) {
  const std::string bytes = JoinReportLines(gbkLines);
  if (Trim(bytes).empty()) return;
  const std::string suggested = SuggestedReportName(surname, given);
  std::optional<QString> chosen = Ui().ChooseFileToSave(parent, u"保存"_s, u"文本文件 (*.txt)"_s, GbkToQString(suggested));
  if (!chosen) return;
  // ".txt" is always appended, as SavedReportPath says; the chosen name
  // stays a QString, so a folder name outside GBK survives.
  const QString path = *chosen + u".txt"_s;
  if (std::optional<QString> why = WriteFileBytes(path, bytes))
    data::ShowInfo(QStringToGbk(u"保存失败！\n"_s + *why));
}

}  // namespace lumeno::app
