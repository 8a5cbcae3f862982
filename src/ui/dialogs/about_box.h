#pragma once
// The about box ("About"): the program picture, what the program does, its version.
#include <QDialog>

namespace quorvane::ui {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  static QString VersionText();  // "Version 1.6  (32-bit)"
};

}  // namespace quorvane::ui
