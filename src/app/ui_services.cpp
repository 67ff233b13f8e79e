#include "app/ui_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace lumeno::app {

std::optional<QString> DesktopUiServices::ChooseFileToOpen(QWidget* parent) {
  QString file = QFileDialog::getOpenFileName(parent);
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

void DesktopUiServices::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

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
