#pragma once
// Runs one window command. What escapes it is handled in one place, as the
// application's general error handler: a cancelled look-up is swallowed
// silently (the command keeps what it wrote), any other error reaches the
// general error box, and the program goes on.
#include <QObject>
#include <functional>

class QWidget;

namespace lumeno::app {

void RunCommand(QWidget* parent, const std::function<void()>& command);

// The handler itself, for code that has already caught an exception (the
// application's event filter); call it inside a catch block.
void HandleEscapedError(QWidget* parent);

// Wires a signal of `sender` to a command of `window`, run through
// RunCommand: ConnectCommand(button, &QPushButton::clicked, this, &X::CmdGo).
template <class Sender, class Signal, class Window>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Window* window, void (Window::*command)()) {
  return QObject::connect(sender, signal, window,
                          [window, command] { RunCommand(window, [window, command] { (window->*command)(); }); });
}

}  // namespace lumeno::app
