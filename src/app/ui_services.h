#pragma once
// Everything a window command does that would block on the user or leave the
// program: the file dialogs, the print and page setup dialogs, the general
// error box, modal windows and links opened in the desktop's browser or mail
// program. The windows reach them through Ui(), so tests put a recorder in
// place and never block.
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
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
  // Opens a web or mail link with the desktop's own program. When no
  // program can open it, `failed` is called, at once or a moment later on
  // the user-interface thread.
  virtual void OpenUrl(const QUrl& url, std::function<void()> failed) = 0;
  // The system's print dialog for `printer`: false when the user cancels.
  // Services that know nothing of printing cancel, so nothing is printed.
  virtual bool ChoosePrinter(QWidget* /*parent*/, QPrinter& /*printer*/) { return false; }
  // The page setup dialog for `printer`: false when the user cancels.
  virtual bool SetUpPage(QWidget* /*parent*/, QPrinter& /*printer*/) { return false; }
};

// The real dialogs of the desktop.
class DesktopUiServices : public UiServices {
 public:
  std::optional<QString> ChooseFileToOpen(QWidget* parent) override;
  std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& title, const QString& filter,
                                          const QString& suggestedName) override;
  void ShowError(QWidget* parent, const QString& message) override;
  int RunModal(QDialog& dialog) override;
  // Through xdg-open where it exists, whose failure (no browser or mail
  // program for the link) is reported when it ends; else through Qt, which
  // answers at once.
  void OpenUrl(const QUrl& url, std::function<void()> failed) override;
  bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
  bool SetUpPage(QWidget* parent, QPrinter& printer) override;
};

// The folder the open-file dialog of 打开记录... starts in: the user's
// documents folder where it exists, else the home folder.
QString DefaultRecordFolder();

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
