#include "app/command_runner.h"

#include <QApplication>
#include <QString>
#include <exception>
#include <new>

#include "app/ui_services.h"
#include "core/error.h"
#include "core/qt/qtext.h"
#include "data/info.h"

using namespace Qt::StringLiterals;

namespace lumeno::app {

void HandleEscapedError(QWidget* parent) {
  if (!parent) parent = QApplication::activeWindow();
  try {
    throw;
  } catch (const CommandCancelled&) {
    // Silently: the command stops with what it has written so far.
  } catch (const InvalidInput& e) {
    // Typed text that is no date or hour: told like the other input
    // messages, in words for the user.
    data::ShowInfo(e.UserMessage());
  } catch (const std::bad_alloc&) {
    Ui().ShowError(parent, u"内存不足，操作未能完成。"_s);
  } catch (const std::exception& e) {
    // Messages of the program (GeneralError and the data layer's errors)
    // are GBK; those of the libraries are plain ASCII, which reads the same.
    Ui().ShowError(parent, GbkToQString(e.what()));
  } catch (...) {
    Ui().ShowError(parent, u"发生未知错误，操作未能完成。"_s);
  }
}

void RunCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
  } catch (...) {
    HandleEscapedError(parent);
  }
}

}  // namespace lumeno::app
