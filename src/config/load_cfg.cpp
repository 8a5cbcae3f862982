#include <exception>
#include <string>

#include "config/apply_masks.h"
#include "config/ini_file.h"
#include "config/ini_values.h"
#include "config/settings_keys.h"
#include "config/text_lists.h"
#include "engine/value_text.h"
#include "platform/profile.h"

namespace quorvane {

namespace {

using platform::MessageButtons;
using platform::MessageKind;

void showError(platform::UserInterface& ui, const std::string& text) {
  ui.message(text, MessageKind::Error, MessageButtons::Ok);
}

// The keys of the list whose use includes `when`.
void readFlags(std::string_view section, std::span<const FlagKey> keys, Settings& s, std::uint8_t when = FlagKey::LoadLate) {
  for (const FlagKey& k : keys)
    if (k.use & when) ReadFlag(section, k.key, s.*k.field);
}

// A number outside [low, high] is ignored, so a hand-edited file cannot put a setting
// outside the range the program indexes tables with.
void readNumberIn(std::string_view section, std::string_view key, int& setting, int low, int high) {
  int value = setting;
  ReadNumber(section, key, value);
  if (value >= low && value <= high) setting = value;
}

// Appends [History] Prefix0, Prefix1, ... until a key is missing or `limit` entries were
// read. Empty values are passed over.
void readHistory(std::string_view prefix, std::size_t limit, std::vector<std::string>& list) {
  for (std::size_t i = 0; i < limit; ++i) {
    std::string value(kMissingText);
    ReadText("History", std::string(prefix) + std::to_string(i), value);
    if (value == kMissingText) return;
    if (!value.empty()) list.push_back(std::move(value));
  }
}

void loadDisplay(Settings& s) {
  std::string iDate(kMissingText);
  ReadText("intl", "iDate", iDate);
  if (iDate.size() == 1 && iDate[0] >= '0' && iDate[0] <= '2') s.DateFormat = iDate[0] - '0';

  readNumberIn("Display", "DateFormat", s.DateFormat, 0, 2);
  ReadFlag("Display", "TrackSelection", s.TrackSelection);
  readNumberIn("Display", "ColorSet", s.ColorSet, 0, 3);
  readNumberIn("Display", "DisplayFontSize", s.DisplayFontSize, 1, 999);
  ReadText("Display", "DisplayFontName", s.DisplayFontName);
  ReadFlag("Display", "AutoColWidth", s.AutoColWidth);
  ReadFlag("Display", "SaveColWidth", s.SaveColWidth);
  if (s.SaveColWidth) {
    std::string widths;
    ReadText("Display", "ColWidths", widths);
    ColumnWidthsFromText(widths, s.ColWidths);
  }
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    const std::string n = std::to_string(i);
    s.CustomColours.Fore[i] = ReadColour("Display", "Fore" + n, s.CustomColours.Fore[i]);
    s.CustomColours.Back[i] = ReadColour("Display", "Back" + n, s.CustomColours.Back[i]);
  }
}

void loadPrinter(Settings& s) {
  readNumberIn("Printer", "PrinterFontSize", s.PrinterFontSize, 1, 999);
  ReadText("Printer", "PrinterFontName", s.PrinterFontName);
  readNumberIn("Printer", "PrinterOrientation", s.PrinterOrientation, 0, 1);
  readNumberIn("Printer", "PrinterStyleSet", s.PrinterStyleSet, 0, 2);
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    std::string letters(kMissingText);
    ReadText("Printer", "St" + std::to_string(i), letters);
    if (letters != kMissingText) s.CustomStyles[i] = StyleFromLetters(letters);
  }
}

void loadBatch(Settings& s) {
  ReadText("Batch", "OutputFile", s.OutputFile);
  ReadText("Batch", "BatchBefore", s.BatchBefore);
  ReadText("Batch", "BatchAfter", s.BatchAfter);
  readFlags("Batch", BatchFlags(), s);
  // The before-text, the file name and the after-text are separated by single blanks.
  if (!s.BatchBefore.empty() && s.BatchBefore.back() != ' ') s.BatchBefore += ' ';
  if (!s.BatchAfter.empty() && s.BatchAfter.front() != ' ') s.BatchAfter.insert(0, 1, ' ');
}

void loadSpecialAttr(Settings& s) {
  std::string text(kMissingText);
  ReadText("Quorvane", "SpecialAttr", text);
  if (text != kMissingText) s.SpecialAttr = static_cast<std::uint8_t>(TextToInteger(text));
}

void loadTools(Settings& s) {
  ReadText("Tools", "DefaultViewer", s.DefaultViewer);
  ReadText("Tools", "DefaultUserTool", s.DefaultUserTool);
  ReadText("Tools", "DefaultUserParms", s.DefaultUserParms);
  readFlags("Tools", ToolFlags(), s);
}

void loadDialogs(Settings& s) {
  ReadText("Synchronization", "LogFileName", s.Sync.LogFileName);
  ReadFlag("Synchronization", "LogFile", s.Sync.LogFile);
  ReadFlag("Synchronization", "ClearLogFile", s.Sync.ClearLogFile);
  ReadFlag("Synchronization", "SaveDefault", s.Sync.SaveDefault);
  if (s.Sync.SaveDefault) ReadFlag("Synchronization", "ApplyAll", s.Sync.ApplyAll);

  ReadFlag("FileOp", "SaveDefault", s.FileOp.SaveDefault);
  if (s.FileOp.SaveDefault) ReadFlag("FileOp", "ApplyAll", s.FileOp.ApplyAll);
}

void loadFilters(Comparison& c) {
  ReadFlag("Filters", "SaveFilters", c.settings.SaveFilters);
  if (!c.settings.SaveFilters) return;
  c.Files.IFilter = static_cast<std::uint16_t>(ReadColour("Filters", "IFilter", 0xFFFF));
  c.Files.XFilter = static_cast<std::uint16_t>(ReadColour("Filters", "XFilter", 0xFFFF));
}

void loadExcludeDirectories(Comparison& c) {
  std::string text(kMissingText);
  ReadText("Directories", "Exclude", text);
  if (text == kMissingText) return;
  c.ExcludeDirs.Clear();
  for (const std::string& name : SemicolonToLines(text))
    if (const std::string held = HeldDirectoryName(name); !held.empty()) c.ExcludeDirs.Add(held);
}

}  // namespace

void LoadCfg(Comparison& c) {
  Settings& s = c.settings;
  switch (platform::profileState()) {
    case platform::ProfileState::Missing:
      return;
    case platform::ProfileState::Unreadable:
      showError(c.ui, "(Debug): LoadCfg");
      return;
    case platform::ProfileState::Readable:
      break;
  }
  try {
    readFlags("Quorvane", QuorvaneFlags(), s, FlagKey::LoadEarly);
    loadDisplay(s);
    loadPrinter(s);
    readFlags("Quorvane", QuorvaneFlags(), s, FlagKey::LoadLate);
    if (s.SaveHistory) {
      try {
        readHistory("Dir", HistoryLists::kMaxDirs, s.History.Dirs);
        readHistory("File", HistoryLists::kMaxFiles, s.History.Files);
        readHistory("DestDir", HistoryLists::kMaxDestDirs, s.History.DestDirs);
      } catch (const std::exception&) {
        showError(c.ui, "Error while loading history information\rPlease check Quorvane.ini");
      }
    }
    loadBatch(s);
    readFlags("Layout", LayoutFlags(), s);
    ReadFlag("Saving", "ConfirmOverwrite", s.ConfirmOverwrite);
    loadSpecialAttr(s);
    loadTools(s);
    loadDialogs(s);
    loadFilters(c);
    ReadText("Quorvane", "IncludeMask", s.IncludeMask);
    ReadText("Quorvane", "ExcludeMask", s.ExcludeMask);
    try {
      ApplyMasks(s, c.Masks, c.ui);
    } catch (const std::exception&) {
      showError(c.ui, "Error initializing saved wildcards");
    }
    try {
      loadExcludeDirectories(c);
    } catch (const std::exception&) {
      showError(c.ui, "Error reading Exclude directories");
    }
  } catch (const std::exception&) {
    showError(c.ui, "Error during LoadCfg");
  }
}

WindowPlacement LoadWindowPos(Settings& settings, WindowPlacement current) {
  ReadFlag("Quorvane", "SaveWindowPos", settings.SaveWindowPos);
  if (settings.SaveWindowPos) {
    std::string position(kMissingText);
    ReadText("WindowPos", "Position", position);
    if (position != kMissingText) ApplyPositionText(position, current);
    int state = WindowPlacement::Normal;
    readNumberIn("WindowPos", "State", state, WindowPlacement::Normal, WindowPlacement::Maximized);
    current.State = state;
  }
  settings.Window = current;
  return current;
}

}  // namespace quorvane
