#pragma once
// The comparison status window ("Comparison status"): the figures of the last run, the
// memory, the elapsed time and whether the results are saved. The texts come from
// StatusTextsOf; the labels carry their names as object names (LCompared, LSaveStatus...).
#include <QDialog>
#include <array>

#include "program/status_texts.h"

class QLabel;

namespace quorvane::ui {

class StatusWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "Comparison_status";

  explicit StatusWindow(QWidget* parent = nullptr);

  void fill(const StatusTexts& texts);
  // Fills and shows modally; Escape or Enter closes, F1 or Help asks for help.
  void showTexts(const StatusTexts& texts);

 signals:
  void helpRequested(const QString& topic);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* compared_;
  QLabel* matching_;
  QLabel* newDupes_;
  QLabel* oldDupes_;
  QLabel* errFiles_;
  std::array<QLabel*, 8> shown_{};
  QLabel* memory_;
  QLabel* elapsed_;
  QLabel* saveStatus_;
  QLabel* warning_;
};

}  // namespace quorvane::ui
