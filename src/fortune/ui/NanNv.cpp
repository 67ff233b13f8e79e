#include "fortune/ui/NanNv.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextLayout>
#include <QVBoxLayout>
#include <memory>

#include "app/look.h"
#include "app/ui_services.h"
#include "core/qt/qtext.h"
#include "fortune/boy_girl.h"
#include "fortune/ui/fields.h"

using namespace Qt::StringLiterals;

namespace lumeno::fortune {

namespace {

const QColor kBoy(0x1F, 0x5A, 0x9E);
const QColor kGirl(0xB0, 0x2A, 0x4A);

QTableWidget* Chart(int firstAge, int lastAge, QWidget* parent, const QString& objectName) {
  const int columns = lastAge - firstAge + 1;
  auto* table = new QTableWidget(12, columns, parent);
  table->setObjectName(objectName);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QStringList ages, months;
  for (int a = firstAge; a <= lastAge; ++a) ages << QString::number(a);
  for (int m = 1; m <= 12; ++m) months << u"%1月"_s.arg(m);
  table->setHorizontalHeaderLabels(ages);
  table->setVerticalHeaderLabels(months);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->horizontalHeader()->setDefaultSectionSize(32);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(22);
  table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  table->verticalHeader()->setFixedWidth(44);
  for (int m = 1; m <= 12; ++m) {
    for (int a = firstAge; a <= lastAge; ++a) {
      const QString sign = GbkToQString(BoyOrGirl(a, m));
      auto* item = new QTableWidgetItem(sign);
      item->setTextAlignment(Qt::AlignCenter);
      item->setForeground(sign == u"男"_s ? kBoy : kGirl);
      table->setItem(m - 1, a - firstAge, item);
    }
  }
  // Exactly as large as its cells: nothing to scroll, nothing cut off.
  table->setFixedSize(44 + 32 * columns + 2 * table->frameWidth() + 1,
                      table->horizontalHeader()->sizeHint().height() + 22 * 12 + 2 * table->frameWidth() + 1);
  return table;
}

}  // namespace

QPixmap PaintArticlePicture(const std::vector<std::string>& gbkLines, int width) {
  const int margin = 24;
  const int textWidth = width - 2 * margin;
  QFont body = app::ProgramFont();
  body.setPixelSize(14);
  QFont heading = body;
  heading.setPixelSize(20);
  heading.setBold(true);

  // Lay every paragraph out first to know the height of the picture.
  struct Block {
    std::unique_ptr<QTextLayout> layout;
    int top;
  };
  std::vector<Block> blocks;
  int y = margin;
  for (std::size_t i = 0; i < gbkLines.size(); ++i) {
    const QString text = GbkToQString(gbkLines[i]).trimmed();
    if (text.isEmpty()) {
      y += 8;
      continue;
    }
    const bool isHeading = i == 0;
    auto layout = std::make_unique<QTextLayout>(text, isHeading ? heading : body);
    QTextOption option(isHeading ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    const QFontMetricsF metrics(isHeading ? heading : body);
    const qreal leading = isHeading ? 0 : metrics.height() * 0.45;
    layout->beginLayout();
    qreal lineY = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLineWidth(textWidth);
      line.setPosition(QPointF(0, lineY));
      lineY += line.height() + leading;
    }
    layout->endLayout();
    blocks.push_back({std::move(layout), y});
    y += static_cast<int>(lineY) + (isHeading ? 18 : 10);
  }
  const int height = std::max(y + margin, 120);

  QPixmap picture(width, height);
  picture.fill(QColor(0xFB, 0xF6, 0xEA));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(QColor(0xB8, 0x9B, 0x6A), 2));
  p.drawRect(QRectF(6, 6, width - 12, height - 12));
  p.setPen(QPen(QColor(0xD9, 0xC8, 0xA4), 1));
  p.drawRect(QRectF(11, 11, width - 22, height - 22));
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    p.setPen(i == 0 ? QColor(0x8A, 0x2A, 0x1E) : QColor(0x33, 0x2B, 0x22));
    blocks[i].layout->draw(&p, QPointF(margin, blocks[i].top));
  }
  return picture;
}

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent, Qt::Dialog | kToolWindowFlags) {
  SetUpWindow(this, u"TFrm_NanNv"_s);
  setWindowTitle(u"生男生女"_s);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(8);
  Explanation = new QLabel(GbkToQString(kBoyOrGirlExplanation), this);
  Explanation->setObjectName(u"Explanation"_s);
  Explanation->setTextFormat(Qt::PlainText);
  Explanation->setWordWrap(true);
  outer->addWidget(Explanation);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(u"PageControl1"_s);

  auto* first = new QWidget(PageControl1);
  auto* firstLayout = new QVBoxLayout(first);
  Chart1 = Chart(kChartFirstAge, kChartSecondPageAge - 1, first, u"Chart1"_s);
  firstLayout->addWidget(Chart1, 0, Qt::AlignHCenter | Qt::AlignTop);
  firstLayout->addStretch(1);
  PageControl1->addTab(first, u"18到31岁"_s);

  auto* second = new QWidget(PageControl1);
  auto* secondLayout = new QVBoxLayout(second);
  auto* continued = new QLabel(GbkToQString(kChartContinuedHeading), second);
  continued->setObjectName(u"ContinuedHeading"_s);
  secondLayout->addWidget(continued, 0, Qt::AlignHCenter);
  Chart2 = Chart(kChartSecondPageAge, kChartLastAge, second, u"Chart2"_s);
  secondLayout->addWidget(Chart2, 0, Qt::AlignHCenter | Qt::AlignTop);
  secondLayout->addStretch(1);
  PageControl1->addTab(second, u"32到44岁"_s);

  auto* scroll = new QScrollArea(PageControl1);
  scroll->setObjectName(u"PictureArea"_s);
  scroll->setAlignment(Qt::AlignHCenter);
  Picture = new QLabel(scroll);
  Picture->setObjectName(u"Picture"_s);
  Picture->setPixmap(PaintArticlePicture(BoyOrGirlArticle(), Chart1->width() - 24));
  scroll->setWidget(Picture);
  PageControl1->addTab(scroll, u"生男生女有秘诀"_s);
  outer->addWidget(PageControl1, 1);

  setFixedWidth(Chart1->width() + 60);
  resize(width(), 480);
}

void OpenBoyOrGirl(QWidget* parent) {
  auto window = std::make_unique<TFrm_NanNv>(parent);
  app::Ui().RunModal(*window);
}

}  // namespace lumeno::fortune
