#pragma once
// "File operations" (TFileOpDlg): the face of FileOpDialogModel, with the synchronization
// dialog's options panel (confirmations, error handling, log) over the same record.
#include <QDialog>

#include "platform/user_interface.h"
#include "program/file_op_dialog_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace quorvane::ui {

class SyncOptionsPanel;

class TFileOpDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "FileOperations";

  explicit TFileOpDlg(QWidget* parent = nullptr);

  // Shows the model's state modally; Cancel, the action's run button (Run) or "Sim&ulate".
  platform::DialogChoice choose(FileOpDialogModel& model);
  void showModel(FileOpDialogModel& model);

  QComboBox* ActionCombo = nullptr;
  QLabel* LSelected = nullptr;
  QLabel* LFileList = nullptr;
  QLineEdit* LFrom = nullptr;
  QRadioButton* rbSelected = nullptr;
  QRadioButton* rbAll = nullptr;
  QCheckBox* cbSaveAsDefault = nullptr;
  QWidget* PanelTo = nullptr;
  QComboBox* cbTo = nullptr;
  QPushButton* BnSelect = nullptr;
  QPushButton* bnOk = nullptr;
  QPushButton* bnSimulate = nullptr;
  QPushButton* bnCancel = nullptr;
  QPushButton* bnHelp = nullptr;
  SyncOptionsPanel* pnOptions = nullptr;

 signals:
  void helpRequested(const QString& topic);

 private:
  void actionChanged();
  void paintApplyTo(bool red);

  FileOpDialogModel* model_ = nullptr;
  QTimer* timer_ = nullptr;
  bool blink_ = false;
  platform::DialogChoice choice_ = platform::DialogChoice::Cancel;
};

}  // namespace quorvane::ui
