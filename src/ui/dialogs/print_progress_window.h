#pragma once
// The print/save progress window ("Saving" or "Printing"): what is written, a bar, a
// second status line and a button that is Abort while writing (it sets the abort flag)
// and Close afterwards, when the window may be shown again modally.
#include <QDialog>
#include <string_view>

#include "platform/user_interface.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvane::ui {

class PrintProgressWindow : public QDialog {
  Q_OBJECT
 public:
  PrintProgressWindow(platform::UserInterface& ui, QWidget* parent = nullptr);

  // Shows it without blocking: the bar at 0, the button Abort.
  void openFor(std::string_view caption, std::string_view status, std::string_view status2);
  void setBar(int percent);
  void setStatus2(std::string_view text);
  // Hides it, makes the button Close and, with showModal, shows it modally until closed.
  void closeWriting(bool showModal);
  bool writing() const { return writing_; }

 public slots:
  void buttonClicked();
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  platform::UserInterface& ui_;
  bool writing_ = false;
  QLabel* status_;
  QLabel* status2_;
  QProgressBar* bar_;
  QPushButton* button1_;
};

}  // namespace quorvane::ui
