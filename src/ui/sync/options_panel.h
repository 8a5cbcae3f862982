#pragma once
// The options panel (pnOptions) of the synchronization dialog, also shown by the file
// operations dialog: confirmations, the log file and the error handling. It edits a
// FileOpOptions record it does not own.
#include <QWidget>
#include <utility>
#include <vector>

#include "fileops/run_answers.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quorvane::ui {

class SyncOptionsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SyncOptionsPanel(QWidget* parent = nullptr);

  // Shows the record's values; every change of a control goes straight back to it.
  void bind(fileops::FileOpOptions* options);

  QCheckBox* cbConfirmDelete = nullptr;
  QCheckBox* cbConfirmCreate = nullptr;
  QCheckBox* cbConfirmReplace = nullptr;
  QCheckBox* cbConfirmCreateDir = nullptr;
  QCheckBox* cbLog = nullptr;
  QLineEdit* edLogFile = nullptr;
  QPushButton* bnChooseLog = nullptr;
  QCheckBox* cbClearLog = nullptr;
  QCheckBox* cbIgnoreReadOnly = nullptr;
  QCheckBox* cbIgnoreOpenErrors = nullptr;
  QCheckBox* cbIgnoreReadErrors = nullptr;
  QCheckBox* cbIgnoreWriteErrors = nullptr;
  QCheckBox* cbIgnoreDeleteErrors = nullptr;
  QCheckBox* cbUseTrash = nullptr;

 private:
  using Field = bool fileops::FileOpOptions::*;
  QCheckBox* box(const char* name, const char* caption, Field field, QWidget* parent);
  void load();

  fileops::FileOpOptions* options_ = nullptr;
  std::vector<std::pair<QCheckBox*, Field>> boxes_;
};

}  // namespace quorvane::ui
