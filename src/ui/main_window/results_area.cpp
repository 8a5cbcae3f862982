#include "ui/main_window/results_area.h"

#include <QPainter>
#include <QPaintEvent>
#include <QPainterPath>

namespace quorvane::ui {

QPixmap BackgroundTile() {
  // Two faint overlapping folder outlines on a pale ground: the program's two sets.
  QPixmap tile(96, 96);
  tile.fill(QColor(0xEE, 0xF1, 0xF5));
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  auto folder = [&](QPointF at, QColor colour) {
    QPainterPath path;
    path.moveTo(at + QPointF(0, 6));
    path.lineTo(at + QPointF(10, 6));
    path.lineTo(at + QPointF(13, 10));
    path.lineTo(at + QPointF(30, 10));
    path.lineTo(at + QPointF(30, 30));
    path.lineTo(at + QPointF(0, 30));
    path.closeSubpath();
    p.setPen(QPen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  };
  folder(QPointF(14, 12), QColor(0xC9, 0xD3, 0xE0));
  folder(QPointF(22, 20), QColor(0xD8, 0xCF, 0xE6));
  folder(QPointF(62, 60), QColor(0xC9, 0xD3, 0xE0));
  folder(QPointF(70, 68), QColor(0xD8, 0xCF, 0xE6));
  return tile;
}

ResultsArea::ResultsArea(QWidget* parent) : QWidget(parent), tile_(BackgroundTile()) {}

void ResultsArea::setContent(QWidget* content) {
  content_ = content;
  content_->setParent(this);
  content_->setGeometry(rect());
}

void ResultsArea::paintEvent(QPaintEvent* event) {
  if (content_ && content_->isVisible()) return;
  QPainter p(this);
  p.drawTiledPixmap(event->rect(), tile_, event->rect().topLeft());
}

void ResultsArea::resizeEvent(QResizeEvent*) {
  if (content_) content_->setGeometry(rect());
}

}  // namespace quorvane::ui
