#pragma once
// Where reports, snapshots and batch files go: lines made of parts, each part with a style
// byte (0x01 bold, 0x02 italic, 0x04 underline, 0x08 strikeout). A file ignores the styles
// and ends every line with CR LF; the printer draws each part in its style.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

enum TextStyle : std::uint8_t { tsPlain = 0, tsBold = 0x01, tsItalic = 0x02, tsUnderline = 0x04, tsStrikeOut = 0x08 };

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
};

// Opens the printer as a text output; provided by the printing library (Qt), injected
// into the writers so that the core never links Qt. Returns nullptr when no printer
// can be opened.
class PrinterPort {
 public:
  virtual ~PrinterPort() = default;
  virtual std::unique_ptr<TextOutput> OpenPrinter(const std::string& documentName) = 0;
};

}  // namespace quorvane
