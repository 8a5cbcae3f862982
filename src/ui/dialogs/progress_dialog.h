#pragma once
// The comparison progress window ("Comparison progress"): the two sets and the directories
// being read, the status, the figures, the bar and one button, Abort while reading and
// Close afterwards. Shown modeless while a run reads, then modally for the totals.
// Controls carry their names as object names (NewLabel, LNbFiles, BitBtn1, ...).
#include <QDialog>
#include <string>
#include <string_view>

#include "platform/user_interface.h"

class QLabel;
class QPushButton;

namespace quorvane::ui {

class ScanBar;

class ProgressDialog : public QDialog {
  Q_OBJECT
 public:
  ProgressDialog(platform::UserInterface& ui, QWidget* parent = nullptr);

  void openFor(const platform::ProgressHeader& header);  // fills and shows it modeless
  void setStatus(std::string_view status);
  void setCurrentPath(quorvane::Side side, std::string_view path);
  void setCurrentFile(std::string_view relativePath);
  void setFigures(const platform::ProgressFigures& figures);
  void setBar(int percent);
  void setButton(platform::ProgressButton button);
  platform::ProgressButton button() const { return button_; }
  void showModal();
  // Puts the latest current directory and file into their labels.
  void flushTexts();

  ScanBar* bar() const { return bar_; }

 public slots:
  // Abort asks first and, on OK, sets the abort flag and hides the window; Close closes.
  void buttonClicked();
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  platform::UserInterface& ui_;
  platform::ProgressButton button_ = platform::ProgressButton::Abort;
  QLabel* newCaption_;
  QLabel* oldCaption_;
  QLabel* newLabel_;
  QLabel* oldLabel_;
  QLabel* warning_;
  QLabel* status_;
  QLabel* files_;
  QLabel* kbytes_;
  QLabel* file_;
  QLabel* elapsed_;
  QLabel* rate_;
  ScanBar* bar_;
  QPushButton* button1_;
  // The current directories (New, Old) and file as last given, not yet in their labels.
  std::string pendingPath_[2];
  std::string pendingFile_;
  bool pathPending_[2] = {false, false};
  bool filePending_ = false;
};

}  // namespace quorvane::ui
