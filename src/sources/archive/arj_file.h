#pragma once
// TARJFile: lists an ARJ archive from its main header and the local header of each member,
// skipping over the compressed data. Every basic header's CRC is checked, and compressed
// data running past the end of the file is refused as a cut archive. Archives made on Unix store a Unix time and Unix mode
// bits, which are converted to the DOS forms. Raises eARJError.
#include "sources/archive/archive_file.h"

namespace quorvane {

class TARJFile : public TArchiveFile {
 public:
  TARJFile(const std::string& path, bool strict);
  TARJFile(std::unique_ptr<ByteSource> source, const std::string& path, bool strict);

  int FindNext(TArchiveItem& item) override;

 protected:
  void ReadSignature() override;

 private:
  bool readLocalHeader(TArchiveItem& item);  // false at the end marker
  void readSignatureSteps();
  void skipExtendedHeaders();

  std::string header_;
};

}  // namespace quorvane
