#pragma once
// A print job as a text output: each line drawn below the last, each part in the printer
// font with its style (bold, italic, underline, strikeout), a new page when the next line
// does not fit. Closing ends the job.
#include <QFont>
#include <QPainter>
#include <memory>

#include "platform/text_device.h"

class QPrinter;

namespace quorvane::printing {

class PrinterTextOutput : public TextOutput {
 public:
  // Starts the job on the printer; Started() says whether it did.
  PrinterTextOutput(std::unique_ptr<QPrinter> printer, const QFont& font);
  ~PrinterTextOutput() override;

  bool Started() const { return started_; }

  using TextOutput::WriteLine;
  bool WriteLine(const std::vector<TextPart>& parts) override;
  bool Close() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  QFont font_;
  qreal lineHeight_ = 0;
  qreal ascent_ = 0;
  qreal y_ = 0;
  bool started_ = false;
  bool failed_ = false;
};

}  // namespace quorvane::printing
