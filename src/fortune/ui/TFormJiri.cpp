#include "fortune/ui/TFormJiri.h"

#include <QComboBox>
#include <QDateEdit>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/command_runner.h"
#include "core/qt/qdate.h"
#include "core/qt/qtext.h"
#include "data/database.h"
#include "fortune/almanac_rules.h"
#include "fortune/ui/fields.h"
#include "fortune/ui/TFormHuangdao.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

namespace {

std::string VelBirth() { return data::ConnectionStringFor(data::DatabaseFile::VelBirth); }

QDate FirstDay() { return ToQDate(AlmanacFirstDay()); }
QDate LastDay() { return ToQDate(AlmanacLastDay()); }

enum Column { kDate, kLunar, kWeekday, kPillar, kClash, kDayGod, kColumns };

}  // namespace

TFormJiri::TFormJiri(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
  SetUpWindow(this, u"TFormJiri"_s);
  setWindowTitle(u"吉日查询"_s);
  setModal(false);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 10);
  outer->setSpacing(8);

  // The activities: the fifteen of the 吉日 commands first, then every other
  // activity of the table.
  CbActivity = new QComboBox(this);
  CbActivity->setObjectName(u"CbActivity"_s);
  CbActivity->setMaxVisibleItems(20);
  // A scrolling list of twenty rows rather than a menu as tall as the screen.
  CbActivity->setStyleSheet(u"QComboBox { combobox-popup: 0; }"_s);
  CbActivity->setPlaceholderText(u"请选择事项"_s);
  CbActivity->setMinimumWidth(120);
  std::vector<std::string> all;
  app::RunCommand(this, [&] { all = AlmanacActivities(VelBirth()); });
  std::vector<std::string> rest = all;
  for (const LuckyDayCommand& c : LuckyDayCommands) {
    const std::string activity(c.activity);
    auto it = std::find(rest.begin(), rest.end(), activity);
    if (it == rest.end()) continue;
    rest.erase(it);
    CbActivity->addItem(GbkToQString(activity));
  }
  if (CbActivity->count() > 0 && !rest.empty()) CbActivity->insertSeparator(CbActivity->count());
  for (const std::string& a : rest) CbActivity->addItem(GbkToQString(a));
  CbActivity->setCurrentIndex(-1);

  DeFrom = new QDateEdit(this);
  DeFrom->setObjectName(u"DeFrom"_s);
  DeFrom->setDisplayFormat(u"yyyy-MM-dd"_s);
  DeFrom->setCalendarPopup(true);
  DeFrom->setDateRange(FirstDay(), LastDay());
  DeFrom->setDate(std::clamp(QDate::currentDate(), FirstDay(), LastDay()));

  CbSpan = new QComboBox(this);
  CbSpan->setObjectName(u"CbSpan"_s);
  for (int days : kLuckyDaySpans) CbSpan->addItem(QString::number(days) + u"天"_s, days);
  CbSpan->setCurrentIndex(CbSpan->findData(kDefaultLuckyDaySpan));

  auto* inputs = new QHBoxLayout();
  inputs->setSpacing(4);
  inputs->addWidget(new QLabel(u"事项："_s, this));
  inputs->addWidget(CbActivity);
  inputs->addSpacing(10);
  inputs->addWidget(new QLabel(u"起始日期："_s, this));
  inputs->addWidget(DeFrom);
  inputs->addSpacing(10);
  inputs->addWidget(new QLabel(u"天数："_s, this));
  inputs->addWidget(CbSpan);
  inputs->addSpacing(12);
  AddCommandButtons(inputs, this, {{u"今天", &TFormJiri::CmdToday}, {u"关闭", &TFormJiri::CmdClose}}, 24);
  inputs->addStretch(1);
  outer->addLayout(inputs);

  LblSummary = new QLabel(this);
  LblSummary->setObjectName(u"LblSummary"_s);
  LblSummary->setTextFormat(Qt::PlainText);
  LblSummary->setWordWrap(true);
  outer->addWidget(LblSummary);

  LvDays = new QTreeWidget(this);
  LvDays->setObjectName(u"LvDays"_s);
  LvDays->setRootIsDecorated(false);
  LvDays->setUniformRowHeights(true);
  LvDays->setAlternatingRowColors(false);
  LvDays->setSelectionMode(QAbstractItemView::SingleSelection);
  LvDays->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LvDays->setHeaderLabels({u"日期"_s, u"农历"_s, u"星期"_s, u"日柱"_s, u"冲煞"_s, u"值神"_s});
  LvDays->header()->setStretchLastSection(true);
  LvDays->header()->setSectionsMovable(false);
  const int widths[kColumns] = {96, 128, 64, 56, 120, 110};
  for (int c = 0; c < kColumns; ++c) LvDays->setColumnWidth(c, widths[c]);
  outer->addWidget(LvDays, 1);

  auto* hint = new QLabel(u"红字为黄道日。双击一天，可查看当日的黄历。"_s, this);
  hint->setStyleSheet(u"color: #555555;"_s);
  outer->addWidget(hint);

  app::ConnectCommand(CbActivity, &QComboBox::currentIndexChanged, this, &TFormJiri::CmdSearch);
  app::ConnectCommand(DeFrom, &QDateEdit::dateChanged, this, &TFormJiri::CmdSearch);
  app::ConnectCommand(CbSpan, &QComboBox::currentIndexChanged, this, &TFormJiri::CmdSearch);
  // Enter on a row opens its day too.
  connect(LvDays, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { app::RunCommand(this, [this, item] { CmdOpenDay(item); }); });

  resize(660, 520);
  Refresh();
}

TFormJiri::~TFormJiri() = default;

bool TFormJiri::SetActivity(const std::string& activity) {
  const int index = CbActivity->findText(GbkToQString(activity));
  CbActivity->setCurrentIndex(index);
  return index >= 0;
}

void TFormJiri::SetFrom(const QDate& day) { DeFrom->setDate(std::clamp(day, FirstDay(), LastDay())); }

void TFormJiri::SetSpan(int days) {
  const int index = CbSpan->findData(days);
  if (index >= 0) CbSpan->setCurrentIndex(index);
}

std::string TFormJiri::Activity() const {
  return CbActivity->currentIndex() < 0 ? std::string() : QStringToGbk(CbActivity->currentText());
}

int TFormJiri::Span() const { return CbSpan->currentData().toInt(); }

void TFormJiri::CmdSearch() {
  days_.clear();
  const std::string activity = Activity();
  if (!activity.empty()) days_ = FindLuckyDays(VelBirth(), activity, ToDateValue(DeFrom->date()), Span());
  Refresh();
}

void TFormJiri::Refresh() {
  LvDays->clear();
  const std::string activity = Activity();
  if (activity.empty()) {
    LblSummary->setText(u"请选择要办的事项，即可列出从起始日期起宜办此事的日子。"_s);
    return;
  }
  const QDate from = DeFrom->date();
  const int span = Span();
  const QDate to = std::min(from.addDays(span - 1), LastDay());
  const QString what = GbkToQString(activity);
  QString summary = from.toString(u"yyyy-MM-dd"_s) + u"至"_s + to.toString(u"yyyy-MM-dd"_s);
  if (days_.empty()) {
    summary += u"没有宜"_s + what + u"的日子"_s;
    summary += span < kLuckyDaySpans.back() ? u"，可选更长的天数再查。"_s : u"。"_s;
  } else {
    int yellow = 0;
    for (const LuckyDay& d : days_) yellow += d.yellowPath ? 1 : 0;
    summary += u"宜"_s + what + u"的日子共%1天，其中黄道日%2天。"_s.arg(days_.size()).arg(yellow);
  }
  if (from.addDays(span - 1) > LastDay()) summary += u"黄历收录到2100年12月31日为止。"_s;
  LblSummary->setText(summary);

  QList<QTreeWidgetItem*> items;
  for (const LuckyDay& d : days_) {
    const QDate day = ToQDate(d.date);
    auto* item = new QTreeWidgetItem(QStringList{day.toString(u"yyyy-MM-dd"_s), GbkToQString(d.lunar),
                                                 GbkToQString(d.weekday), GbkToQString(d.pillar + "日"),
                                                 GbkToQString(d.clash), GbkToQString(d.dayGod)});
    item->setData(kDate, Qt::UserRole, day);
    if (d.yellowPath) {
      for (int c = 0; c < kColumns; ++c) item->setForeground(c, QColor(0xb0, 0x00, 0x00));
      QFont bold = LvDays->font();
      bold.setBold(true);
      item->setFont(kDayGod, bold);
    }
    items << item;
  }
  LvDays->addTopLevelItems(items);
}

void TFormJiri::CmdOpenDay(QTreeWidgetItem* item) {
  if (!item) return;
  const QDate day = item->data(kDate, Qt::UserRole).toDate();
  if (!day.isValid()) return;
  // The almanac window belongs to the main window, so it stays open when
  // this one closes.
  OpenAlmanacWindow(parentWidget(), day);
}

void TFormJiri::CmdToday() { SetFrom(QDate::currentDate()); }

void TFormJiri::CmdClose() { close(); }

TFormJiri* OpenLuckyDayWindow(QWidget* parent, const std::string& activity) {
  auto* window = new TFormJiri(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  // Setting the activity lists its days at once. An activity the almanac
  // favours only in some months (入学 waits up to half a year) may have no
  // day in the first span; the window then looks a whole year ahead.
  if (!activity.empty() && window->SetActivity(activity) && window->Days().empty())
    window->SetSpan(kLuckyDaySpans.back());
  window->show();
  return window;
}

}  // namespace lumeno::fortune
