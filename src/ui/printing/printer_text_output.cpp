#include "ui/printing/printer_text_output.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace quorvane::printing {

namespace {

QFont styled(QFont font, std::uint8_t style) {
  font.setBold(style & tsBold);
  font.setItalic(style & tsItalic);
  font.setUnderline(style & tsUnderline);
  font.setStrikeOut(style & tsStrikeOut);
  return font;
}

}  // namespace

PrinterTextOutput::PrinterTextOutput(std::unique_ptr<QPrinter> printer, const QFont& font)
    : printer_(std::move(printer)), font_(font) {
  started_ = painter_.begin(printer_.get());
  if (!started_) return;
  const QFontMetricsF metrics(font_, printer_.get());
  lineHeight_ = metrics.lineSpacing();
  ascent_ = metrics.ascent();
}

PrinterTextOutput::~PrinterTextOutput() {
  if (painter_.isActive()) painter_.end();
}

bool PrinterTextOutput::WriteLine(const std::vector<TextPart>& parts) {
  if (!painter_.isActive() || failed_) return false;
  // A line taller than a page is drawn alone on its page rather than never.
  if (y_ > 0 && y_ + lineHeight_ > printer_->height()) {
    if (!printer_->newPage()) {
      failed_ = true;
      return false;
    }
    y_ = 0;
  }
  qreal x = 0;
  for (const TextPart& part : parts) {
    if (part.text.empty()) continue;
    const QFont font = styled(font_, part.style);
    const QString text = QString::fromUtf8(part.text.data(), static_cast<qsizetype>(part.text.size()));
    painter_.setFont(font);
    painter_.drawText(QPointF(x, y_ + ascent_), text);
    x += QFontMetricsF(font, printer_.get()).horizontalAdvance(text);
  }
  y_ += lineHeight_;
  return true;
}

bool PrinterTextOutput::Close() {
  if (!painter_.isActive()) return false;
  return painter_.end() && !failed_;
}

}  // namespace quorvane::printing
