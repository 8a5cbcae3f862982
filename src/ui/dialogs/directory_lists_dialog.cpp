#include "ui/dialogs/directory_lists_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

TfrmDirs::TfrmDirs(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmDirs"));
  setWindowTitle(FromUtf8(DirectoryListsEditor::kCaption));

  tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("PageControl1"));
  meInclude = new QPlainTextEdit(tabs);
  meInclude->setObjectName(QStringLiteral("meInclude"));
  meExclude = new QPlainTextEdit(tabs);
  meExclude->setObjectName(QStringLiteral("meExclude"));
  for (QPlainTextEdit* memo : {meInclude, meExclude}) memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  tabs->addTab(meInclude, QStringLiteral("Include directories"));
  tabs->addTab(meExclude, QStringLiteral("Exclude directories"));

  LHelp = new QLabel(this);
  LHelp->setObjectName(QStringLiteral("LHelp"));
  LHelp->setTextFormat(Qt::PlainText);
  LHelp->setWordWrap(true);

  bnOK = new QPushButton(QStringLiteral("&OK"), this);
  bnOK->setObjectName(QStringLiteral("bnOK"));
  bnOK->setDefault(true);
  bnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  bnSave = new QPushButton(QStringLiteral("&Save"), this);
  bnSave->setObjectName(QStringLiteral("bnSave"));
  bnSave->setToolTip(QStringLiteral("Save Exclude directories.\nOnly Exclude can be saved."));
  bnHelp = new QPushButton(QStringLiteral("&Help"), this);
  bnHelp->setObjectName(QStringLiteral("bnHelp"));

  connect(tabs, &QTabWidget::currentChanged, this, [this] { pageChanged(); });
  connect(bnOK, &QPushButton::clicked, this, [this] {
    readMemos();
    accept();
  });
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(bnSave, &QPushButton::clicked, this, [this] {
    readMemos();
    if (editor_) editor_->Save();
  });
  connect(bnHelp, &QPushButton::clicked, this,
          [this] { emit helpRequested(FromUtf8(DirectoryListsEditor::kHelpTopic)); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {bnOK, bnCancel, bnSave, bnHelp}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs, 1);
  layout->addWidget(LHelp);
  layout->addLayout(buttons);
  resize(440, 360);
}

void TfrmDirs::readMemos() {
  if (!editor_) return;
  editor_->meInclude = meInclude->toPlainText().toStdString();
  editor_->meExclude = meExclude->toPlainText().toStdString();
}

void TfrmDirs::pageChanged() {
  if (!editor_) return;
  editor_->page = tabs->currentIndex() == 1 ? DirectoryListsEditor::Page::Exclude : DirectoryListsEditor::Page::Include;
  LHelp->setText(WindowText(editor_->LHelp()).trimmed());
  bnSave->setVisible(editor_->bnSaveVisible());
}

platform::DialogChoice TfrmDirs::choose(DirectoryListsEditor& editor) {
  editor_ = nullptr;
  meInclude->setPlainText(FromUtf8(editor.meInclude));
  meExclude->setPlainText(FromUtf8(editor.meExclude));
  tabs->setCurrentIndex(editor.page == DirectoryListsEditor::Page::Exclude ? 1 : 0);
  editor_ = &editor;
  pageChanged();
  meInclude->setFocus();
  const int result = exec();
  editor_ = nullptr;
  return result == QDialog::Accepted ? platform::DialogChoice::Run : platform::DialogChoice::Cancel;
}

}  // namespace quorvane::ui
