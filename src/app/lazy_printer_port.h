#pragma once
// The headless program's printer: loads the window module (and with it Qt) the first time
// a report or listing is printed, and forwards to the Qt printer from then on. Saving to
// a file never touches it, so a headless comparison loads no Qt library.
#include <memory>

#include "platform/text_device.h"
#include "platform/user_interface.h"

namespace quorvane {

class LazyPrinterPort final : public PrinterPort {
 public:
  explicit LazyPrinterPort(platform::UserInterface& ui) : ui_(ui) {}

  std::unique_ptr<TextOutput> OpenPrinter(const std::string& documentName) override;
  std::string PrinterName() override;
  bool SetFontStyle(std::uint8_t style) override;
  bool SetFontName(const std::string& name) override;
  bool SetFontSize(int points) override;
  bool SupportsOrientation() override;
  bool SetOrientation(int orientation) override;

 private:
  // The Qt printer, or nullptr when the module cannot be loaded (said once on standard
  // error); without it every step refuses and nothing is printed.
  PrinterPort* real();

  platform::UserInterface& ui_;
  std::unique_ptr<PrinterPort> real_;
  bool tried_ = false;
};

}  // namespace quorvane
