#pragma once
// Opening the output of a writer (diff report, snapshot, batch file): the target is a
// file path or "[Printer]". For a file, an existing one is overwritten only when the user
// agrees (never asked in automatic mode or with ConfirmOverwrite off); for the printer,
// the printer set-up comes first. Every refusal and failure shows its message here.
#include <memory>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "platform/user_interface.h"
#include "platform/text_device.h"

namespace quorvane {

struct OutputMessages {
  // Shown as a warning when the user declines overwriting, e.g. "File was not saved.".
  std::string_view declined;
  // Shown as an error with the target appended when the output cannot be opened,
  // e.g. "Error writing :\r".
  std::string_view openError;
};

struct OpenedOutput {
  std::unique_ptr<TextOutput> output;  // nullptr: declined or failed, the message shown
  bool printer = false;
  std::string printerName;
};

bool IsPrinterTarget(std::string_view target);

// "File already exists : \r\r" + path + "\r\r" + "Do you want to overwrite it ?\r".
std::string OverwriteQuestion(std::string_view path);

// Opens the target: a file anew or, with append, for appending; or the printer through
// the port (nullptr: no printer to be had). documentName names the print job; lineEnd
// ends every line of a file.
OpenedOutput OpenOutput(std::string_view target, bool append, const Settings& settings, platform::UserInterface& ui,
                        PrinterPort* printer, const OutputMessages& messages, const std::string& documentName,
                        std::string_view lineEnd = "\r\n");

}  // namespace quorvane
