#pragma once
// The choice window of per-file problems ("Choose an action"): the message, the full path,
// the system's reason when known, and five buttons: the primary one (caption per prompt),
// the optional "all" one (hidden without a caption), "&Skip", "Skip &all" and Abort.
#include <QDialog>
#include <string_view>

#include "platform/user_interface.h"

class QLabel;
class QPushButton;

namespace quorvane::ui {

class FileMessageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FileMessageDialog(QWidget* parent = nullptr);

  // Fills the window; ask also shows it modally and returns the button pressed. Escape
  // or the close box answer Abort: nothing more is done to the files.
  void fill(std::string_view text, std::string_view path, std::string_view primaryCaption,
            std::string_view allCaption, std::string_view reason);
  platform::FileAction ask(std::string_view text, std::string_view path, std::string_view primaryCaption,
                           std::string_view allCaption, std::string_view reason);

 private:
  void choose(platform::FileAction action);

  platform::FileAction chosen_ = platform::FileAction::Abort;
  QLabel* message_;
  QLabel* path_;
  QLabel* reason_;
  QPushButton* primary_;
  QPushButton* all_;
};

}  // namespace quorvane::ui
