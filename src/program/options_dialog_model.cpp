#include "program/options_dialog_model.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "config/apply_masks.h"
#include "config/colour_sets.h"
#include "config/ini_file.h"
#include "engine/value_text.h"
#include "program/options_samples.h"
#include "program/options_templates.h"

namespace quorvane {

namespace {

constexpr std::uint8_t kHiddenAttr = 0x02;
constexpr std::uint8_t kSystemAttr = 0x04;

constexpr std::array<std::string_view, kStatusCount> kHintSubjects = {
    "identical",           "CRC DIFFERENT in new set", "INSERTED in new set", "DELETED in new set",
    "NEWER in new set",    "OLDER in new set",         "BIGGER in new set",   "SMALLER in new set"};

// The name a font list selects for a stored name: the name when the list holds it, else
// the first entry; with an empty list (no printer) the stored name stays.
std::string SelectedFont(const std::vector<std::string>& items, const std::string& stored) {
  if (items.empty() || std::find(items.begin(), items.end(), stored) != items.end()) return stored;
  return items.front();
}

int Clamped(int value, int count) { return value >= 0 && value < count ? value : 0; }

}  // namespace

std::optional<int> FontSizeOf(std::string_view text) {
  const std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  int size = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), size);
  if (error != std::errc() || end != trimmed.data() + trimmed.size() || size <= 0) return std::nullopt;
  return size;
}

OptionsDialogModel::OptionsDialogModel(Comparison& comparison) : c_(comparison), s_(comparison.settings) {
  filters.cbTemplates = kShowAllTemplate;
}

void OptionsDialogModel::Open(OptionsPage page) {
  page_ = page;
  LoadOptionsDialog();
  PageCheck();
  active = true;
  RefreshLayoutSample();
  RefreshBatchSample();
}

void OptionsDialogModel::LoadOptionsDialog() {
  loading = true;
  notices_ = {};

  ScanningControls& sc = scanning;
  // The length limits hold for typing only: a longer mask in force (from the command line)
  // is shown whole, so that OK without a change keeps it.
  sc.WildInclude = c_.Masks.Include.MaskText();
  sc.WildExclude = ExcludeMaskText(c_.Masks);
  sc.CheckSubDir = s_.Recurse;
  sc.CheckIgnorePathEnabled = s_.Recurse;
  sc.CheckCRC = !s_.Quick;
  sc.CheckSys = (s_.SpecialAttr & kSystemAttr) != 0;
  sc.CheckHid = (s_.SpecialAttr & kHiddenAttr) != 0;
  sc.CheckHidDirs = s_.HiddenDirs;
  sc.CheckAlsoArc = s_.SpecialAlsoArc;
  sc.CheckIgnorePath = s_.NoPath;
  sc.CheckStrip83 = s_.Strip83;
  sc.CheckSFN = s_.SFN;
  sc.CheckWarnDup = s_.WarnDup;
  sc.CheckPause = s_.Pause;
  sc.CheckSkipAll = s_.SkipAllFiles;
  sc.CheckErrExclude = s_.ExcludeErrFiles;
  sc.SpinTimeTolerance = s_.TimeTolerance;
  sc.SpinHourShift = s_.IgnoreHourShift;
  sc.CheckVol = s_.VolumeID;

  FiltersControls& f = filters;
  for (std::size_t i = 0; i < kStatusCount; ++i) f.*kStatusBoxes[i] = (c_.Files.XFilter & (1u << i)) == 0;
  if (includePresentation) InvertStatusBoxes();
  f.cbTemplates = c_.Files.XFilter == 0xFFFF ? kShowAllTemplate : kCustomTemplate;
  f.iDate = (c_.Files.IFilter & 0x30) != 0x30;
  f.iSize = (c_.Files.IFilter & 0xC0) != 0xC0;
  f.iCRC = (c_.Files.IFilter & 0x02) == 0;
  f.OptFilterClear = s_.FilterClear;
  f.optFilterSave = s_.FilterSave;
  f.OptFilterPrint = s_.FilterPrint;
  f.cbSaveFilters = s_.SaveFilters;

  UserControls& u = user;
  u.OptShowHelpBubbles = s_.ShowHelpBubbles;
  u.cbConfirmOverwrite = s_.ConfirmOverwrite;
  u.cbSyncWarning = s_.SyncWarning;
  u.OptStartCmdLine = s_.StartIfCmdLine;
  u.cbWin95Dirs = s_.Win95Dirs;
  u.cbTrackSelection = s_.TrackSelection;
  u.cbClearIncludeDirs = s_.ClearIncludeDirs;
  u.OptShowStatus = s_.ShowStatusDlg;
  u.OptCheckMovedFiles = s_.CheckMovedFiles;
  u.OptCloseProgress = s_.CloseProgressDlg;
  u.cbCRC = s_.MovedFilesByCRC;
  u.cbFilename = s_.MovedFilesByFileName;
  if (!u.cbCRC && !u.cbFilename) u.cbFilename = true;  // at least one way of pairing
  u.cbIgnoreArcExt = s_.MovedFilesIgnoreArcExt;
  u.OptSaveHistory = s_.SaveHistory;
  u.OptSaveWindowPos = s_.SaveWindowPos;
  u.cbQuitSave = s_.QuitSave;

  DisplayControls& d = display;
  d.CountryGroup1 = Clamped(s_.DateFormat, 3);
  d.CFontNameItems = screenFonts;
  d.CFontName = SelectedFont(d.CFontNameItems, s_.DisplayFontName);
  d.CFontSize = std::to_string(s_.DisplayFontSize);
  d.cbColorSet = Clamped(s_.ColorSet, kColourSetCount);
  d.ColourButtonsEnabled = d.cbColorSet == kCustomColourSet;
  workingColours = ColoursOfSet(s_, d.cbColorSet);
  d.lbStyles = Clamped(d.lbStyles, kStatusCount);
  d.cbAutoColWidth = s_.AutoColWidth;
  d.cbSetsAboveColumns = s_.OptSetsAboveColumns;
  d.cbSaveColWidth = s_.SaveColWidth;
  d.LFontSample = {};
  RefreshDisplaySample();

  LayoutControls& l = layout;
  l.cbDblColumn = s_.DiffDblColumn;
  l.cbIncCRC = s_.DiffCRC;
  l.cbIncDate = s_.DiffDate;
  l.cbIncSize = s_.DiffSize;
  l.cbShortStatus = s_.DiffShortStatus;
  l.cbAppendStatus = s_.DiffAppendStatus;
  l.cbDatimStatus = s_.DiffDatimStatus;
  l.cbSizeStatus = s_.DiffSizeStatus;
  l.cbIncMovedTo = s_.DiffMovedTo;

  PrintingControls& p = printing;
  ShowPrinter();
  p.CBPFontNameItems = printer ? printer->fontNames : std::vector<std::string>{};
  p.CBPFontName = SelectedFont(p.CBPFontNameItems, s_.PrinterFontName);
  p.CBPFontSize = std::to_string(s_.PrinterFontSize);
  p.StyleSet = Clamped(s_.PrinterStyleSet, kStyleSetCount);
  workingStyles = s_.CustomStyles;
  p.lbPStyles = Clamped(p.lbPStyles, kStatusCount);
  p.LPFontSample = {};
  RefreshPrinterSample();

  BatchControls& b = batch;
  b.LOutput = TrimBlanks(s_.OutputFile);
  b.OBatchBefore = TrimBlanks(s_.BatchBefore);
  b.OBatchAfter = TrimBlanks(s_.BatchAfter);
  b.OBatchDrive = s_.BatchDrive;
  b.OBatchPath = s_.BatchPath;
  b.OBatchFull = s_.BatchFull;
  b.OBatchExt = s_.BatchExt;

  ToolsControls& t = tools;
  t.edDefaultViewer = s_.DefaultViewer;
  t.cbConfirmAssoc = s_.ConfirmAssociation;
  t.cbConfirmDefaultViewer = s_.ConfirmDefaultViewer;
  t.edDefaultUserTool = s_.DefaultUserTool;
  t.edDefaultUserParms = s_.DefaultUserParms;
  t.cbConfirmDefaultUserTool = s_.ConfirmUserTool;
  ToolChange();

  loading = false;
}

StoreNotices OptionsDialogModel::StoreOptions() {
  notices_ = {};

  const ScanningControls& sc = scanning;
  s_.IncludeMask = sc.WildInclude;
  s_.ExcludeMask = sc.WildExclude;
  ApplyMasks(s_, c_.Masks, c_.ui);
  s_.Recurse = sc.CheckSubDir;
  s_.Quick = !sc.CheckCRC;
  s_.SpecialAttr = static_cast<std::uint8_t>((sc.CheckSys ? kSystemAttr : 0) | (sc.CheckHid ? kHiddenAttr : 0));
  s_.HiddenDirs = sc.CheckHidDirs;
  s_.SpecialAlsoArc = sc.CheckAlsoArc;
  s_.NoPath = sc.CheckIgnorePath;
  s_.Strip83 = sc.CheckStrip83;
  s_.SFN = sc.CheckSFN;
  s_.WarnDup = sc.CheckWarnDup;
  s_.Pause = sc.CheckPause;
  s_.SkipAllFiles = sc.CheckSkipAll;
  s_.ExcludeErrFiles = sc.CheckErrExclude;
  s_.TimeTolerance = std::clamp(sc.SpinTimeTolerance, 0, 3600);
  s_.IgnoreHourShift = std::clamp(sc.SpinHourShift, 0, 2);
  s_.VolumeID = sc.CheckVol;

  // The masks are those of the exclude presentation, whichever one is shown.
  FiltersControls f = filters;
  std::uint16_t x = 0xFFFF;
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    const bool excluded = includePresentation ? !(f.*kStatusBoxes[i]) : f.*kStatusBoxes[i];
    if (excluded) x = static_cast<std::uint16_t>(x & ~(1u << i));
  }
  c_.Files.XFilter = x;
  std::uint16_t ignore = 0xFFFF;
  if (f.iDate) ignore &= 0xFFCF;
  if (f.iSize) ignore &= 0xFF3F;
  if (f.iCRC) ignore &= 0xFFFD;
  c_.Files.IFilter = ignore;
  s_.FilterClear = f.OptFilterClear;
  s_.FilterSave = f.optFilterSave;
  s_.FilterPrint = f.OptFilterPrint;
  s_.SaveFilters = f.cbSaveFilters;

  const UserControls& u = user;
  notices_.hintsChanged = s_.ShowHelpBubbles != u.OptShowHelpBubbles;
  s_.ShowHelpBubbles = u.OptShowHelpBubbles;
  s_.ConfirmOverwrite = u.cbConfirmOverwrite;
  s_.SyncWarning = u.cbSyncWarning;
  s_.StartIfCmdLine = u.OptStartCmdLine;
  s_.Win95Dirs = u.cbWin95Dirs;
  s_.TrackSelection = u.cbTrackSelection;
  s_.ClearIncludeDirs = u.cbClearIncludeDirs;
  s_.ShowStatusDlg = u.OptShowStatus;
  s_.CheckMovedFiles = u.OptCheckMovedFiles;
  s_.CloseProgressDlg = u.OptCloseProgress;
  s_.MovedFilesByCRC = u.cbCRC;
  s_.MovedFilesByFileName = u.cbFilename || !u.cbCRC;
  s_.MovedFilesIgnoreArcExt = u.cbIgnoreArcExt;
  s_.SaveHistory = u.OptSaveHistory;
  s_.SaveWindowPos = u.OptSaveWindowPos;
  s_.QuitSave = u.cbQuitSave;

  const DisplayControls& d = display;
  s_.DateFormat = Clamped(d.CountryGroup1, 3);
  s_.ColorSet = Clamped(d.cbColorSet, kColourSetCount);
  s_.CustomColours = workingColours;
  bool fontChanged = false;
  StoreFont(d.CFontSize, d.CFontName, s_.DisplayFontSize, s_.DisplayFontName, "display", fontChanged);
  if (fontChanged) {
    s_.ColWidths[0] = 0;
    notices_.gridRelayout = true;
  }
  s_.AutoColWidth = d.cbAutoColWidth;
  s_.OptSetsAboveColumns = d.cbSetsAboveColumns;
  s_.SaveColWidth = d.cbSaveColWidth;

  const LayoutControls& l = layout;
  s_.DiffDblColumn = l.cbDblColumn;
  s_.DiffCRC = l.cbIncCRC;
  s_.DiffDate = l.cbIncDate;
  s_.DiffSize = l.cbIncSize;
  s_.DiffShortStatus = l.cbShortStatus;
  s_.DiffAppendStatus = l.cbAppendStatus;
  s_.DiffDatimStatus = l.cbDatimStatus;
  s_.DiffSizeStatus = l.cbSizeStatus;
  s_.DiffMovedTo = l.cbIncMovedTo;

  const PrintingControls& p = printing;
  bool printerFontChanged = false;
  StoreFont(p.CBPFontSize, p.CBPFontName, s_.PrinterFontSize, s_.PrinterFontName, "printer", printerFontChanged);
  s_.CustomStyles = workingStyles;
  s_.PrinterStyleSet = Clamped(p.StyleSet, kStyleSetCount);

  const BatchControls& b = batch;
  s_.OutputFile = TrimBlanks(b.LOutput);
  const std::string before = TrimBlanks(b.OBatchBefore);
  const std::string after = TrimBlanks(b.OBatchAfter);
  s_.BatchBefore = before.empty() ? "" : before + " ";
  s_.BatchAfter = after.empty() ? "" : " " + after;
  s_.BatchDrive = b.OBatchDrive;
  s_.BatchPath = b.OBatchPath;
  s_.BatchFull = b.OBatchFull;
  s_.BatchExt = b.OBatchExt;

  const ToolsControls& t = tools;
  s_.DefaultViewer = t.edDefaultViewer;
  s_.ConfirmAssociation = t.cbConfirmAssoc;
  s_.ConfirmDefaultViewer = t.cbConfirmDefaultViewer;
  s_.DefaultUserTool = t.edDefaultUserTool;
  s_.DefaultUserParms = t.edDefaultUserParms;
  s_.ConfirmUserTool = t.cbConfirmDefaultUserTool;
  return notices_;
}

bool OptionsDialogModel::StoreFont(std::string_view sizeText, const std::string& name, int& size,
                                   std::string& storedName, std::string_view what, bool& changed) {
  changed = false;
  const std::optional<int> newSize = FontSizeOf(sizeText);
  if (!newSize) {
    c_.ui.message("Incorrect font size specified for " + std::string(what) + " : " + std::string(sizeText),
                  platform::MessageKind::Information, platform::MessageButtons::Ok);
    return false;
  }
  // An empty name (an empty font list) keeps the font in use.
  const std::string& newName = name.empty() ? storedName : name;
  if (*newSize == size && newName == storedName) return true;
  size = *newSize;
  storedName = newName;
  changed = true;
  return true;
}

OptionsResult OptionsDialogModel::Ok() {
  StoreOptions();
  active = false;
  return OptionsResult::Ok;
}

OptionsResult OptionsDialogModel::Save() {
  StoreOptions();
  SaveCfg(c_);
  active = false;
  return OptionsResult::Ok;
}

OptionsResult OptionsDialogModel::Cancel() {
  active = false;
  return OptionsResult::Cancel;
}

void OptionsDialogModel::SetPage(OptionsPage page) {
  page_ = page;
  PageCheck();
}

std::string OptionsDialogModel::Caption() const {
  return std::string(kOptionsPageNames[static_cast<int>(page_)]) + " options";
}

std::string OptionsDialogModel::HelpTopic() const {
  return "Options_" + std::string(kOptionsPageNames[static_cast<int>(page_)]);
}

std::string OptionsDialogModel::FilterGroupCaption() const {
  return includePresentation ? "Include filter" : "Exclude filter";
}

std::string OptionsDialogModel::StatusBoxHint(int status) const {
  const int i = Clamped(status, kStatusCount);
  std::string hint = std::string(includePresentation ? "Include" : "Exclude") + " files that are ";
  hint += kHintSubjects[i];
  if (i == 0 && !includePresentation) hint += " - show only differences";
  return hint;
}

void OptionsDialogModel::PageCheck() {
  const bool snapshot = c_.State.SnapshotMode;
  filters.GroupsEnabled = !snapshot;
  filters.SnapshotPanelVisible = snapshot;
}

void OptionsDialogModel::CheckSubDirClick() { scanning.CheckIgnorePathEnabled = scanning.CheckSubDir; }

void OptionsDialogModel::CheckStrip83Click() {
  if (scanning.CheckStrip83) scanning.CheckSFN = false;
}

void OptionsDialogModel::CheckSFNClick() {
  if (scanning.CheckSFN) scanning.CheckStrip83 = false;
}

void OptionsDialogModel::InvertStatusBoxes() {
  for (bool FiltersControls::*box : kStatusBoxes) filters.*box = !(filters.*box);
}

void OptionsDialogModel::StatusBoxClick(int /*status*/) {
  if (!loading) filters.cbTemplates = kCustomTemplate;
}

void OptionsDialogModel::cbTemplatesChange(int entry) {
  filters.cbTemplates = Clamped(entry, static_cast<int>(kFilterTemplates.size()));
  if (filters.cbTemplates == kCustomTemplate || !filters.GroupsEnabled) return;
  loading = true;
  // The template names the boxes of the exclude presentation; the include presentation
  // shows the same filter with every box inverted.
  const std::uint8_t excluded = kFilterTemplates[filters.cbTemplates].excluded;
  for (std::size_t i = 0; i < kStatusCount; ++i)
    filters.*kStatusBoxes[i] = ((excluded >> i) & 1u) != (includePresentation ? 1u : 0u);
  loading = false;
}

void OptionsDialogModel::Switch() {
  if (!filters.GroupsEnabled) return;
  includePresentation = !includePresentation;
  loading = true;
  InvertStatusBoxes();
  loading = false;
}

void OptionsDialogModel::cbCRCClick() {
  if (!user.cbCRC) user.cbFilename = true;
}

void OptionsDialogModel::cbFilenameClick() {
  if (!user.cbFilename) user.cbCRC = true;
}

void OptionsDialogModel::FontChange() { RefreshDisplaySample(); }

void OptionsDialogModel::cbColorSetChange(int set) {
  display.cbColorSet = Clamped(set, kColourSetCount);
  display.ColourButtonsEnabled = display.cbColorSet == kCustomColourSet;
  workingColours = ColoursOfSet(s_, display.cbColorSet);
  RefreshDisplaySample();
}

void OptionsDialogModel::lbStylesClick(int status) {
  display.lbStyles = Clamped(status, kStatusCount);
  RefreshDisplaySample();
}

std::array<std::string, 16> OptionsDialogModel::ColourDialogCustomColours() const {
  std::array<std::string, 16> texts;
  for (std::size_t i = 0; i < 16; ++i) {
    const std::uint32_t colour = i < kStatusCount ? workingColours.Fore[i] : workingColours.Back[i - kStatusCount];
    char text[24];
    std::snprintf(text, sizeof text, "Color%c=%08X", static_cast<char>('A' + i), static_cast<unsigned>(colour));
    texts[i] = text;
  }
  return texts;
}

std::uint32_t OptionsDialogModel::CurrentColour(bool fore) const {
  return fore ? workingColours.Fore[display.lbStyles] : workingColours.Back[display.lbStyles];
}

void OptionsDialogModel::ColourChosen(bool fore, std::uint32_t colour) {
  if (!display.ColourButtonsEnabled) return;
  (fore ? workingColours.Fore : workingColours.Back)[display.lbStyles] = colour;
  RefreshDisplaySample();
}

void OptionsDialogModel::bnResetColorClick() {
  if (!display.ColourButtonsEnabled) return;
  const std::size_t i = static_cast<std::size_t>(display.lbStyles);
  workingColours.Fore[i] = kBuiltInColourSets[0].Fore[i];
  workingColours.Back[i] = kBuiltInColourSets[0].Back[i];
  RefreshDisplaySample();
}

void OptionsDialogModel::RefreshDisplaySample() {
  DisplaySample& sample = display.LFontSample;
  if (const std::optional<int> size = FontSizeOf(display.CFontSize)) {
    sample.fontName = display.CFontName;
    sample.fontSize = *size;
  }
  sample.fore = workingColours.Fore[display.lbStyles];
  sample.back = workingColours.Back[display.lbStyles];
}

void OptionsDialogModel::LayoutBoxClick() { RefreshLayoutSample(); }

void OptionsDialogModel::RefreshLayoutSample() {
  if (!active) return;
  const LayoutControls& l = layout;
  layout.Sample = LayoutSample({l.cbDblColumn, l.cbIncCRC, l.cbIncDate, l.cbIncSize, l.cbShortStatus,
                                l.cbDatimStatus, l.cbSizeStatus});
}

void OptionsDialogModel::PrinterFontChange() { RefreshPrinterSample(); }

void OptionsDialogModel::StyleSetClick(int set) {
  printing.StyleSet = Clamped(set, kStyleSetCount);
  RefreshPrinterSample();
}

void OptionsDialogModel::lbPStylesClick(int status) {
  printing.lbPStyles = Clamped(status, kStatusCount);
  RefreshPrinterSample();
}

void OptionsDialogModel::StyleBoxClick() {
  if (!printing.StyleBoxesEnabled()) return;
  const PrintingControls& p = printing;
  workingStyles[p.lbPStyles] = static_cast<std::uint8_t>((p.cbBold ? tsBold : 0) | (p.cbItalic ? tsItalic : 0) |
                                                         (p.cbUnderline ? tsUnderline : 0) |
                                                         (p.cbStrikeout ? tsStrikeOut : 0));
  RefreshPrinterSample();
}

void OptionsDialogModel::lbPResetClick() {
  if (!printing.StyleBoxesEnabled()) return;
  workingStyles[printing.lbPStyles] = kStandardStyles[printing.lbPStyles];
  RefreshPrinterSample();
}

void OptionsDialogModel::RefreshPrinterSample() {
  PrintingControls& p = printing;
  if (const std::optional<int> size = FontSizeOf(p.CBPFontSize)) {
    p.LPFontSample.fontName = p.CBPFontName;
    p.LPFontSample.fontSize = *size;
  }
  const std::uint8_t style =
      p.StyleSet == kCustomStyleSet ? workingStyles[p.lbPStyles] : StylesOfSet(s_, p.StyleSet)[p.lbPStyles];
  p.LPFontSample.style = style;
  // The boxes show the style of the sample.
  p.cbBold = (style & tsBold) != 0;
  p.cbItalic = (style & tsItalic) != 0;
  p.cbUnderline = (style & tsUnderline) != 0;
  p.cbStrikeout = (style & tsStrikeOut) != 0;
}

void OptionsDialogModel::ShowPrinter() {
  if (!printer) {
    printing.LPrinterName = "<none>";
    printing.LOrientation = "n/a";
    return;
  }
  printing.LPrinterName = printer->name;
  printing.LOrientation = s_.PrinterOrientation == 1 ? "Landscape" : "Portrait";
}

void OptionsDialogModel::PrinterSetupDone(std::optional<PrinterFacts> facts) {
  printer = std::move(facts);
  if (printer) s_.PrinterOrientation = printer->orientation;
  ShowPrinter();
}

void OptionsDialogModel::BatchChange() { RefreshBatchSample(); }

void OptionsDialogModel::RefreshBatchSample() {
  if (!active) return;
  const BatchControls& b = batch;
  batch.OBatchSample = BatchSample({b.OBatchBefore, b.OBatchAfter, b.OBatchDrive, b.OBatchPath, b.OBatchFull,
                                    b.OBatchExt});
}

void OptionsDialogModel::ToolChange() { tools.LSample = UserToolSample(tools.edDefaultUserTool, tools.edDefaultUserParms); }

}  // namespace quorvane
