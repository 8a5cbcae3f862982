#include "ui/dialogs/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/program_version.h"
#include "ui/dialogs/program_picture.h"

namespace quorvane::ui {

QString AboutBox::VersionText() {
  return QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion) + QStringLiteral("  (32-bit)");
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(ProgramPicture(64));
  auto* comments = new QLabel(QStringLiteral("Archive / directory tree comparison"), this);
  comments->setObjectName(QStringLiteral("Comments"));
  auto* version = new QLabel(VersionText(), this);
  version->setObjectName(QStringLiteral("Version"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(comments);
  texts->addWidget(version);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(picture, 0, Qt::AlignTop);
  top->addLayout(texts);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

}  // namespace quorvane::ui
