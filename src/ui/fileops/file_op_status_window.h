#pragma once
// The operation status window ("File operation status"): the face of the core's
// FileOpStatusModel. It shows what the model holds when told of a change, draws the
// result list from the model on demand, and hands its buttons back to the model:
// Abort (and Escape) asks and sets the abort flag, Close ends the modal display, "Slow
// Simulation" is the model's flag. Controls carry their names as object names.
#include <QDialog>
#include <QTimer>
#include <functional>

#include "fileops/status_model.h"
#include "platform/user_interface.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace quorvane::ui {

class StatusListModel;

class TfrmFileOpStatus : public QDialog, public fileops::FileOpStatusFace {
  Q_OBJECT
 public:
  TfrmFileOpStatus(fileops::FileOpStatusModel& status, platform::UserInterface& ui, QWidget* parent = nullptr);
  ~TfrmFileOpStatus() override;

  // "&View log": shows the log file (the front end runs the text viewer).
  std::function<void()> viewLog;

  void statusChanged(unsigned changes) override;
  void showModeless() override;
  void showModal() override;
  void hideWindow() override;

  // The rows the list shows now (the model's rows reach it at the next event turn).
  int shownRows() const;

 public slots:
  void bnAbortClick();
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showTexts();
  void showCounters();
  void showFrame();
  void syncRows();

  fileops::FileOpStatusModel& status_;
  platform::UserInterface& ui_;
  StatusListModel* rows_;
  QTimer rowTimer_;
  QLabel* LStatus_;
  QLabel* LSource_;
  QLabel* LDest_;
  QProgressBar* ProgressBarFile_;
  QProgressBar* ProgressBarTotal_;
  QLabel* LSimulation0_;
  QLabel* LCreated_;
  QLabel* LReplaced_;
  QLabel* LDeleted_;
  QLabel* LErrors_;
  QLabel* LCompletion_;
  QCheckBox* cbSlowSimulation_;
  QPushButton* bnLog_;
  QPushButton* bnHelp_;
  QPushButton* bnAbort_;
  QTableView* LVStatus_;
};

}  // namespace quorvane::ui
