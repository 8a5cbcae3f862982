#include "ui/printing/printer.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/printing/gui_application.h"
#include "ui/printing/printer_text_output.h"

namespace quorvane {

namespace {

constexpr int kLargestFontSize = 1000;

// The PDF file that stands in for the printer, or empty.
QString pdfTarget() { return qEnvironmentVariable("QUORVANE_PRINT_PDF"); }

class QtPrinterPort : public PrinterPort {
 public:
  QtPrinterPort() {
    // Columns line up only in a fixed-pitch font: a missing family falls back to one.
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
  }

  std::unique_ptr<TextOutput> OpenPrinter(const std::string& documentName) override {
    printing::EnsureGuiApplication();
    std::unique_ptr<QPrinter> printer;
    const QString pdf = pdfTarget();
    if (!pdf.isEmpty()) {
      printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(pdf);
    } else {
      const QPrinterInfo current = QPrinterInfo::defaultPrinter();
      if (current.isNull()) return nullptr;
      printer = std::make_unique<QPrinter>(current, QPrinter::HighResolution);
    }
    if (!printer->isValid()) return nullptr;
    printer->setDocName(QString::fromStdString(documentName));
    printer->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    auto output = std::make_unique<printing::PrinterTextOutput>(std::move(printer), font_);
    if (!output->Started()) return nullptr;
    return output;
  }

  std::string PrinterName() override {
    const QString pdf = pdfTarget();
    if (!pdf.isEmpty()) return pdf.toStdString();
    printing::EnsureGuiApplication();
    return QPrinterInfo::defaultPrinterName().toStdString();
  }

  bool SetFontStyle(std::uint8_t style) override {
    font_.setBold(style & tsBold);
    font_.setItalic(style & tsItalic);
    font_.setUnderline(style & tsUnderline);
    font_.setStrikeOut(style & tsStrikeOut);
    return true;
  }

  bool SetFontName(const std::string& name) override {
    if (name.empty()) return false;
    font_.setFamily(QString::fromStdString(name));
    return true;
  }

  bool SetFontSize(int points) override {
    if (points <= 0 || points > kLargestFontSize) return false;
    font_.setPointSize(points);
    return true;
  }

  // Both the PDF writer and the print system turn pages either way.
  bool SupportsOrientation() override { return true; }

  bool SetOrientation(int orientation) override {
    if (orientation != 0 && orientation != 1) return false;
    landscape_ = orientation == 1;
    return true;
  }

 private:
  QFont font_{QStringLiteral("Courier"), 10};
  bool landscape_ = false;
};

}  // namespace

std::unique_ptr<PrinterPort> MakePrinterPort(platform::UserInterface&) { return std::make_unique<QtPrinterPort>(); }

}  // namespace quorvane
