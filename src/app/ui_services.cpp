#include "app/ui_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <memory>

using namespace Qt::StringLiterals;

namespace lumeno::app {

QString DefaultRecordFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists()) return documents;
  return QDir::homePath();
}

std::optional<QString> DesktopUiServices::ChooseFileToOpen(QWidget* parent) {
  QString file = QFileDialog::getOpenFileName(parent, QString(), DefaultRecordFolder());
  if (file.isEmpty()) return std::nullopt;
  return file;
}

std::optional<QString> DesktopUiServices::ChooseFileToSave(QWidget* parent, const QString& title,
                                                           const QString& filter, const QString& suggestedName) {
  QString file = QFileDialog::getSaveFileName(parent, title, suggestedName, filter);
  if (file.isEmpty()) return std::nullopt;
  return file;
}

void DesktopUiServices::ShowError(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(u"确定"_s);
  box.exec();
}

int DesktopUiServices::RunModal(QDialog& dialog) { return dialog.exec(); }

void DesktopUiServices::OpenUrl(const QUrl& url, std::function<void()> failed) {
  const QString opener = QStandardPaths::findExecutable(u"xdg-open"_s);
  if (opener.isEmpty()) {
    // Qt finds no browser or mail program either: it says so at once.
    if (!QDesktopServices::openUrl(url) && failed) failed();
    return;
  }
  // xdg-open ends with a status other than 0 when nothing can open the
  // link; a browser it starts may keep it running as long as the browser
  // runs, so only an early end counts as its answer.
  auto* process = new QProcess(qApp);
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  auto answer = [process, started, failed](bool ok) {
    process->deleteLater();
    if (!ok && failed && started->elapsed() < 20000) failed();
  };
  QObject::connect(process, &QProcess::finished, process,
                   [answer](int code, QProcess::ExitStatus status) { answer(status == QProcess::NormalExit && code == 0); });
  QObject::connect(process, &QProcess::errorOccurred, process, [answer](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) answer(false);
  });
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

bool DesktopUiServices::ChoosePrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(u"打印"_s);
  return dialog.exec() == QDialog::Accepted;
}

bool DesktopUiServices::SetUpPage(QWidget* parent, QPrinter& printer) {
  QPageSetupDialog dialog(&printer, parent);
  dialog.setWindowTitle(u"打印设置"_s);
  return dialog.exec() == QDialog::Accepted;
}

namespace {
DesktopUiServices desktopServices;
UiServices* current = nullptr;
}  // namespace

UiServices& Ui() { return current ? *current : desktopServices; }

UiServices* SetUiServices(UiServices* services) {
  UiServices* previous = current;
  current = services;
  return previous;
}

}  // namespace lumeno::app
