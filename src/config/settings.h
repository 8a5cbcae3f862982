#pragma once
// The settings record: every option of the program, named by its key in Quorvane.ini,
// holding the built-in defaults. One record lives for the whole program; the engine and
// the readers are handed it and never read options from anywhere else.
#include <cstdint>
#include <string>

namespace quorvane {

struct Settings {
  // [Quorvane]
  bool AutoMode = false;
  bool Batch = false;
  bool CloseProgressDlg = false;
  bool SaveWindowPos = true;
  bool SaveHistory = true;
  bool ShowHelpBubbles = true;
  bool OptSetsAboveColumns = true;
  bool QuitSave = true;
  bool SyncWarning = true;
  bool FilterClear = true;
  bool FilterSave = true;
  bool FilterPrint = true;
  bool NoPath = false;
  bool SFN = false;
  bool Strip83 = false;
  bool WarnDup = false;
  bool Pause = false;
  bool PrintBoth = false;
  bool Quick = false;
  std::uint8_t SpecialAttr = 0;  // 0x02 hidden, 0x04 system, 0x08 volume label
  bool SpecialAlsoArc = true;
  bool Recurse = true;
  bool ShowStatusDlg = false;
  bool Silent = false;
  bool StartIfCmdLine = true;
  bool Verbose = false;
  bool SkipAllFiles = false;
  bool HiddenDirs = false;
  bool ExcludeErrFiles = false;
  bool VolumeID = false;
  bool CheckMovedFiles = false;
  bool MovedFilesByCRC = false;
  bool MovedFilesByFileName = true;
  bool MovedFilesIgnoreArcExt = true;
  bool Win95Dirs = false;
  bool ClearIncludeDirs = true;
  bool SelectIncludeDirs = false;
  std::string IncludeMask;  // empty means "*.*"
  std::string ExcludeMask;  // masks separated by ";"

  // [Display]
  int DateFormat = 0;  // 0 USA, 1 Europe, 2 Japan
};

}  // namespace quorvane
