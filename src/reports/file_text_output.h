#pragma once
// A text file as a text output: the parts of a line are written one after the other,
// styles ignored, and every line ends with CR LF. A failed write (full disk) is reported
// by WriteLine and Close, never dropped.
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_writer.h"
#include "platform/text_device.h"

namespace quorvane {

class FileTextOutput : public TextOutput {
 public:
  // The writer may be replaced by tests; by default a platform::FileWriter.
  explicit FileTextOutput(std::unique_ptr<platform::FileWriter> writer = nullptr);
  // What ends each line: CR LF unless set otherwise (the CSV, JSON and HTML reports: LF).
  void SetLineEnd(std::string_view end) { lineEnd_ = end; }
  ~FileTextOutput() override;

  // Creates the file (emptying an existing one) or opens it for appending. False when it
  // cannot be opened; Error() says why.
  bool Open(const std::string& nativePath, bool append);

  using TextOutput::WriteLine;
  bool WriteLine(const std::vector<TextPart>& parts) override;
  bool Close() override;

  // The system's reason for the first failure, empty when there was none.
  const std::string& Error() const { return writer_->error(); }
  std::string FailureReason() const override { return writer_->error(); }

 private:
  std::unique_ptr<platform::FileWriter> writer_;
  std::string line_;
  std::string lineEnd_ = "\r\n";
};

// Opens a text file as an output; nullptr when it cannot be opened (*error says why).
// lineEnd ends every line.
std::unique_ptr<FileTextOutput> OpenTextFile(const std::string& nativePath, bool append, std::string* error = nullptr,
                                             std::string_view lineEnd = "\r\n");

}  // namespace quorvane
