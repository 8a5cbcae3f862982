#pragma once
// The settings record: every option of the program, named by its key in Quorvane.ini,
// holding the built-in defaults. One record lives for the whole program; the engine and
// the readers are handed it and never read options from anywhere else.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/text_style.h"

namespace quorvane {

// Per-status tables are indexed by status number 0..7: Identical, CRC differs, Inserted,
// Deleted, Newer, Older, Bigger, Smaller (the order of the status bits).
inline constexpr std::size_t kStatusCount = 8;

// Colours are 0x00BBGGRR (red in the low byte).
struct ColourSet {
  std::array<std::uint32_t, kStatusCount> Fore{};
  std::array<std::uint32_t, kStatusCount> Back{};
  bool operator==(const ColourSet&) const = default;
};

// Printer style bits of one status (platform/text_style.h).
using StyleSet = std::array<std::uint8_t, kStatusCount>;

// Widths 0..8: columns 1..9 of the two-set grid; 9..14: columns 1..6 of the snapshot grid.
// A width below 1 means "recompute".
inline constexpr std::size_t kColumnWidthCount = 15;
using ColumnWidths = std::array<int, kColumnWidthCount>;

// The main window's last normal position and its state. Dimensions are in pixels.
struct WindowPlacement {
  enum StateKind : int { Normal = 0, Minimized = 1, Maximized = 2 };
  int Top = 0;
  int Left = 0;
  int Height = 0;
  int Width = 0;
  int State = Normal;
  bool operator==(const WindowPlacement&) const = default;
};

// The three lists of recently used names, newest first.
struct HistoryLists {
  static constexpr std::size_t kMaxDirs = 9;
  static constexpr std::size_t kMaxFiles = 10;
  static constexpr std::size_t kMaxDestDirs = 7;
  std::vector<std::string> Dirs;      // [History] Dir0.. : directory sets
  std::vector<std::string> Files;     // [History] File0.. : archive and snapshot sets
  std::vector<std::string> DestDirs;  // [History] DestDir0.. : file-operation targets
  bool operator==(const HistoryLists&) const = default;
};

// [Synchronization]: what the synchronize dialog keeps between runs.
struct SyncDialogState {
  std::string LogFileName;  // empty: the dialog proposes its own name
  bool LogFile = false;
  bool ClearLogFile = true;
  bool SaveDefault = false;
  bool ApplyAll = false;  // "All files displayed" (true) or "Selected files only"
  bool UseTrash = true;   // deleted and replaced files go to the trash
  bool operator==(const SyncDialogState&) const = default;
};

// [FileOp]: what the file-operations dialog keeps between runs.
struct FileOpDialogState {
  bool SaveDefault = false;
  bool ApplyAll = false;
  bool operator==(const FileOpDialogState&) const = default;
};

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
  int TimeTolerance = 0;    // seconds, 0..3600: New and Old times this close count as equal
  int IgnoreHourShift = 0;  // whole hours, 0..2: shifts of this many hours (within the tolerance) too
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
  std::string IncludeMask;  // the Options dialog's include field; empty means "*.*"
  std::string ExcludeMask;  // the Options dialog's exclude field, masks separated by ";"
  std::string Build;        // build marker of the last start (what's-new prompt); never saved here

  // [Display]
  int DateFormat = 0;  // 0 USA, 1 Europe, 2 Japan
  bool TrackSelection = true;
  int ColorSet = 1;  // 0 "Windows 16", 1 "Pastel", 2 "DOS", 3 "Custom"; start-up sets it by colour depth
  int DisplayFontSize = 8;
  std::string DisplayFontName = "Arial";
  bool AutoColWidth = true;
  bool SaveColWidth = false;
  ColumnWidths ColWidths{};
  ColourSet CustomColours = {{0x808080, 0, 0, 0, 0, 0, 0, 0},  // Fore0..7, Back0..7; as "Windows 16"
                             {0xFFFFFF, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF00FF, 0xFFFF00, 0xFF00FF}};

  // [Printer]
  int PrinterFontSize = 10;
  std::string PrinterFontName = "Courier";
  int PrinterOrientation = 0;  // 0 portrait, 1 landscape
  int PrinterStyleSet = 0;     // 0 None, 1 Standard, 2 Custom
  StyleSet CustomStyles = {0, tsBold, tsUnderline, tsStrikeOut, tsBold, tsBold, tsBold, tsBold};  // St0..St7

  // [Batch]
  std::string OutputFile;
  std::string BatchBefore;  // held with a trailing blank when not empty
  std::string BatchAfter;   // held with a leading blank when not empty
  bool BatchDrive = false;
  bool BatchPath = true;
  bool BatchFull = false;
  bool BatchExt = true;

  // [Layout]
  bool DiffDblColumn = false;
  bool DiffCRC = false;
  bool DiffDate = false;
  bool DiffSize = false;
  bool DiffMovedTo = true;
  bool DiffShortStatus = false;
  bool DiffDatimStatus = true;
  bool DiffSizeStatus = true;
  bool DiffAppendStatus = false;

  // [Saving]
  bool ConfirmOverwrite = true;

  // [Tools]
  std::string DefaultViewer = "xdg-open";
  std::string DefaultUserTool = "meld";
  std::string DefaultUserParms = "%n %o";
  bool ConfirmAssociation = false;
  bool ConfirmDefaultViewer = true;
  bool ConfirmUserTool = true;

  // [Filters] (the masks themselves are the file list's IFilter and XFilter)
  bool SaveFilters = false;

  // [WindowPos]
  WindowPlacement Window;

  // [History], [Synchronization], [FileOp]
  HistoryLists History;
  SyncDialogState Sync;
  FileOpDialogState FileOp;

  bool operator==(const Settings&) const = default;
};

}  // namespace quorvane
