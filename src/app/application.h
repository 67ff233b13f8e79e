#pragma once
// The application object: besides the usual work it is the last net for an
// exception that escapes an event handler, which it hands to the general
// error handler instead of letting it end the program.
#include <QApplication>

namespace lumeno::app {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace lumeno::app
