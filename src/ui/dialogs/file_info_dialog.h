#pragma once
// The file information dialog ("File information"): the name, status and moved-to
// directory of an entry and its New and Old columns, from FileInformationOf; the
// TimeStamp panel pnDebug only in the diagnostic mode. "&Help" asks for topic
// "File_information"; Escape, Enter and "&Close" close it.
#include <QDialog>

#include "program/file_information.h"

class QLabel;
class QWidget;

namespace quorvane::ui {

class TFileInfoDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "File_information";

  explicit TFileInfoDlg(QWidget* parent = nullptr);

  void fill(const FileInformation& info, bool diagnosticMode);
  // Fills, moves the window's top-left corner to `at` (screen coordinates) and shows it
  // modally.
  void showAt(const FileInformation& info, bool diagnosticMode, QPoint at);

  QLabel* label(const char* name) const;

 signals:
  void helpRequested(const QString& topic);

 private:
  QWidget* debugPanel_;
};

}  // namespace quorvane::ui
