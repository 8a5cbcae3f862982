#include "ui/dialogs/file_type_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvane::ui {

FileTypeDialog::FileTypeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FileTypeDlg"));
  setWindowTitle(QStringLiteral("Choose file type"));

  auto* group = new QGroupBox(QStringLiteral("File types"), this);
  auto* groupLayout = new QVBoxLayout(group);
  auto* exclusive = new QButtonGroup(this);
  const char* texts[kItemCount] = {"ZIP, JAR", "RAR", "ACE", "ARJ", "LHA,LZH,PAK", "ZOO", "ARC",
                                   "SNP, LST (Quorvane Snapshots)"};
  for (int i = 0; i < kItemCount; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(texts[i]), group);
    b->setObjectName(QStringLiteral("rbType%1").arg(i));
    exclusive->addButton(b, i);
    groupLayout->addWidget(b);
    items_[static_cast<std::size_t>(i)] = b;
  }
  items_[0]->setChecked(true);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("bnOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("bnCancel"));
  auto* help = new QPushButton(QStringLiteral("Help"), this);
  help->setObjectName(QStringLiteral("bnHelp"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(QString::fromLatin1(kHelpTopic)); });

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

std::uint8_t FileTypeDialog::SetKindOfItem(int index) {
  return index == kItemCount - 1 ? 9 : static_cast<std::uint8_t>(index + 1);
}

int FileTypeDialog::checkedIndex() const {
  for (int i = 0; i < kItemCount; ++i)
    if (items_[static_cast<std::size_t>(i)]->isChecked()) return i;
  return 0;
}

std::uint8_t FileTypeDialog::choose() {
  if (exec() != QDialog::Accepted) return 0;
  return SetKindOfItem(checkedIndex());
}

}  // namespace quorvane::ui
