#pragma once
// Everything a window command does that would block on the user or leave the
// program: the file dialogs, the general error box, modal windows and links
// opened in the desktop's browser or mail program. The windows reach them
// through Ui(), so tests put a recorder in place and never block.
#include <QString>
#include <QUrl>
#include <optional>

class QDialog;
class QWidget;

namespace lumeno::app {

class UiServices {
 public:
  virtual ~UiServices() = default;
  // The open-file dialog: no type filter, the default title. Nothing when
  // the user cancels.
  virtual std::optional<QString> ChooseFileToOpen(QWidget* parent) = 0;
  // The save-file dialog with a title, a name filter such as
  // "文本文件 (*.txt)" and a suggested file name (may be empty).
  virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& title, const QString& filter,
                                                  const QString& suggestedName) = 0;
  // The general error box of the application.
  virtual void ShowError(QWidget* parent, const QString& message) = 0;
  // Shows a modal window and returns when it has been closed.
  virtual int RunModal(QDialog& dialog) = 0;
  // Opens a web or mail link with the desktop's own program.
  virtual void OpenUrl(const QUrl& url) = 0;
};

// The real dialogs of the desktop.
class DesktopUiServices : public UiServices {
 public:
  std::optional<QString> ChooseFileToOpen(QWidget* parent) override;
  std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& title, const QString& filter,
                                          const QString& suggestedName) override;
  void ShowError(QWidget* parent, const QString& message) override;
  int RunModal(QDialog& dialog) override;
  void OpenUrl(const QUrl& url) override;
};

// The services in use (the desktop's unless replaced).
UiServices& Ui();
// Replaces them; nullptr restores the desktop's. Returns the previous ones.
UiServices* SetUiServices(UiServices* services);

class ScopedUiServices {
 public:
  explicit ScopedUiServices(UiServices* services) : previous_(SetUiServices(services)) {}
  ~ScopedUiServices() { SetUiServices(previous_); }
  ScopedUiServices(const ScopedUiServices&) = delete;
  ScopedUiServices& operator=(const ScopedUiServices&) = delete;

 private:
  UiServices* previous_;
};

}  // namespace lumeno::app
