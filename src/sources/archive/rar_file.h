#pragma once
// TRARFile: lists a RAR archive of the block format of versions 1.5 to 4.x by walking
// from block header to block header over the packed data. Every block header's CRC is
// checked; a mismatch, or a header or packed data running past the end of the file, raises
// eRARError "Error in RAR file, archive damaged or truncated". The file may end cleanly
// between two blocks (archives without an end block). Raises eRARError.
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
  // Reads the block header at the position into header_ and checks its CRC; false when
  // the file ends exactly there.
  bool readHeader();
  // The size of the data after the header (flag 0x8000), 0 without it.
  std::uint64_t addedSize() const;
  // crc continued over length bytes of the file at offset, which must all be there.
  std::uint32_t crcOfData(std::uint32_t crc, std::uint64_t offset, std::uint64_t length);
  void seekNextBlock(std::uint64_t next);

  std::string header_;
  std::string name_;
};

}  // namespace quorvane
