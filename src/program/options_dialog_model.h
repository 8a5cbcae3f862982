#pragma once
// The Options dialog without its window: every control of the eight pages as plain data,
// the dialog's working state, and what its events do. The window shows these fields, writes
// what the user edits into them and calls the event that belongs to the edit; the model
// never shows anything but the messages of storing (through the comparison's interface).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "engine/comparison.h"

namespace quorvane {

enum class OptionsPage : int { Scanning, Filters, User, Display, Layout, Printing, Batch, Tools };
inline constexpr int kOptionsPageCount = 8;
inline constexpr std::array<std::string_view, kOptionsPageCount> kOptionsPageNames = {
    "Scanning", "Filters", "User", "Display", "Layout", "Printing", "Batch", "Tools"};

// The "..." buttons of the Tools page: the file-open dialog's types and titles.
inline constexpr std::string_view kProgramPickerTypes =
    "All executable files (exe, com, batch)|*.exe;*.com;*.bat;*.cmd;*.btm|Program files (exe, com)|*.exe;*.com|"
    "Command files (cmd, bat, btm)|*.cmd;*.bat;*.btm";
inline constexpr std::string_view kViewerPickerTitle = "Select default viewer";
inline constexpr std::string_view kUserToolPickerTitle = "Select default comparison tool";

// What the mask edits accept from typing.
inline constexpr std::size_t kWildIncludeMaxLength = 12;
inline constexpr std::size_t kWildExcludeMaxLength = 255;

struct ScanningControls {
  std::string WildInclude;
  std::string WildExclude;
  bool CheckSubDir = false;
  bool CheckCRC = false;
  bool CheckSys = false;
  bool CheckHid = false;
  bool CheckHidDirs = false;
  bool CheckAlsoArc = false;
  bool CheckIgnorePath = false;
  bool CheckIgnorePathEnabled = true;  // follows CheckSubDir
  bool CheckStrip83 = false;
  bool CheckSFN = false;
  bool CheckWarnDup = false;
  bool CheckPause = false;
  bool CheckSkipAll = false;
  bool CheckErrExclude = false;
  bool CheckVol = false;  // hidden and disabled, still loaded and stored
  int SpinTimeTolerance = 0;  // TimeTolerance, seconds 0..3600
  int SpinHourShift = 0;      // IgnoreHourShift, hours 0..2
};

struct FiltersControls {
  // The status boxes in status order (Identical .. Smaller), as the presentation shows them.
  bool OIdentical = false;
  bool OCRCDifferent = false;
  bool OInserted = false;
  bool ODeleted = false;
  bool ONewer = false;
  bool OOlder = false;
  bool OBigger = false;
  bool OSmaller = false;
  int cbTemplates = 1;  // index into kFilterTemplates; "Show all files" at creation
  bool iDate = false;
  bool iSize = false;
  bool iCRC = false;
  bool OptFilterClear = false;
  bool optFilterSave = false;
  bool OptFilterPrint = false;
  bool cbSaveFilters = false;
  // The page check: groups and Switch disabled, the panel shown, in snapshot mode.
  bool GroupsEnabled = true;
  bool SnapshotPanelVisible = false;
};

// The status boxes of FiltersControls by status number 0..7.
inline constexpr std::array<bool FiltersControls::*, kStatusCount> kStatusBoxes = {
    &FiltersControls::OIdentical, &FiltersControls::OCRCDifferent, &FiltersControls::OInserted,
    &FiltersControls::ODeleted,   &FiltersControls::ONewer,        &FiltersControls::OOlder,
    &FiltersControls::OBigger,    &FiltersControls::OSmaller};

struct UserControls {
  bool OptShowHelpBubbles = false;
  bool cbConfirmOverwrite = false;  // hidden
  bool cbSyncWarning = false;
  bool OptStartCmdLine = false;
  bool cbWin95Dirs = false;
  bool cbTrackSelection = false;
  bool cbClearIncludeDirs = false;
  bool OptShowStatus = false;
  bool OptCheckMovedFiles = false;
  bool OptCloseProgress = false;
  bool cbCRC = false;
  bool cbFilename = false;
  bool cbIgnoreArcExt = false;
  bool OptSaveHistory = false;
  bool OptSaveWindowPos = false;
  bool cbQuitSave = false;
};

// A font and colour sample of the grid.
struct DisplaySample {
  std::string fontName;
  int fontSize = 0;
  std::uint32_t fore = 0;
  std::uint32_t back = 0;
};

struct DisplayControls {
  int CountryGroup1 = 0;
  std::vector<std::string> CFontNameItems;  // the screen's font names
  std::string CFontName;
  std::string CFontSize;  // free text
  int cbColorSet = 0;
  int lbStyles = 0;  // the status whose colours are shown
  bool ColourButtonsEnabled = false;  // bnForeColor, bnBackColor, bnResetColor
  DisplaySample LFontSample;
  bool cbAutoColWidth = false;
  bool cbSetsAboveColumns = false;
  bool cbSaveColWidth = false;
};

struct LayoutControls {
  bool cbDblColumn = false;
  bool cbIncCRC = false;
  bool cbIncDate = false;
  bool cbIncSize = false;
  bool cbShortStatus = false;
  bool cbAppendStatus = false;
  bool cbDatimStatus = false;
  bool cbSizeStatus = false;
  bool cbIncMovedTo = false;
  std::array<std::string, 7> Sample;  // header and six lines
};

// The printer the Printing page shows; none when the system has no printer.
struct PrinterFacts {
  std::string name;
  int orientation = 0;  // 0 portrait, 1 landscape
  std::vector<std::string> fontNames;
};

struct PrinterSample {
  std::string fontName;
  int fontSize = 0;
  std::uint8_t style = 0;
};

struct PrintingControls {
  std::string LPrinterName;
  std::string LOrientation;
  std::vector<std::string> CBPFontNameItems;
  std::string CBPFontName;
  std::string CBPFontSize;
  int StyleSet = 0;  // rbPNone, rbPStandard, rbPCustom: 0, 1, 2
  int lbPStyles = 0;
  bool cbBold = false;
  bool cbItalic = false;
  bool cbUnderline = false;
  bool cbStrikeout = false;
  PrinterSample LPFontSample;
  bool StatusListEnabled() const { return StyleSet != 0; }
  bool StyleBoxesEnabled() const { return StyleSet == 2; }  // and lbPReset
};

struct BatchControls {
  std::string LOutput;
  std::string OBatchBefore;
  std::string OBatchAfter;
  bool OBatchDrive = false;
  bool OBatchPath = false;
  bool OBatchFull = false;  // OBatchRelative is its opposite
  bool OBatchExt = false;
  std::string OBatchSample;
  bool FullRelativeEnabled() const { return OBatchPath; }
};

struct ToolsControls {
  std::string edDefaultViewer;
  bool cbConfirmAssoc = false;
  bool cbConfirmDefaultViewer = false;
  std::string edDefaultUserTool;
  std::string edDefaultUserParms;
  bool cbConfirmDefaultUserTool = false;
  std::string LSample;
};

// What storing asks the window to do afterwards.
struct StoreNotices {
  bool hintsChanged = false;  // ShowHelpBubbles changed: set the hints up again
  bool gridRelayout = false;  // the display font changed: lay the grid out again
};

enum class OptionsResult { Ok, Cancel };

class OptionsDialogModel {
 public:
  explicit OptionsDialogModel(Comparison& comparison);

  ScanningControls scanning;
  FiltersControls filters;
  UserControls user;
  DisplayControls display;
  LayoutControls layout;
  PrintingControls printing;
  BatchControls batch;
  ToolsControls tools;

  ColourSet workingColours;
  StyleSet workingStyles{};
  bool includePresentation = false;  // lives for the run
  bool loading = false;
  bool active = false;

  // The screen's fonts and the printer (none: "<none>", "n/a", no printer fonts).
  std::vector<std::string> screenFonts;
  std::optional<PrinterFacts> printer;

  // Showing the dialog: load, page check, active, samples.
  void Open(OptionsPage page);
  void Deactivate() { active = false; }

  void LoadOptionsDialog();
  StoreNotices StoreOptions();
  // OK and Save store (Save then writes Quorvane.ini); Cancel stores nothing. Each ends
  // the showing.
  OptionsResult Ok();
  OptionsResult Save();
  OptionsResult Cancel();

  OptionsPage page() const { return page_; }
  void SetPage(OptionsPage page);  // the tab strip
  std::string Caption() const;
  std::string HelpTopic() const;
  bool SwitchVisible() const { return page_ == OptionsPage::Filters; }
  bool SwitchPressed() const { return includePresentation; }
  std::string FilterGroupCaption() const;
  std::string StatusBoxHint(int status) const;
  const StoreNotices& lastNotices() const { return notices_; }

  // Scanning page.
  void CheckSubDirClick();
  void CheckStrip83Click();
  void CheckSFNClick();
  // Filters page.
  void StatusBoxClick(int status);
  void cbTemplatesChange(int entry);
  void Switch();
  // User page.
  void cbCRCClick();
  void cbFilenameClick();
  // Display page.
  void FontChange();  // CFontName, CFontSize
  void cbColorSetChange(int set);
  void lbStylesClick(int status);
  // The colour dialog's 16 custom colours: "ColorA=..." to "ColorP=...".
  std::array<std::string, 16> ColourDialogCustomColours() const;
  std::uint32_t CurrentColour(bool fore) const;
  void ColourChosen(bool fore, std::uint32_t colour);
  void bnResetColorClick();
  // Layout page: any box.
  void LayoutBoxClick();
  // Printing page.
  void PrinterFontChange();  // CBPFontName, CBPFontSize
  void StyleSetClick(int set);
  void lbPStylesClick(int status);
  void StyleBoxClick();  // any of the four boxes
  void lbPResetClick();
  void PrinterSetupDone(std::optional<PrinterFacts> facts);
  // Batch page: any control.
  void BatchChange();
  // Tools page: the user tool or its parameters.
  void ToolChange();

 private:
  void PageCheck();
  void InvertStatusBoxes();
  void RefreshDisplaySample();
  void RefreshPrinterSample();
  void RefreshLayoutSample();
  void RefreshBatchSample();
  void ShowPrinter();
  // Stores one font; false (after the message) when the size text is no positive number.
  bool StoreFont(std::string_view sizeText, const std::string& name, int& size, std::string& storedName,
                 std::string_view what, bool& changed);

  Comparison& c_;
  Settings& s_;
  OptionsPage page_ = OptionsPage::Scanning;
  StoreNotices notices_;
};

// A font size text: a positive whole number, blanks around it allowed.
std::optional<int> FontSizeOf(std::string_view text);

}  // namespace quorvane
