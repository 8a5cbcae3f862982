#include "reports/printer_setup.h"

#include "config/colour_sets.h"

namespace quorvane {

namespace {

void warn(const Settings& settings, platform::UserInterface& ui, std::string_view text) {
  if (!settings.AutoMode) ui.message(text, platform::MessageKind::Warning, platform::MessageButtons::Ok);
}

}  // namespace

void SetPrinterFontAndOrientation(PrinterPort& printer, const Settings& settings, platform::UserInterface& ui) {
  if (!printer.SetFontStyle(tsPlain)) {
    warn(settings, ui, "Error setting printer font style");
  } else if (!printer.SetFontName(settings.PrinterFontName)) {
    warn(settings, ui, "Error setting printer font name");
  } else if (!printer.SetFontSize(settings.PrinterFontSize)) {
    warn(settings, ui, "Error setting printer font size");
  }
  if (printer.SupportsOrientation() && !printer.SetOrientation(settings.PrinterOrientation)) {
    warn(settings, ui, "Error setting printer orientation");
  }
}

StyleSet PrintStyles(const Settings& settings) { return StylesOfSet(settings, settings.PrinterStyleSet); }

}  // namespace quorvane
