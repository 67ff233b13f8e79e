#include "app/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::StringLiterals;

namespace lumeno::app {
namespace {

const QColor kSealRed(0xB2, 0x32, 0x2A);

// A seal: a rounded square with a double border and two characters.
void PaintSeal(QPainter& p, const QRectF& box, const QString& text, qreal alpha) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QColor red = kSealRed;
  red.setAlphaF(alpha);
  const qreal radius = box.width() * 0.12;
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  p.drawRoundedRect(box, radius, radius);
  // Inner border in the paper colour.
  const qreal inset = box.width() * 0.07;
  QPen inner(QColor(0xFB, 0xF4, 0xE6, static_cast<int>(alpha * 230)));
  inner.setWidthF(qMax(1.0, box.width() * 0.025));
  p.setPen(inner);
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(box.adjusted(inset, inset, -inset, -inset), radius * 0.6, radius * 0.6);
  if (!text.isEmpty()) {
    QFont f(u"WenQuanYi Zen Hei"_s);
    f.setPixelSize(static_cast<int>(box.height() * (text.size() > 1 ? 0.36 : 0.62)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xFB, 0xF4, 0xE6, static_cast<int>(alpha * 255)));
    if (text.size() == 2) {
      // Two characters stacked, as a seal carries them.
      QRectF top(box.left(), box.top() + inset, box.width(), box.height() / 2 - inset);
      QRectF bottom(box.left(), box.center().y(), box.width(), box.height() / 2 - inset);
      p.drawText(top, Qt::AlignCenter, text.left(1));
      p.drawText(bottom, Qt::AlignCenter, text.mid(1, 1));
    } else {
      p.drawText(box, Qt::AlignCenter, text);
    }
  }
  p.restore();
}

// Rows of overlapping half-circles, the old wave pattern, fading upwards.
void PaintWaves(QPainter& p, const QRectF& band) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(band);
  const qreal r = 26;
  int row = 0;
  for (qreal y = band.bottom() + r; y > band.top() - r; y -= r * 0.5, ++row) {
    qreal fade = (y - band.top()) / band.height();
    QColor line(0x6F, 0x9A, 0x86, static_cast<int>(qBound(0.0, fade, 1.0) * 60));
    QPen pen(line);
    pen.setWidthF(1.0);
    p.setPen(pen);
    p.setBrush(QColor(0xEE, 0xF5, 0xEA, static_cast<int>(qBound(0.0, fade, 1.0) * 200)));
    qreal shift = (row % 2) ? r : 0;
    for (qreal x = band.left() - 2 * r + shift; x < band.right() + 2 * r; x += 2 * r) {
      for (int k = 3; k >= 1; --k) p.drawEllipse(QPointF(x, y), r * k / 3.0, r * k / 3.0);
    }
  }
  p.restore();
}

}  // namespace

QPixmap PaintBackground(const QSize& size) {
  QPixmap pixmap(size.expandedTo(QSize(1, 1)));
  const QRectF all(QPointF(0, 0), QSizeF(pixmap.size()));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient ground(all.topLeft(), all.bottomLeft());
  ground.setColorAt(0.0, QColor(0xFC, 0xF7, 0xEC));
  ground.setColorAt(1.0, QColor(0xE6, 0xF1, 0xE1));
  p.fillRect(all, ground);

  QRadialGradient glow(QPointF(all.center().x(), all.height() * 0.38), all.width() * 0.5);
  glow.setColorAt(0.0, QColor(255, 255, 255, 150));
  glow.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(all, glow);

  PaintWaves(p, QRectF(all.left(), all.bottom() - all.height() * 0.28, all.width(), all.height() * 0.28));

  // Thin frame lines, like the ruling of a page.
  QPen frame(QColor(0xB8, 0x9B, 0x6A, 110));
  frame.setWidthF(1.0);
  p.setPen(frame);
  p.setBrush(Qt::NoBrush);
  p.drawRect(all.adjusted(8.5, 8.5, -9.5, -9.5));
  p.drawRect(all.adjusted(12.5, 12.5, -13.5, -13.5));

  const qreal seal = qMin(all.width(), all.height()) * 0.2;
  const QPointF centre(all.center().x(), all.height() * 0.30);
  PaintSeal(p, QRectF(centre.x() - seal / 2, centre.y() - seal / 2, seal, seal), u"嘉名"_s, 0.88);

  QFont title(u"DejaVu Serif"_s);
  title.setPixelSize(static_cast<int>(seal * 0.42));
  title.setLetterSpacing(QFont::AbsoluteSpacing, seal * 0.03);
  p.setFont(title);
  p.setPen(QColor(0x5A, 0x43, 0x2C));
  const qreal titleTop = centre.y() + seal * 0.62;
  p.drawText(QRectF(0, titleTop, all.width(), seal * 0.55), Qt::AlignCenter, u"Lumeno"_s);

  QFont line(u"WenQuanYi Zen Hei"_s);
  line.setPixelSize(qMax(12, static_cast<int>(seal * 0.14)));
  line.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  p.setFont(line);
  p.setPen(QColor(0x7A, 0x5E, 0x3E));
  const qreal lineTop = titleTop + seal * 0.6;
  p.drawText(QRectF(0, lineTop, all.width(), seal * 0.22), Qt::AlignCenter, u"好名伴一生  吉言启新程"_s);

  QFont hint(u"WenQuanYi Zen Hei"_s);
  hint.setPixelSize(12);
  p.setFont(hint);
  p.setPen(QColor(0x6B, 0x6B, 0x5E));
  p.drawText(QRectF(20, lineTop + seal * 0.34, all.width() - 40, 40), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             u"在上方填写姓名和出生时间，再点“姓名详解”或“八字分析”，测算结果会显示在这里。"_s);
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const qreal m = side * 0.06;
    PaintSeal(p, QRectF(m, m, side - 2 * m, side - 2 * m), side >= 24 ? u"名"_s : QString(), 1.0);
    if (side < 24) {
      // Too small for a character: a plain mark in the seal's middle.
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xFB, 0xF4, 0xE6));
      p.drawEllipse(QPointF(side / 2.0, side / 2.0), side * 0.16, side * 0.16);
    }
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace lumeno::app
