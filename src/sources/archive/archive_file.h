#pragma once
// TArchiveFile: the common part of the archive directory readers (TZIPFile, TRARFile,
// TARJFile). A reader is created on an open archive, checks its signature at once and then
// lists the members matching a name mask and an attribute mask with FindFirst/FindNext.
// Nothing is ever decompressed. Every failure is raised as an eArchiveError subclass.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/file_mask.h"
#include "sources/archive/archive_errors.h"
#include "sources/archive/archive_item.h"
#include "sources/archive/byte_cursor.h"
#include "sources/archive/byte_source.h"

namespace quorvane {

class TArchiveFile {
 public:
  virtual ~TArchiveFile() = default;
  TArchiveFile(const TArchiveFile&) = delete;
  TArchiveFile& operator=(const TArchiveFile&) = delete;

  // Starts a listing from the first member: attributes 0 stands for 0xE7 (all but
  // directory and volume label), an empty mask for "*.*". Returns the index of the first
  // matching member, or -1.
  int FindFirst(std::string_view mask, std::uint8_t attributes, TArchiveItem& item);
  // The next matching member's index, or -1 at the end of the directory.
  virtual int FindNext(TArchiveItem& item) = 0;

  std::uint64_t Size() const { return cursor_.Size(); }
  std::uint64_t Position() const { return cursor_.Position(); }
  const std::string& Path() const { return path_; }

  // Names of this many bytes or more are refused.
  static constexpr std::size_t kMaxNameLength = 2048;

 protected:
  // path: the archive's name as messages show it.
  TArchiveFile(std::unique_ptr<ByteSource> source, std::string path, bool strict);

  // Called by each reader's constructor: the size check, then ReadSignature. Any error
  // outside the eArchiveError family becomes eArchiveError "Error reading archive".
  void Open();
  virtual void ReadSignature() = 0;

  // Where the first member's header begins; each reader records it in ReadSignature.
  void SetDirectoryStart(std::uint64_t position) { directoryStart_ = position; }

  // Trailing blanks and dots removed, OEM text converted when oem is set, "/" -> "\",
  // leading separators dropped (held paths are relative).
  static void NormaliseName(std::string_view raw, bool oem, std::string& out);
  // Not empty, no attribute bit outside the mask, and the name matches the mask.
  bool Matches(const TArchiveItem& item) const;

  ByteCursor& Stream() { return cursor_; }
  bool Strict() const { return strict_; }

  int index_ = -1;
  bool ended_ = false;  // the end of the directory was met: every further call gives -1

 private:
  std::unique_ptr<ByteSource> source_;
  ByteCursor cursor_;
  std::string path_;
  bool strict_;
  TWild nameMask_;
  std::uint8_t attributeMask_ = 0xE7;
  std::uint64_t directoryStart_ = 0;
};

// A byte source on the archive file at path: eArchiveFileNotFound "Archive file not
// found" when no such file exists, eArchiveOpen "Error opening archive file" when it
// cannot be opened for reading.
std::unique_ptr<ByteSource> OpenArchiveSource(const std::string& path);

}  // namespace quorvane
