#include "reports/output_target.h"

#include "platform/text_file.h"
#include "reports/file_text_output.h"
#include "reports/printer_setup.h"

namespace quorvane {

bool IsPrinterTarget(std::string_view target) { return target == kPrinterTarget; }

std::string OverwriteQuestion(std::string_view path) {
  return "File already exists : \r\r" + std::string(path) + "\r\r" + "Do you want to overwrite it ?\r";
}

OpenedOutput OpenOutput(std::string_view target, bool append, const Settings& settings, platform::UserInterface& ui,
                        PrinterPort* printer, const OutputMessages& messages, const std::string& documentName,
                        std::string_view lineEnd) {
  OpenedOutput opened;
  const std::string path(target);
  std::string reason;
  if (IsPrinterTarget(target)) {
    opened.printer = true;
    if (printer) {
      SetPrinterFontAndOrientation(*printer, settings, ui);
      opened.printerName = printer->PrinterName();
      opened.output = printer->OpenPrinter(documentName);
    }
  } else {
    if (!settings.AutoMode && settings.ConfirmOverwrite && platform::pathExists(path) &&
        ui.message(OverwriteQuestion(path), platform::MessageKind::Warning, platform::MessageButtons::YesCancel) !=
            platform::Answer::Yes) {
      ui.message(messages.declined, platform::MessageKind::Warning, platform::MessageButtons::Ok);
      return opened;
    }
    opened.output = OpenTextFile(path, append, &reason, lineEnd);
  }
  if (!opened.output) {
    ui.messageAbout(std::string(messages.openError) + path, platform::MessageKind::Error, platform::MessageButtons::Ok,
                    {path, reason});
  }
  return opened;
}

}  // namespace quorvane
