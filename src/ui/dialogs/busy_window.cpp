#include "ui/dialogs/busy_window.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

BusyWindow::BusyWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("MsgDlg"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  label_ = new QLabel(frame);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setAlignment(Qt::AlignCenter);
  shape2_ = new QFrame(frame);
  shape2_->setObjectName(QStringLiteral("Shape2"));
  shape2_->setFixedSize(kBarWidth, 10);
  shape2_->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape2_->setStyleSheet(QStringLiteral("QFrame#Shape2 { background: white; border: 1px solid gray; }"));
  shape1_ = new QFrame(shape2_);
  shape1_->setObjectName(QStringLiteral("Shape1"));
  shape1_->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: navy; }"));
  shape1_->setGeometry(0, 0, 0, 10);

  auto* inner = new QVBoxLayout(frame);
  inner->addWidget(label_);
  inner->addWidget(shape2_, 0, Qt::AlignHCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
}

void BusyWindow::showText(std::string_view text) {
  setText(text);
  setBar(0);
  adjustSize();
  show();
  raise();
}

void BusyWindow::setText(std::string_view text) { label_->setText(WindowText(text)); }

void BusyWindow::setBar(int percent) {
  const int clamped = std::clamp(percent, 0, 100);
  shape1_->setGeometry(0, 0, kBarWidth * clamped / 100, shape2_->height());
}

int BusyWindow::filledWidth() const { return shape1_->width(); }

}  // namespace quorvane::ui
