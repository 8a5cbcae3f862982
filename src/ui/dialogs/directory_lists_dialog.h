#pragma once
// "Include / Exclude directories" (TfrmDirs): the face of DirectoryListsEditor, a memo per
// list on two tabs.
#include <QDialog>

#include "platform/user_interface.h"
#include "program/directory_lists_editor.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace quorvane::ui {

class TfrmDirs : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmDirs(QWidget* parent = nullptr);

  // Shows the editor's memos modally; Run for OK (the memos read into the editor),
  // Cancel otherwise. Save writes the exclude list while the dialog is open.
  platform::DialogChoice choose(DirectoryListsEditor& editor);

  QTabWidget* tabs = nullptr;
  QPlainTextEdit* meInclude = nullptr;
  QPlainTextEdit* meExclude = nullptr;
  QLabel* LHelp = nullptr;
  QPushButton* bnOK = nullptr;
  QPushButton* bnCancel = nullptr;
  QPushButton* bnSave = nullptr;
  QPushButton* bnHelp = nullptr;

 signals:
  void helpRequested(const QString& topic);

 private:
  void readMemos();
  void pageChanged();

  DirectoryListsEditor* editor_ = nullptr;
};

}  // namespace quorvane::ui
