// Lumeno's main block: the application object and its title, the locale's
// date and time settings put in order, the main window, the event loop.
#include "app/Unt_Main.h"
#include "app/application.h"
#include "app/locale_settings.h"

int main(int argc, char** argv) {
  lumeno::app::Application application(argc, argv);
  lumeno::app::NormaliseLocale(lumeno::app::ProcessLocaleStore());
  lumeno::app::TFrmmain window;
  window.show();
  return application.exec();
}
