#pragma once
// The user tool dialog ("Choose user tool"): OK and Cancel beside the options dialog's
// "User tool" group (gbUserTool: the program, the parameters, the confirmation box and
// the sample), borrowed while the dialog shows: placed 8 pixels from the top, the client
// height the group's + 16, and given back to its place in the options dialog when the
// dialog hides.
#include <QDialog>
#include <QGroupBox>
#include <QPointer>

#include "program/user_tool.h"

class QBoxLayout;
class QPushButton;

namespace quorvane::ui {

class TfrmUserTool : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmUserTool(QWidget* parent = nullptr);
  ~TfrmUserTool() override;

  // Borrows the "User tool" group of `options`, shows the fields in it and the dialog
  // modally; on OK the fields are read back from the group. True for OK.
  bool choose(QDialog& options, UserToolFields& fields);

  // While shown: the borrowed group (tests).
  QGroupBox* group() const { return group_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void borrow(QGroupBox* group);
  void giveBack();

  QPushButton* ok_;
  QPushButton* cancel_;
  QPointer<QGroupBox> group_;
  QPointer<QWidget> home_;
  int homeIndex_ = -1;
};

}  // namespace quorvane::ui
