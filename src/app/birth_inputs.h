#pragma once
// The drop-down inputs of a birth moment that the main window and the
// name-analysis window share.
#include <QStringList>
#include <initializer_list>
#include <utility>

#include "numerology/name_report.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace lumeno::app {

// An editable drop-down that accepts typed text as well as a choice from the
// list (typed text is never added to the list), showing `initial`.
QComboBox* MakeInputCombo(QWidget* parent, const QStringList& items, const QString& initial, int width);

// "from" to "to" in decimal, one item each; `digits` pads with zeros.
QStringList NumberItems(int from, int to, int digits = 1);

// The 24 hour items: branch, a blank, the hour of the day ("子 0" … "子 23").
QStringList HourItems();

// The right-aligned caption of an input.
QLabel* FieldLabel(const QString& text, QWidget* parent);

// One row of inputs, each after its caption (nullptr: no caption), packed to
// the left.
QHBoxLayout* InputRow(QWidget* owner, std::initializer_list<std::pair<const char16_t*, QWidget*>> fields);

// The birth inputs of a window as the reports read them: the texts of the
// widgets in GBK, the calendar kind by the index of its text (-1 when typed
// text names no item).
struct BirthInputWidgets {
  const QLineEdit* surname;
  const QLineEdit* given;
  const QComboBox* sex;
  const QComboBox* calendar;
  const QComboBox* year;
  const QComboBox* month;
  const QComboBox* day;
  const QComboBox* hour;
  const QComboBox* minute;
};
numerology::NameInputs ReadBirthInputs(const BirthInputWidgets& w);

}  // namespace lumeno::app
