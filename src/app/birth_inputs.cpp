#include "app/birth_inputs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/qt/qtext.h"

namespace lumeno::app {

QComboBox* MakeInputCombo(QWidget* parent, const QStringList& items, const QString& initial, int width) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  box->setMaxVisibleItems(16);
  box->setCurrentIndex(box->findText(initial));
  box->setEditText(initial);
  box->setFixedWidth(width);
  return box;
}

QStringList NumberItems(int from, int to, int digits) {
  QStringList items;
  for (int i = from; i <= to; ++i) items << QStringLiteral("%1").arg(i, digits, 10, QLatin1Char('0'));
  return items;
}

QStringList HourItems() {
  static const char16_t* const kItems[] = {u"子 0",  u"丑 1",  u"丑 2",  u"寅 3",  u"寅 4",  u"卯 5",
                                           u"卯 6",  u"辰 7",  u"辰 8",  u"巳 9",  u"巳 10", u"午 11",
                                           u"午 12", u"未 13", u"未 14", u"申 15", u"申 16", u"酉 17",
                                           u"酉 18", u"戌 19", u"戌 20", u"亥 21", u"亥 22", u"子 23"};
  QStringList items;
  for (const char16_t* item : kItems) items << QString::fromUtf16(item);
  return items;
}

QLabel* FieldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QHBoxLayout* InputRow(QWidget* owner, std::initializer_list<std::pair<const char16_t*, QWidget*>> fields) {
  auto* line = new QHBoxLayout();
  line->setSpacing(4);
  for (const auto& [label, input] : fields) {
    if (line->count()) line->addSpacing(6);
    if (label) line->addWidget(FieldLabel(QString::fromUtf16(label), owner));
    line->addWidget(input);
  }
  line->addStretch(1);
  return line;
}

numerology::NameInputs ReadBirthInputs(const BirthInputWidgets& w) {
  numerology::NameInputs in;
  in.surname = QStringToGbk(w.surname->text());
  in.given = QStringToGbk(w.given->text());
  in.sex = QStringToGbk(w.sex->currentText());
  in.year = QStringToGbk(w.year->currentText());
  in.month = QStringToGbk(w.month->currentText());
  in.day = QStringToGbk(w.day->currentText());
  in.hourItem = QStringToGbk(w.hour->currentText());
  in.minute = QStringToGbk(w.minute->currentText());
  in.calendarIndex = w.calendar->findText(w.calendar->currentText());
  return in;
}

}  // namespace lumeno::app
