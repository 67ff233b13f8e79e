#include "fortune/ui/fields.h"

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include "app/artwork.h"
#include "app/look.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

DigitsValidator::DigitsValidator(int maxDigits, QObject* parent) : QValidator(parent), maxDigits_(maxDigits) {}

QValidator::State DigitsValidator::validate(QString& input, int& pos) const {
  QString digits;
  int cursor = 0;
  for (int i = 0; i < input.size(); ++i) {
    const char16_t c = input.at(i).unicode();
    char16_t digit;
    if (c >= u'0' && c <= u'9') {
      digit = c;
    } else if (c >= u'０' && c <= u'９') {
      digit = static_cast<char16_t>(u'0' + (c - u'０'));
    } else if (c == u' ' || c == u'-' || c == u'\u3000') {
      continue;
    } else {
      return Invalid;
    }
    digits += QChar(digit);
    if (i < pos) ++cursor;
  }
  while (digits.size() > maxDigits_) {
    const int at = cursor > 0 ? cursor - 1 : static_cast<int>(digits.size()) - 1;
    digits.remove(at, 1);
    if (cursor > 0) --cursor;
  }
  if (digits != input) {
    input = digits;
    pos = cursor;
  }
  return Acceptable;
}

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
  const QString upper = input.toUpper();
  // A letter whose capital is longer (the German sharp s) stays as it is.
  if (upper.size() == input.size() && upper != input) input = upper;
  (void)pos;
  return Acceptable;
}

void SetUpWindow(QWidget* window, const QString& objectName) {
  window->setObjectName(objectName);
  window->setWindowIcon(app::AppIcon());
  window->setFont(app::ProgramFont());
}

QPushButton* MakeButton(const QString& caption, QWidget* parent, int width, int height) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFixedSize(width, height);
  return button;
}

void PlaceOverParent(QWidget* window, int index) {
  QWidget* parent = window->parentWidget();
  if (!parent) return;
  const QRect area = parent->window()->frameGeometry();
  const int step = 24 * (index % 8);
  window->move(area.center() - QPoint(window->width() / 2, window->height() / 2) + QPoint(step, step));
}

QLabel* MakeValueLabel(QWidget* parent, const QString& objectName) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace lumeno::fortune
