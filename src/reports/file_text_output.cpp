#include "reports/file_text_output.h"

namespace quorvane {

FileTextOutput::FileTextOutput(std::unique_ptr<platform::FileWriter> writer)
    : writer_(writer ? std::move(writer) : std::make_unique<platform::FileWriter>()) {}

FileTextOutput::~FileTextOutput() {
  if (writer_->isOpen()) writer_->close();
}

bool FileTextOutput::Open(const std::string& nativePath, bool append) {
  return writer_->open(nativePath, append ? platform::WriteMode::Append : platform::WriteMode::Create);
}

bool FileTextOutput::WriteLine(const std::vector<TextPart>& parts) {
  line_.clear();
  for (const TextPart& part : parts) line_ += part.text;
  line_ += lineEnd_;
  return writer_->write(line_);
}

bool FileTextOutput::Close() { return writer_->close(); }

std::unique_ptr<FileTextOutput> OpenTextFile(const std::string& nativePath, bool append, std::string* error,
                                             std::string_view lineEnd) {
  auto output = std::make_unique<FileTextOutput>();
  output->SetLineEnd(lineEnd);
  if (!output->Open(nativePath, append)) {
    if (error) *error = output->Error();
    return nullptr;
  }
  return output;
}

}  // namespace quorvane
