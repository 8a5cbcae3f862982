#include "ui/dialogs/splash_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "engine/program_version.h"
#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/program_picture.h"

namespace quorvane::ui {

QString SplashWindow::VersionText() {
  return QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion) + QStringLiteral("  (32 bit)");
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Splash"));
  setWindowTitle(QStringLiteral("Welcome"));

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(2);
  auto* picture = new QLabel(frame);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(ProgramPicture(96));
  auto* version = new QLabel(VersionText(), frame);
  version->setObjectName(QStringLiteral("Version"));
  auto* purpose = new QLabel(QStringLiteral("Visual directory synchronization"), frame);
  purpose->setObjectName(QStringLiteral("Comments"));
  QFont big = purpose->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  purpose->setFont(big);
  status_ = new QLabel(QStringLiteral("Loading..."), frame);
  status_->setObjectName(QStringLiteral("LStatus"));
  status_->setMinimumWidth(240);

  auto* texts = new QVBoxLayout;
  texts->addWidget(purpose);
  texts->addWidget(version);
  texts->addStretch();
  texts->addWidget(status_);
  auto* inner = new QHBoxLayout(frame);
  inner->addWidget(picture, 0, Qt::AlignTop);
  inner->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);

  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire 5 % early
  timer_.setInterval(kShowMs);
  connect(&timer_, &QTimer::timeout, this, &QWidget::close);
}

void SplashWindow::setStatus(std::string_view text) {
  status_->setText(WindowText(text));
  status_->repaint();
}

QString SplashWindow::status() const { return status_->text(); }

void SplashWindow::showEvent(QShowEvent* event) {
  // Centred on its screen: a splash has no window manager placement to rely on.
  adjustSize();
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QWidget::showEvent(event);
  timer_.start();
}

}  // namespace quorvane::ui
