#pragma once
// "Open Directory" (TOpenDirectoryDlg): the face of DirectoryChooserModel, with the
// directory list TMultiDirectoryListBox that draws the model's rows: ancestors as open
// folders, subdirectories as closed folders, each at its indent, the subdirectories
// selected in multi-select mode on dark green.
#include <QDialog>
#include <QListWidget>

#include "platform/user_interface.h"
#include "program/directory_chooser.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace quorvane::ui {

class TMultiDirectoryListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TMultiDirectoryListBox(QWidget* parent = nullptr);

  // The rows of the model; multi-select lets several subdirectory rows be selected
  // (Ctrl-click adds one), ancestors are never selectable then.
  void showItems(const std::vector<DirectoryItem>& items, bool multiSelect);
  bool multiSelect() const { return multiSelect_; }
  // The selected rows, top to bottom.
  std::vector<std::size_t> selectedRows() const;

 private:
  bool multiSelect_ = false;
};

class TOpenDirectoryDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TOpenDirectoryDlg(QWidget* parent = nullptr);

  // Shows the model modally; Run for OK, Cancel otherwise.
  platform::DialogChoice choose(DirectoryChooserModel& model);
  void showModel(DirectoryChooserModel& model);

  QComboBox* DirectoryName = nullptr;
  QComboBox* DriveComboBox1 = nullptr;
  QWidget* pnDirs = nullptr;
  TMultiDirectoryListBox* list = nullptr;
  QCheckBox* cbInclude = nullptr;
  QPushButton* bnRefresh = nullptr;
  QFrame* pnDirIndicator = nullptr;
  QPushButton* bnDirs = nullptr;
  QPushButton* bnOK = nullptr;
  QPushButton* bnCancel = nullptr;
  QPushButton* bnHelp = nullptr;

 signals:
  void helpRequested(const QString& topic);

 private:
  // The list, the drives and the indicator as the model holds them (not the edit's text).
  void showList();
  void showDrives();
  void showIndicator();

  DirectoryChooserModel* model_ = nullptr;
};

}  // namespace quorvane::ui
