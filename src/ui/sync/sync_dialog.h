#pragma once
// "Synchronize directories" (TSyncDlg): the face of SyncDialogModel. Preset buttons and
// box clicks go to the model, which decides what is ticked and enabled; the dialog then
// shows its state again.
#include <QDialog>
#include <array>

#include "platform/user_interface.h"
#include "program/sync_dialog_model.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace quorvane::ui {

class SyncOptionsPanel;

class TSyncDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "Synchronization";

  explicit TSyncDlg(QWidget* parent = nullptr);

  // Shows the model's state modally; Cancel, "Synchronize no&w" (Run) or "Sim&ulate".
  platform::DialogChoice choose(SyncDialogModel& model);
  // The state shown without running the dialog (choose does it first).
  void showModel(SyncDialogModel& model);

  QPushButton* preset(SyncPreset p) const { return presets_[static_cast<std::size_t>(p)]; }
  QCheckBox* box(SyncBox b) const { return boxes_[static_cast<std::size_t>(b)]; }
  QRadioButton* rbSelected = nullptr;
  QRadioButton* rbAll = nullptr;
  QCheckBox* cbSaveAsdefault = nullptr;
  QLabel* LSelected = nullptr;
  QPushButton* bnSync = nullptr;
  QPushButton* bnSimulate = nullptr;
  QPushButton* bnCancel = nullptr;
  QPushButton* bnHelp = nullptr;
  SyncOptionsPanel* pnOptions = nullptr;

 signals:
  void helpRequested(const QString& topic);

 private:
  void refresh();
  void paintApplyTo(bool red);

  SyncDialogModel* model_ = nullptr;
  std::array<QPushButton*, 3> presets_{};
  std::array<QCheckBox*, kSyncBoxCount> boxes_{};
  QTimer* timer_ = nullptr;
  bool blink_ = false;
  platform::DialogChoice choice_ = platform::DialogChoice::Cancel;
};

}  // namespace quorvane::ui
