#include "program/file_op_dialog_model.h"

#include "config/set_selection.h"

namespace quorvane {

void FileOpDialogModel::LoadFrom(const Settings& settings) {
  cbSaveAsDefault = settings.FileOp.SaveDefault;
  if (cbSaveAsDefault) rbAll = settings.FileOp.ApplyAll;
  History = settings.History.DestDirs;
  if (History.size() > kHistoryLimit) History.resize(kHistoryLimit);
}

const char* FileOpDialogModel::ActionName(FileOpAction action) {
  switch (action) {
    case FileOpAction::Copy: return "Copy";
    case FileOpAction::Move: return "Move";
    case FileOpAction::Delete: return "Delete";
  }
  return "";
}

void FileOpDialogModel::AddToHistory(const std::string& target) {
  quorvane::AddToHistory(History, target, kHistoryLimit);
}

}  // namespace quorvane
