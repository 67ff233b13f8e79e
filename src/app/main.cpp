// Lumeno's main block: the application object and its title, the start-up
// checks, the locale's date and time settings put in order, the main window,
// the event loop.
#include <QTimer>

#include "app/Unt_Main.h"
#include "app/application.h"
#include "app/locale_settings.h"
#include "app/startup_checks.h"

int main(int argc, char** argv) {
  lumeno::app::Application application(argc, argv);
  if (!lumeno::app::CheckGbkConverterAtStart(nullptr)) return 1;
  lumeno::app::NormaliseLocale(lumeno::app::ProcessLocaleStore());
  lumeno::app::TFrmmain window;
  window.show();
  // Said once the window is on the screen, through its information box;
  // the program then runs with what works.
  QTimer::singleShot(0, &window, [] { lumeno::app::ReportDatabaseProblemsAtStart(); });
  return application.exec();
}
