#pragma once
// What the small reading windows share: the key filters of their inputs,
// the window flags and a few layout pieces.
#include <QBoxLayout>
#include <QPushButton>
#include <QString>
#include <QValidator>
#include <Qt>
#include <initializer_list>
#include <utility>

#include "app/command_runner.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace lumeno::fortune {

// The number fields: digits 0-9 only, at most `maxDigits` of them. As a
// validator it holds for every way text enters the field: typed keys,
// input-method text and pasted text. Full-width digits become digits,
// blanks and hyphens (a number written in groups) are dropped, and any
// other character refuses the whole insertion, so text that is no number
// never enters. Digits beyond the limit are cut back from the cursor, so
// what the field held stays.
class DigitsValidator : public QValidator {
  Q_OBJECT
 public:
  DigitsValidator(int maxDigits, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  int maxDigits_;
};

// Shows everything typed in upper case, as the nickname field does.
class UpperCaseValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// The flags of the small windows: title, system menu and close box.
inline constexpr Qt::WindowFlags kToolWindowFlags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Font, icon and object name of a small window.
void SetUpWindow(QWidget* window, const QString& objectName);

// A push button that is never the default of its window, so Enter in an
// input does only what the input itself does.
QPushButton* MakeButton(const QString& caption, QWidget* parent, int width = 76, int height = 26);

// Adds to `row` a button 64 wide for each caption, which runs its command of
// `window`.
template <class Window>
void AddCommandButtons(QBoxLayout* row, Window* window,
                       std::initializer_list<std::pair<const char16_t*, void (Window::*)()>> buttons, int height = 26) {
  for (const auto& [caption, command] : buttons) {
    QPushButton* button = MakeButton(QString::fromUtf16(caption), window, 64, height);
    app::ConnectCommand(button, &QPushButton::clicked, window, command);
    row->addWidget(button);
  }
}

// Places a window that is not modal over the middle of its parent, each
// further window of its kind (`index` 1, 2 ...) a little lower and to the
// right, so windows opened one after another do not hide each other.
void PlaceOverParent(QWidget* window, int index);

// A result value: plain text, wrapped, selectable.
QLabel* MakeValueLabel(QWidget* parent, const QString& objectName);

}  // namespace lumeno::fortune
