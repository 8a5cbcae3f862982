#include <exception>
#include <string>

#include "config/ini_file.h"
#include "config/ini_values.h"
#include "config/settings_keys.h"
#include "engine/program_version.h"
#include "engine/value_text.h"
#include "platform/profile.h"

namespace quorvane {

namespace {

// Raised at the first key that cannot be set; the callers write what came before it.
struct WriteFailed {};

// The keys of one save, written to the file in one go.
class Writer {
 public:
  void flag(std::string_view section, std::string_view key, bool value) { text(section, key, value ? "1" : "0"); }
  void number(std::string_view section, std::string_view key, int value) { text(section, key, std::to_string(value)); }
  void text(std::string_view section, std::string_view key, std::string_view value) {
    if (!edit_.set(section, key, value)) throw WriteFailed{};
  }
  void flags(std::string_view section, std::span<const FlagKey> keys, const Settings& s) {
    for (const FlagKey& k : keys)
      if (k.use & FlagKey::Saved) flag(section, k.key, s.*k.field);
  }
  bool commit() { return edit_.commit(); }

 private:
  platform::ProfileEdit edit_;
};

// Runs the save; on a key that cannot be set, the keys before it are still written.
template <typename Save>
bool saveAll(Save save) {
  Writer w;
  try {
    save(w);
  } catch (const WriteFailed&) {
    w.commit();
    return false;
  }
  return w.commit();
}

void saveSettings(Writer& w, const Settings& s, const FileList& files) {
  w.text("Quorvane", "Version", kProgramVersion);
  w.flags("Quorvane", QuorvaneFlags(), s);
  w.number("Quorvane", "SpecialAttr", s.SpecialAttr);
  w.number("Quorvane", "TimeTolerance", s.TimeTolerance);
  w.number("Quorvane", "IgnoreHourShift", s.IgnoreHourShift);
  w.text("Quorvane", "IncludeMask", s.IncludeMask);
  w.text("Quorvane", "ExcludeMask", s.ExcludeMask);

  w.flag("Saving", "ConfirmOverwrite", s.ConfirmOverwrite);

  w.number("Display", "DateFormat", s.DateFormat);
  w.flag("Display", "TrackSelection", s.TrackSelection);
  w.number("Display", "ColorSet", s.ColorSet);
  w.number("Display", "DisplayFontSize", s.DisplayFontSize);
  w.text("Display", "DisplayFontName", s.DisplayFontName);
  w.flag("Display", "SaveColWidth", s.SaveColWidth);
  w.flag("Display", "AutoColWidth", s.AutoColWidth);
  for (std::size_t i = 0; i < kStatusCount; ++i) {
    const std::string n = std::to_string(i);
    w.text("Display", "Fore" + n, HexLong(s.CustomColours.Fore[i]));
    w.text("Display", "Back" + n, HexLong(s.CustomColours.Back[i]));
  }

  w.number("Printer", "PrinterFontSize", s.PrinterFontSize);
  w.text("Printer", "PrinterFontName", s.PrinterFontName);
  w.number("Printer", "PrinterOrientation", s.PrinterOrientation);
  w.number("Printer", "PrinterStyleSet", s.PrinterStyleSet);
  for (std::size_t i = 0; i < kStatusCount; ++i) w.text("Printer", "St" + std::to_string(i), StyleLetters(s.CustomStyles[i]));

  w.text("Batch", "OutputFile", TrimBlanks(s.OutputFile));
  w.text("Batch", "BatchBefore", TrimBlanks(s.BatchBefore));
  w.text("Batch", "BatchAfter", TrimBlanks(s.BatchAfter));
  w.flags("Batch", BatchFlags(), s);

  w.flags("Layout", LayoutFlags(), s);

  w.text("Tools", "DefaultViewer", s.DefaultViewer);
  w.text("Tools", "DefaultUserTool", s.DefaultUserTool);
  w.text("Tools", "DefaultUserParms", s.DefaultUserParms);
  w.flags("Tools", ToolFlags(), s);

  w.flag("Filters", "SaveFilters", s.SaveFilters);
  if (s.SaveFilters) {
    w.text("Filters", "IFilter", HexWord(files.IFilter));
    w.text("Filters", "XFilter", HexWord(files.XFilter));
  }
}

}  // namespace

void SaveCfg(const Comparison& c) {
  bool saved = false;
  try {
    saved = saveAll([&](Writer& w) { saveSettings(w, c.settings, c.Files); });
  } catch (const std::exception&) {
  }
  if (!saved) c.ui.message("Error during SaveCfg", platform::MessageKind::Error, platform::MessageButtons::Ok);
}

void IniFileSave(const Settings& s, platform::UserInterface& ui) {
  bool saved = false;
  try {
    saved = saveAll([&](Writer& w) {
      if (s.SaveWindowPos) {
        w.number("WindowPos", "State", s.Window.State);
        // A minimized or maximized window keeps the last normal position in the file.
        if (s.Window.State == WindowPlacement::Normal) w.text("WindowPos", "Position", PositionText(s.Window));
      }
      if (s.SaveColWidth) w.text("Display", "ColWidths", ColumnWidthsText(s.ColWidths));
    });
  } catch (const std::exception&) {
  }
  if (!saved) ui.message("Termine().IniFileSave : error", platform::MessageKind::Error, platform::MessageButtons::Ok);
}

}  // namespace quorvane
