#include "app/startup_checks.h"

#include <QString>
#include <cstdio>

#include "app/ui_services.h"
#include "core/gbk.h"
#include "data/database_check.h"
#include "data/info.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

bool CheckGbkConverterAtStart(QWidget* parent, const char* gbkName) {
  if (GbkConverterWorks(gbkName)) return true;
  // Standard error for a start from a terminal, the error box for a start
  // from the desktop's menu. Neither needs the converter.
  std::fprintf(stderr, "lumeno: %s\n", kNoGbkConverterMessage);
  Ui().ShowError(parent, u"Lumeno 无法启动：系统缺少 GBK（CP936）字符集转换模块，而本程序的全部文字都以 GBK 处理。"
                         u"请安装或修复 C 库的字符集模块（Debian 上由 libc6 提供）后再启动。\n\n"_s +
                             QString::fromLatin1(kNoGbkConverterMessage));
  return false;
}

bool ReportDatabaseProblemsAtStart() {
  const std::vector<data::DatabaseProblem> problems = data::CheckDatabaseFiles();
  if (problems.empty()) return true;
  data::ShowInfo(data::DatabaseProblemMessage(problems));
  return false;
}

}  // namespace lumeno::app
