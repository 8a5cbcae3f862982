#pragma once
// The printer of the program: the current (CUPS) printer, or a PDF file when the
// environment variable QUORVANE_PRINT_PDF names one (tests, machines without a printer).
// Lines are drawn in the printer font, one below the other, each part in its style, and a
// new page starts when the next line does not fit. Works without a display: when the
// program runs no Qt application, one is started on the offscreen platform.
#include <memory>

#include "platform/user_interface.h"
#include "platform/text_device.h"

namespace quorvane {

// The writers report every failure themselves, so the printer asks the user nothing and
// ui is not used.
std::unique_ptr<PrinterPort> MakePrinterPort(platform::UserInterface& ui);

}  // namespace quorvane
