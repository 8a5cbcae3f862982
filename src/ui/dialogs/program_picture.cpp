#include "ui/dialogs/program_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvane::ui {

namespace {

// One sheet of a file listing: a page with a folded corner and a few lines of names.
void drawSheet(QPainter& p, const QRectF& r, const QColor& fill, const QColor& lines) {
  const qreal fold = r.width() * 0.28;
  QPainterPath page;
  page.moveTo(r.topLeft());
  page.lineTo(r.right() - fold, r.top());
  page.lineTo(r.right(), r.top() + fold);
  page.lineTo(r.bottomRight());
  page.lineTo(r.bottomLeft());
  page.closeSubpath();
  p.setPen(QPen(QColor(40, 40, 60), r.width() * 0.04));
  p.setBrush(fill);
  p.drawPath(page);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
  p.setPen(QPen(lines, r.height() * 0.05, Qt::SolidLine, Qt::RoundCap));
  const qreal left = r.left() + r.width() * 0.15;
  for (int i = 0; i < 4; ++i) {
    const qreal y = r.top() + r.height() * (0.38 + 0.15 * i);
    const qreal indent = (i % 2) ? r.width() * 0.12 : 0;
    p.drawLine(QPointF(left + indent, y), QPointF(r.right() - r.width() * 0.15, y));
  }
}

}  // namespace

QPixmap ProgramPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  drawSheet(p, QRectF(s * 0.06, s * 0.06, s * 0.5, s * 0.62), QColor(0xBB, 0xFF, 0xBB), QColor(60, 110, 60));
  drawSheet(p, QRectF(s * 0.40, s * 0.30, s * 0.5, s * 0.62), QColor(0xFF, 0xFF, 0xB0), QColor(120, 100, 40));
  // The comparison mark: two arrows pointing at each other, low left.
  p.setPen(QPen(QColor(0xFF, 0x62, 0x46), s * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const qreal y1 = s * 0.80, y2 = s * 0.90, l = s * 0.06, m = s * 0.22, r = s * 0.36;
  p.drawLine(QPointF(l, y1), QPointF(r, y1));
  p.drawLine(QPointF(r - s * 0.05, y1 - s * 0.04), QPointF(r, y1));
  p.drawLine(QPointF(l, y2), QPointF(m + s * 0.14, y2));
  p.drawLine(QPointF(l, y2), QPointF(l + s * 0.05, y2 + s * 0.04));
  return pixmap;
}

}  // namespace quorvane::ui
