#pragma once
// The text device: where reports, snapshots and batch files go. Lines made of parts, each
// part with a style byte (0x01 bold, 0x02 italic, 0x04 underline, 0x08 strikeout). A file ignores the styles
// and ends every line with CR LF; the printer draws each part in its style.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_style.h"

namespace quorvane {

struct TextPart {
  std::string text;
  std::uint8_t style = tsPlain;
};

class TextOutput {
 public:
  virtual ~TextOutput() = default;
  // False when the line could not be written (disk full, printer gone).
  virtual bool WriteLine(const std::vector<TextPart>& parts) = 0;
  bool WriteLine(std::string_view plain) { return WriteLine(std::vector<TextPart>{{std::string(plain), tsPlain}}); }
  // Ends the output (flushes the file, ends the print job). False when that failed.
  virtual bool Close() = 0;
  // The system's reason for the first failure ("No space left on device"); empty when
  // there was none or the output cannot tell.
  virtual std::string FailureReason() const { return {}; }
};

// Opens the printer as a text output. The front end supplies it (UserInterface::printer;
// the Qt printing library implements it), so the core never links Qt. OpenPrinter
// returns nullptr when no printer can be opened.
class PrinterPort {
 public:
  virtual ~PrinterPort() = default;
  virtual std::unique_ptr<TextOutput> OpenPrinter(const std::string& documentName) = 0;

  // The current printer's name, shown while printing.
  virtual std::string PrinterName() { return {}; }

  // The steps of the printer set-up made before every print (printer_setup.h); each
  // returns false when the printer refused it. They take effect for the next OpenPrinter.
  virtual bool SetFontStyle(std::uint8_t style) { return style == tsPlain; }
  virtual bool SetFontName(const std::string& name) { return !name.empty(); }
  virtual bool SetFontSize(int points) { return points > 0; }
  virtual bool SupportsOrientation() { return false; }
  // 0 portrait, 1 landscape.
  virtual bool SetOrientation(int orientation) { return orientation == 0 || orientation == 1; }
};

// The literal output target that sends a report or listing to the printer.
inline constexpr std::string_view kPrinterTarget = "[Printer]";

}  // namespace quorvane
