#include "ui/dialogs/scan_bar.h"

#include <QPainter>
#include <algorithm>

namespace quorvane::ui {

ScanBar::ScanBar(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(8);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ScanBar::setPercent(int percent) {
  if (percent < 0) {
    const int last = std::max(0, width() - 2 - kBlockWidth);
    block_ += direction_ * kBlockStep;
    if (block_ >= last) {
      block_ = last;
      direction_ = -1;
    } else if (block_ <= 0) {
      block_ = 0;
      direction_ = 1;
    }
    percent_ = -1;
  } else {
    percent_ = std::min(percent, 100);
  }
  update();
}

void ScanBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  p.fillRect(rect(), palette().base());
  p.setPen(palette().mid().color());
  p.drawRect(frame);
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  const QColor fill(0, 0, 160);
  if (percent_ < 0) {
    p.fillRect(QRect(inner.left() + block_, inner.top(), kBlockWidth, inner.height()), fill);
  } else if (percent_ > 0) {
    p.fillRect(QRect(inner.left(), inner.top(), inner.width() * percent_ / 100, inner.height()), fill);
  }
}

}  // namespace quorvane::ui
