#pragma once
// The printer set-up made before every print: font style, name and size, then the
// orientation, each failure reported by a warning unless in automatic mode. A failure
// never stops the print: the text is printed in whatever font the printer has.
#include "settings/settings.h"
#include "platform/user_interface.h"
#include "platform/text_device.h"

namespace quorvane {

// Plain style, then PrinterFontName, then PrinterFontSize; the first step that fails
// skips the rest. Independently, PrinterOrientation when the printer supports it.
void SetPrinterFontAndOrientation(PrinterPort& printer, const Settings& settings, platform::UserInterface& ui);

// The style byte of each status for a print, by PrinterStyleSet (0 None, 1 Standard,
// 2 Custom; any other number None).
StyleSet PrintStyles(const Settings& settings);

}  // namespace quorvane
