#pragma once
// The state of the file operations dialog ("File operations") without Qt: the action,
// the source directory, the target with its history, the apply-to choice, the preview of
// the files and, borrowed from the synchronization dialog, its options panel.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fileops/run_answers.h"
#include "settings/settings.h"

namespace quorvane {

enum class FileOpAction : std::uint8_t { Copy = 0, Move = 1, Delete = 2 };

class FileOpDialogModel {
 public:
  // The history keeps at most this many targets, newest first.
  static constexpr std::size_t kHistoryLimit = 8;
  // The preview shows at most this many files.
  static constexpr std::size_t kPreviewCount = 6;

  // The saved [FileOp] keys and [History] DestDir.. at program start.
  void LoadFrom(const Settings& settings);

  // ActionCombo: "Copy", "Move", "Delete"; Copy at program start.
  FileOpAction Action = FileOpAction::Copy;
  static const char* ActionName(FileOpAction action);
  // PanelTo (the target) is hidden for Delete.
  bool PanelToVisible() const { return Action != FileOpAction::Delete; }
  // bnOk: the action's name followed by " no&w".
  std::string OkCaption() const { return std::string(ActionName(Action)) + " no&w"; }

  std::string LFrom;                 // the source set's directory
  std::string cbTo;                  // the target as typed or chosen
  std::vector<std::string> History;  // cbTo's list, newest first
  // "..." chose a directory: cbTo gets it. (Upper case is the form of drive-letter
  // systems; on Linux letter case is part of the name and is kept.)
  void TargetChosen(const std::string& directory) { cbTo = directory; }
  // "...": the directory chooser captioned "Select TARGET directory", given by the command
  // that shows the dialog; the chosen directory or nothing.
  std::function<std::optional<std::string>()> ChooseTarget;
  // Puts a target at the front of the history (an existing copy moves there).
  void AddToHistory(const std::string& target);

  bool rbAll = false;            // "&All files displayed", else "&Selected files only : "
  bool cbSaveAsDefault = false;  // "&Default"
  std::string LSelected;         // "%d files of %d" or "One file of %d"
  // LFileList: the first files to be processed, each followed by "...".
  std::vector<std::string> LFileList;

  // The synchronization dialog's options panel, shown in this dialog too (not owned).
  fileops::FileOpOptions* Options = nullptr;
};

}  // namespace quorvane
