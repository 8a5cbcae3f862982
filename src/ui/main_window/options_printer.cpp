#include "ui/main_window/options_printer.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "program/program.h"
#include "ui/dialogs/options_dialog.h"

namespace quorvane::ui {
namespace {

std::optional<PrinterFacts> printerFacts(PrinterPort* port, int orientation) {
  if (!port) return std::nullopt;
  const std::string name = port->PrinterName();
  if (name.empty()) return std::nullopt;
  PrinterFacts facts;
  facts.name = name;
  facts.orientation = orientation;
  for (const QString& family : QFontDatabase::families()) facts.fontNames.push_back(family.toStdString());
  return facts;
}

// The page set-up dialog over the printer the reports go to (the PDF file standing in
// for it included); the orientation chosen there, or the one given on Cancel.
int pageSetup(QWidget* parent, int orientation) {
  const QString pdf = qEnvironmentVariable("QUORVANE_PRINT_PDF");
  QPrinter printer(QPrinter::HighResolution);
  if (!pdf.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
  } else {
    printer.setPrinterName(QPrinterInfo::defaultPrinterName());
  }
  printer.setPageOrientation(orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPageSetupDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return orientation;
  return printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
}

class ToolTipFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void ConnectOptionsPrinter(OptionsDialog& dialog, Program& program) {
  PrinterPort* port = program.ui.printer();
  Settings& settings = program.settings;
  if (port && port->SupportsOrientation()) port->SetOrientation(settings.PrinterOrientation);
  dialog.model().printer = printerFacts(port, settings.PrinterOrientation);
  if (!dialog.model().printer) return;
  dialog.printerSetup = [&dialog, port, &settings]() -> std::optional<PrinterFacts> {
    const int orientation = pageSetup(&dialog, settings.PrinterOrientation);
    if (port->SupportsOrientation()) port->SetOrientation(orientation);
    return printerFacts(port, orientation);
  };
}

void SetHelpBubbles(bool shown) {
  static ToolTipFilter* filter = nullptr;
  if (!qApp) return;
  if (!shown && !filter) {
    filter = new ToolTipFilter(qApp);
    qApp->installEventFilter(filter);
  } else if (shown && filter) {
    qApp->removeEventFilter(filter);
    delete filter;
    filter = nullptr;
  }
}

}  // namespace quorvane::ui
