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
using Profile = platform::LoadedProfile;

void showError(platform::UserInterface& ui, const std::string& text) {
  ui.message(text, MessageKind::Error, MessageButtons::Ok);
}

// The keys of the list whose use includes `when`.
void readFlags(const Profile& p, std::string_view section, std::span<const FlagKey> keys, Settings& s,
               std::uint8_t when = FlagKey::LoadLate) {
  for (const FlagKey& k : keys)
    if (k.use & when) ReadFlag(p, section, k.key, s.*k.field);
}

// A number outside [low, high] is ignored, so a hand-edited file cannot put a setting
// outside the range the program indexes tables with.
void readNumberIn(const Profile& p, std::string_view section, std::string_view key, int& setting, int low, int high) {
  int value = setting;
  ReadNumber(p, section, key, value);
  if (value >= low && value <= high) setting = value;
}

// Appends [History] Prefix0, Prefix1, ... until a key is missing or `limit` entries were
// read. Empty values are passed over.
void readHistory(const Profile& p, std::string_view prefix, std::size_t limit, std::vector<std::string>& list) {
  for (std::size_t i = 0; i < limit; ++i) {
    std::string value(kMissingText);
    ReadText(p, "History", std::string(prefix) + std::to_string(i), value);
    if (value == kMissingText) return;
    if (!value.empty()) list.push_back(std::move(value));
  }
}

void loadDisplay(const Profile& p, Settings& s) {
  std::string iDate(kMissingText);
  ReadText(p, "intl", "iDate", iDate);
  if (iDate.size() == 1 && iDate[0] >= '0' && iDate[0] <= '2') s.DateFormat = iDate[0] - '0';

  readNumberIn(p, "Display", "DateFormat", s.DateFormat, 0, 2);
  ReadFlag(p, "Display", "TrackSelection", s.TrackSelection);
  readNumberIn(p, "Display", "ColorSet", s.ColorSet, 0, 3);
  readNumberIn(p, "Display", "DisplayFontSize", s.DisplayFontSize, 1, 999);
  ReadText(p, "Display", "DisplayFontName", s.DisplayFontName);
  ReadFlag(p, "Display", "AutoColWidth", s.AutoColWidth);
  ReadFlag(p, "Display", "SaveColWidth", s.SaveColWidth);
  if (s.SaveColWidth) {
    std::string widths;
    ReadText(p, "Display", "ColWidths", widths);
    ColumnWidthsFromText(widths, s.ColWidths);
  }
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    const std::string n = std::to_string(i);
    s.CustomColours.Fore[i] = ReadColour(p, "Display", "Fore" + n, s.CustomColours.Fore[i]);
    s.CustomColours.Back[i] = ReadColour(p, "Display", "Back" + n, s.CustomColours.Back[i]);
  }
}

void loadPrinter(const Profile& p, Settings& s) {
  readNumberIn(p, "Printer", "PrinterFontSize", s.PrinterFontSize, 1, 999);
  ReadText(p, "Printer", "PrinterFontName", s.PrinterFontName);
  readNumberIn(p, "Printer", "PrinterOrientation", s.PrinterOrientation, 0, 1);
  readNumberIn(p, "Printer", "PrinterStyleSet", s.PrinterStyleSet, 0, 2);
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    std::string letters(kMissingText);
    ReadText(p, "Printer", "St" + std::to_string(i), letters);
    if (letters != kMissingText) s.CustomStyles[i] = StyleFromLetters(letters);
  }
}

void loadBatch(const Profile& p, Settings& s) {
  ReadText(p, "Batch", "OutputFile", s.OutputFile);
  ReadText(p, "Batch", "BatchBefore", s.BatchBefore);
  ReadText(p, "Batch", "BatchAfter", s.BatchAfter);
  readFlags(p, "Batch", BatchFlags(), s);
  // The before-text, the file name and the after-text are separated by single blanks.
  if (!s.BatchBefore.empty() && s.BatchBefore.back() != ' ') s.BatchBefore += ' ';
  if (!s.BatchAfter.empty() && s.BatchAfter.front() != ' ') s.BatchAfter.insert(0, 1, ' ');
}

void loadSpecialAttr(const Profile& p, Settings& s) {
  std::string text(kMissingText);
  ReadText(p, "Quorvane", "SpecialAttr", text);
  if (text != kMissingText) s.SpecialAttr = static_cast<std::uint8_t>(TextToInteger(text));
}

void loadTools(const Profile& p, Settings& s) {
  ReadText(p, "Tools", "DefaultViewer", s.DefaultViewer);
  ReadText(p, "Tools", "DefaultUserTool", s.DefaultUserTool);
  ReadText(p, "Tools", "DefaultUserParms", s.DefaultUserParms);
  readFlags(p, "Tools", ToolFlags(), s);
}

void loadDialogs(const Profile& p, Settings& s) {
  ReadText(p, "Synchronization", "LogFileName", s.Sync.LogFileName);
  ReadFlag(p, "Synchronization", "LogFile", s.Sync.LogFile);
  ReadFlag(p, "Synchronization", "ClearLogFile", s.Sync.ClearLogFile);
  ReadFlag(p, "Synchronization", "UseTrash", s.Sync.UseTrash);
  ReadFlag(p, "Synchronization", "SaveDefault", s.Sync.SaveDefault);
  if (s.Sync.SaveDefault) ReadFlag(p, "Synchronization", "ApplyAll", s.Sync.ApplyAll);

  ReadFlag(p, "FileOp", "SaveDefault", s.FileOp.SaveDefault);
  if (s.FileOp.SaveDefault) ReadFlag(p, "FileOp", "ApplyAll", s.FileOp.ApplyAll);
}

void loadFilters(const Profile& p, Comparison& c) {
  ReadFlag(p, "Filters", "SaveFilters", c.settings.SaveFilters);
  if (!c.settings.SaveFilters) return;
  c.Files.IFilter = static_cast<std::uint16_t>(ReadColour(p, "Filters", "IFilter", 0xFFFF));
  c.Files.XFilter = static_cast<std::uint16_t>(ReadColour(p, "Filters", "XFilter", 0xFFFF));
}

void loadExcludeDirectories(const Profile& p, Comparison& c) {
  std::string text(kMissingText);
  ReadText(p, "Directories", "Exclude", text);
  if (text == kMissingText) return;
  c.ExcludeDirs.Clear();
  for (const std::string& name : SemicolonToLines(text))
    if (const std::string held = HeldDirectoryName(name); !held.empty()) c.ExcludeDirs.Add(held);
}

}  // namespace

void LoadCfg(Comparison& c, const ProfileReading& readProfile) {
  Settings& s = c.settings;
  const Profile p = readProfile();
  switch (p.state()) {
    case platform::ProfileState::Missing:
      return;
    case platform::ProfileState::Unreadable:
      showError(c.ui, "(Debug): LoadCfg");
      return;
    case platform::ProfileState::Readable:
      break;
  }
  try {
    readFlags(p, "Quorvane", QuorvaneFlags(), s, FlagKey::LoadEarly);
    loadDisplay(p, s);
    loadPrinter(p, s);
    readFlags(p, "Quorvane", QuorvaneFlags(), s, FlagKey::LoadLate);
    if (s.SaveHistory) {
      try {
        readHistory(p, "Dir", HistoryLists::kMaxDirs, s.History.Dirs);
        readHistory(p, "File", HistoryLists::kMaxFiles, s.History.Files);
        readHistory(p, "DestDir", HistoryLists::kMaxDestDirs, s.History.DestDirs);
      } catch (const std::exception&) {
        showError(c.ui, "Error while loading history information\rPlease check Quorvane.ini");
      }
    }
    loadBatch(p, s);
    readFlags(p, "Layout", LayoutFlags(), s);
    ReadFlag(p, "Saving", "ConfirmOverwrite", s.ConfirmOverwrite);
    loadSpecialAttr(p, s);
    readNumberIn(p, "Quorvane", "TimeTolerance", s.TimeTolerance, 0, 3600);
    readNumberIn(p, "Quorvane", "IgnoreHourShift", s.IgnoreHourShift, 0, 2);
    loadTools(p, s);
    loadDialogs(p, s);
    loadFilters(p, c);
    ReadText(p, "Quorvane", "IncludeMask", s.IncludeMask);
    ReadText(p, "Quorvane", "ExcludeMask", s.ExcludeMask);
    try {
      ApplyMasks(s, c.Masks, c.ui);
    } catch (const std::exception&) {
      showError(c.ui, "Error initializing saved wildcards");
    }
    try {
      loadExcludeDirectories(p, c);
    } catch (const std::exception&) {
      showError(c.ui, "Error reading Exclude directories");
    }
  } catch (const std::exception&) {
    showError(c.ui, "Error during LoadCfg");
  }
}

WindowPlacement LoadWindowPos(Settings& settings, WindowPlacement current) {
  const Profile p = Profile::read();
  ReadFlag(p, "Quorvane", "SaveWindowPos", settings.SaveWindowPos);
  if (settings.SaveWindowPos) {
    std::string position(kMissingText);
    ReadText(p, "WindowPos", "Position", position);
    if (position != kMissingText) ApplyPositionText(position, current);
    int state = WindowPlacement::Normal;
    readNumberIn(p, "WindowPos", "State", state, WindowPlacement::Normal, WindowPlacement::Maximized);
    current.State = state;
  }
  settings.Window = current;
  return current;
}

}  // namespace quorvane
