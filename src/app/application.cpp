#include "app/application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/command_runner.h"
#include "app/look.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(u"Lumeno"_s);
  setApplicationVersion(QStringLiteral(LUMENO_VERSION));
  setFont(ProgramFont());
  // Qt's own texts (file dialogs, standard buttons) in Chinese where the
  // translations are installed; in English otherwise.
  auto* qtTexts = new QTranslator(this);
  if (qtTexts->load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(qtTexts);
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
