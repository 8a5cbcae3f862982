#pragma once
// TRARFile: lists a RAR archive of the block format of versions 1.5 to 4.x by walking
// from block header to block header over the packed data. A damaged or truncated block
// ends the listing quietly with the members found so far. Raises eRARError.
#include "sources/archive/archive_file.h"

namespace quorvane {

class TRARFile : public TArchiveFile {
 public:
  // strict: the block after the marker must be the archive header.
  TRARFile(const std::string& path, bool strict);
  TRARFile(std::unique_ptr<ByteSource> source, const std::string& path, bool strict);

  int FindNext(TArchiveItem& item) override;

 protected:
  void ReadSignature() override;

 private:
  enum class Block { File, Other, End };
  Block readBlock(TArchiveItem& item);
  void readSignatureSteps();

  std::string name_;
};

}  // namespace quorvane
