#include "calendar/ui/DateWin.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <memory>

#include "app/artwork.h"
#include "app/look.h"
#include "app/ui_services.h"
#include "calendar/month_view.h"
#include "core/date.h"
#include "core/qt/qdate.h"
#include "core/qt/qtext.h"

using namespace Qt::StringLiterals;

namespace lumeno::calendar {

namespace {

// The geometry of the window: a side panel with the large year and month,
// then the grid of 7 columns and 6 rows under a heading row.
constexpr int kSideWidth = 160;
constexpr int kGridLeft = 172;
constexpr int kHeadingTop = 50;
constexpr int kGridTop = 76;
constexpr int kCellWidth = 60;
constexpr int kCellHeight = 48;
constexpr int kWindowWidth = kGridLeft + 7 * kCellWidth + 8;
constexpr int kWindowHeight = kGridTop + 6 * kCellHeight + 10;

const QColor kInk(0x8A, 0x2A, 0x1E);       // the red-brown of the program's seal
const QColor kLinkInk(0x1F, 0x4E, 0x9A);   // the clickable year and month

std::function<QDate()>& Clock() {
  static std::function<QDate()> clock = [] { return QDate::currentDate(); };
  return clock;
}

void SetInk(QLabel* label, const QColor& colour) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& where, Qt::Alignment align, int pixelSize = 0,
                  bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(where);
  label->setAlignment(align);
  if (pixelSize > 0 || bold) {
    QFont f = label->font();
    if (pixelSize > 0) f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
  }
  return label;
}

}  // namespace

void TFRM_Date::SetClock(std::function<QDate()> clock) {
  Clock() = clock ? std::move(clock) : [] { return QDate::currentDate(); };
}

QDate TFRM_Date::Today() { return Clock()(); }

TFRM_Date::TFRM_Date(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(u"TFRM_Date"_s);
  setWindowTitle(u"万年历"_s);
  setWindowIcon(app::AppIcon());
  setFont(app::ProgramFont());
  setFixedSize(kWindowWidth, kWindowHeight);

  // Side panel: the year and month in large figures, the year's animal, the
  // constellation and 今天.
  auto* side = new QFrame(this);
  side->setObjectName(u"SidePanel"_s);
  side->setGeometry(0, 0, kSideWidth, kWindowHeight);
  side->setStyleSheet(u"QFrame#SidePanel { background: #FBF3E4; border-right: 1px solid #D9C7A7; }"_s);
  Label20 = MakeLabel(side, QString(), QRect(0, 18, kSideWidth, 40), Qt::AlignCenter, 32, true);
  Label20->setObjectName(u"Label20"_s);
  SetInk(Label20, kInk);
  Label16 = MakeLabel(side, QString(), QRect(10, 58, 96, 84), Qt::AlignRight | Qt::AlignVCenter, 72, true);
  Label16->setObjectName(u"Label16"_s);
  SetInk(Label16, kInk);
  QLabel* monthWord = MakeLabel(side, u"月"_s, QRect(110, 100, 30, 30), Qt::AlignLeft | Qt::AlignVCenter, 20, true);
  SetInk(monthWord, kInk);
  auto* rule = new QFrame(side);
  rule->setGeometry(16, 156, kSideWidth - 32, 1);
  rule->setStyleSheet(u"background: #D9C7A7;"_s);
  MakeLabel(side, u"生肖"_s, QRect(16, 172, 40, 26), Qt::AlignLeft | Qt::AlignVCenter);
  Label21 = MakeLabel(side, QString(), QRect(60, 172, 90, 26), Qt::AlignLeft | Qt::AlignVCenter, 18, true);
  Label21->setObjectName(u"Label21"_s);
  SetInk(Label21, kInk);
  MakeLabel(side, u"星座"_s, QRect(16, 206, 40, 26), Qt::AlignLeft | Qt::AlignVCenter);
  Label22 = MakeLabel(side, QString(), QRect(60, 206, 90, 26), Qt::AlignLeft | Qt::AlignVCenter, 18, true);
  Label22->setObjectName(u"Label22"_s);
  StaticText1 = new QPushButton(u"今天"_s, side);
  StaticText1->setObjectName(u"StaticText1"_s);
  StaticText1->setGeometry(30, kWindowHeight - 52, kSideWidth - 60, 30);
  StaticText1->setAutoDefault(false);
  StaticText1->setToolTip(u"回到今天所在的月份"_s);
  connect(StaticText1, &QPushButton::clicked, this, [this] { StaticText1Click(); });

  // Heading line: the year and month that bring up their spin controls.
  Label1 = MakeLabel(this, QString(), QRect(kGridLeft, 12, 52, 28), Qt::AlignRight | Qt::AlignVCenter, 20, true);
  Label1->setObjectName(u"Label1"_s);
  Label1->setToolTip(u"单击改变年份"_s);
  MakeLabel(this, u"年"_s, QRect(kGridLeft + 54, 12, 22, 28), Qt::AlignLeft | Qt::AlignVCenter, 16);
  Label17 = MakeLabel(this, QString(), QRect(kGridLeft + 76, 12, 28, 28), Qt::AlignRight | Qt::AlignVCenter, 20, true);
  Label17->setObjectName(u"Label17"_s);
  Label17->setToolTip(u"单击改变月份"_s);
  MakeLabel(this, u"月"_s, QRect(kGridLeft + 106, 12, 22, 28), Qt::AlignLeft | Qt::AlignVCenter, 16);
  for (QLabel* l : {Label1, Label17}) {
    SetInk(l, kLinkInk);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
  }
  UpDown1 = new QSpinBox(this);
  UpDown1->setObjectName(u"UpDown1"_s);
  UpDown1->setRange(1901, 2050);
  UpDown1->setToolTip(u"年份：1901至2050"_s);
  UpDown2 = new QSpinBox(this);
  UpDown2->setObjectName(u"UpDown2"_s);
  UpDown2->setRange(1, 12);
  UpDown2->setToolTip(u"月份：1至12"_s);
  for (QSpinBox* spin : {UpDown1, UpDown2}) {
    spin->setGeometry(kGridLeft + 136, 14, 76, 24);
    spin->setWrapping(false);
    spin->setKeyboardTracking(false);  // a typed number counts when it is complete
    spin->setAlignment(Qt::AlignRight);
  }
  connect(UpDown1, &QSpinBox::valueChanged, this, [this] { UpDown1Click(); });
  connect(UpDown2, &QSpinBox::valueChanged, this, [this] { UpDown2Click(); });
  UpDown1->hide();  // the month control is the one shown at first
  QLabel* hint =
      MakeLabel(this, u"单击年份或月份可以更改"_s, QRect(kGridLeft + 222, 12, 7 * kCellWidth - 222, 28),
                Qt::AlignRight | Qt::AlignVCenter);
  SetInk(hint, QColor(0x80, 0x80, 0x80));

  // Two sets of weekday headings, Sunday first: a pale set one pixel down
  // and right gives the front set its shadow.
  const QString weekdays[7] = {u"星期日"_s, u"星期一"_s, u"星期二"_s, u"星期三"_s,
                               u"星期四"_s, u"星期五"_s, u"星期六"_s};
  for (int set = 0; set < 2; ++set) {
    for (int c = 0; c < 7; ++c) {
      const int shift = set == 0 ? 1 : 0;
      QLabel* h = MakeLabel(this, weekdays[c], QRect(kGridLeft + c * kCellWidth + shift, kHeadingTop + shift,
                                                     kCellWidth, 22),
                            Qt::AlignCenter, 0, true);
      h->setObjectName(u"Label"_s + QString::number(2 + set * 7 + c));
      if (set == 0) SetInk(h, QColor(0xD0, 0xD0, 0xD0));
      else SetInk(h, c == 0 || c == 6 ? QColor(0xC0, 0x20, 0x20) : QColor(0x30, 0x30, 0x30));
    }
  }

  // The highlight lies under the labels of the cells.
  Shape2 = new QFrame(this);
  Shape2->setObjectName(u"Shape2"_s);
  Shape2->setStyleSheet(u"QFrame#Shape2 { background: #FFF0C8; border: 2px solid #E08A00; border-radius: 4px; }"_s);
  Shape2->hide();

  QFont numberFont = font();
  numberFont.setPointSize(11);
  numberFont.setBold(true);
  for (int i = 0; i < kPairs; ++i) {
    const QRect cell(kGridLeft + (i % 7) * kCellWidth, kGridTop + (i / 7) * kCellHeight, kCellWidth, kCellHeight);
    cells_[static_cast<std::size_t>(i)] = cell;
    QLabel* number = MakeLabel(this, QString(), QRect(cell.x(), cell.y() + 4, cell.width(), 22), Qt::AlignCenter);
    number->setFont(numberFont);
    number->setObjectName(u"DayNumber"_s + QString::number(i + 1));
    QLabel* text = MakeLabel(this, QString(), QRect(cell.x(), cell.y() + 27, cell.width(), 18), Qt::AlignCenter);
    text->setObjectName(u"DayText"_s + QString::number(i + 1));
    for (QLabel* l : {number, text}) {
      l->installEventFilter(this);
      l->setCursor(Qt::PointingHandCursor);
      l->hide();
    }
    numbers_[static_cast<std::size_t>(i)] = number;
    texts_[static_cast<std::size_t>(i)] = text;
  }

  selected_ = Today();
}

TFRM_Date::~TFRM_Date() = default;

void TFRM_Date::ShowMonth(const QDate& x) {
  const MonthView view = MonthViewOf(ToDateValue(x));
  const QString year = QString::number(view.year);
  const QString month = QString::number(view.month);
  Label20->setText(year);
  Label1->setText(year);
  Label17->setText(month);
  Label16->setText(month);
  Label21->setText(GbkToQString(view.zodiac));
  for (int i = 0; i < kPairs; ++i) {
    QLabel* number = numbers_[static_cast<std::size_t>(i)];
    QLabel* text = texts_[static_cast<std::size_t>(i)];
    number->hide();
    text->hide();
    SetInk(number, Qt::black);
    SetInk(text, Qt::black);
    const MonthViewCell& cell = view.cells[static_cast<std::size_t>(i)];
    if (cell.day == 0) continue;
    number->setText(QString::number(cell.day));
    text->setText(GbkToQString(cell.cell.text));
    const CellRgb rgb = CellColourRgb(cell.cell.colour);
    SetInk(text, QColor(rgb.red, rgb.green, rgb.blue));
    number->show();
    text->show();
  }
  MoveHighlight(view.marked + 1);
  Label22->setText(GbkToQString(view.constellation));
}

void TFRM_Date::MoveHighlight(int pair) {
  if (pair < 1 || pair > kPairs) return;
  highlighted_ = pair;
  Shape2->setGeometry(cells_[static_cast<std::size_t>(pair - 1)].adjusted(2, 2, -2, -2));
  Shape2->show();
}

void TFRM_Date::ShowSelectedDate() {
  y_ = selected_.year();
  m_ = selected_.month();
  d_ = selected_.day();
  {
    // Setting the controls is no user's move.
    const QSignalBlocker b1(UpDown1);
    const QSignalBlocker b2(UpDown2);
    UpDown1->setValue(y_);
    UpDown2->setValue(m_);
  }
  ShowMonth(selected_);
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) ShowSelectedDate();
}

void TFRM_Date::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    wasActive_ = true;
  } else if (wasActive_ && isVisible()) {
    // Another window became the active one: the calendar goes away. The
    // close waits for the activation change to finish.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

int TFRM_Date::PairOf(QObject* label) const {
  for (int i = 0; i < kPairs; ++i)
    if (numbers_[static_cast<std::size_t>(i)] == label || texts_[static_cast<std::size_t>(i)] == label) return i + 1;
  return 0;
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return QDialog::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return QDialog::eventFilter(watched, event);
  auto* label = qobject_cast<QLabel*>(watched);
  const bool inside = label && label->rect().contains(mouse->position().toPoint());
  if (watched == Label1 || watched == Label17) {
    if (type == QEvent::MouseButtonRelease && inside) watched == Label1 ? Label1Click() : Label17Click();
    return true;
  }
  if (const int pair = PairOf(watched)) {
    if (type == QEvent::MouseButtonPress) {
      pressedPair_ = pair;
      DayMouseDown(pair);
    } else {
      if (inside && pressedPair_ == pair) DayClick(pair);
      pressedPair_ = 0;
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFRM_Date::Label1Click() {
  UpDown1->show();
  UpDown2->hide();
  UpDown1->setFocus();
}

void TFRM_Date::Label17Click() {
  UpDown2->show();
  UpDown1->hide();
  UpDown2->setFocus();
}

void TFRM_Date::UpDown1Click() {
  y_ = UpDown1->value();
  selected_ = ToQDate(MonthViewDate(y_, m_, d_));
  ShowMonth(selected_);
}

void TFRM_Date::UpDown2Click() {
  m_ = UpDown2->value();
  selected_ = ToQDate(MonthViewDate(y_, m_, d_));
  ShowMonth(selected_);
}

void TFRM_Date::StaticText1Click() {
  selected_ = Today();
  ShowSelectedDate();
}

void TFRM_Date::DayMouseDown(int pair) { MoveHighlight(pair); }

void TFRM_Date::DayClick(int pair) {
  const int day = numbers_[static_cast<std::size_t>(pair - 1)]->text().toInt();
  if (day < 1) return;
  d_ = day;
  selected_ = QDate(y_, m_, d_);
  // The constellation follows the day the user picked; the grid stays.
  Label22->setText(GbkToQString(CnConstellation(d_, EncodeDate(y_, m_, 1))));
}

void OpenCalendarWindow(QWidget* parent) {
  auto window = std::make_unique<TFRM_Date>(parent);
  app::Ui().RunModal(*window);
}

}  // namespace lumeno::calendar
