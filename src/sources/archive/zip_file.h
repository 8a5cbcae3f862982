#pragma once
// TZIPFile: lists a ZIP (or JAR, or self-extracting .EXE) from its central directory.
// Handles an archive comment (backward search for the end record), a program put in front
// of the archive without adjusting its offsets, ZIP64 end records and the ZIP64 extra
// field, and the empty archive. A member's time comes from its extended-timestamp or NTFS
// extra field when it has one, else from the DOS fields. Raises eZIPError.
#include "sources/archive/archive_file.h"

namespace quorvane {

class TZIPFile : public TArchiveFile {
 public:
  // strict: the file must begin with a local header signature.
  TZIPFile(const std::string& path, bool strict);
  TZIPFile(std::unique_ptr<ByteSource> source, const std::string& path, bool strict);

  int FindNext(TArchiveItem& item) override;

 protected:
  void ReadSignature() override;

 private:
  bool readEntry(TArchiveItem& item);  // false at the end of the directory
  void readSignatureSteps();

  std::string name_;
  std::string extra_;
};

}  // namespace quorvane
