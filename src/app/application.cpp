#include "app/application.h"

#include "app/command_runner.h"
#include "app/look.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(u"Lumeno"_s);
  setApplicationVersion(QStringLiteral(LUMENO_VERSION));
  setFont(ProgramFont());
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleEscapedError(nullptr);
    return false;
  }
}

}  // namespace lumeno::app
