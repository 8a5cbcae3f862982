#include "app/lazy_printer_port.h"

#include <iostream>

#include "app/front_end_loader.h"

namespace quorvane {

PrinterPort* LazyPrinterPort::real() {
  if (!tried_) {
    tried_ = true;
    std::string why;
    if (const FrontEndModule* module = LoadFrontEndModule(&why))
      real_ = module->makePrinterPort(ui_);
    else
      std::cerr << "quorvane: cannot print: " << why << '\n';
  }
  return real_.get();
}

std::unique_ptr<TextOutput> LazyPrinterPort::OpenPrinter(const std::string& documentName) {
  PrinterPort* port = real();
  return port ? port->OpenPrinter(documentName) : nullptr;
}

std::string LazyPrinterPort::PrinterName() {
  PrinterPort* port = real();
  return port ? port->PrinterName() : std::string();
}

bool LazyPrinterPort::SetFontStyle(std::uint8_t style) {
  PrinterPort* port = real();
  return port && port->SetFontStyle(style);
}

bool LazyPrinterPort::SetFontName(const std::string& name) {
  PrinterPort* port = real();
  return port && port->SetFontName(name);
}

bool LazyPrinterPort::SetFontSize(int points) {
  PrinterPort* port = real();
  return port && port->SetFontSize(points);
}

bool LazyPrinterPort::SupportsOrientation() {
  PrinterPort* port = real();
  return port && port->SupportsOrientation();
}

bool LazyPrinterPort::SetOrientation(int orientation) {
  PrinterPort* port = real();
  return port && port->SetOrientation(orientation);
}

}  // namespace quorvane
