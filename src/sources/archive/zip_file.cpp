#include "sources/archive/zip_file.h"

#include <algorithm>
#include <vector>

#include "platform/dos_time.h"
#include "sources/archive/zip_extra_field.h"

namespace quorvane {

namespace {

constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr std::uint32_t kEndSignature = 0x06054B50;
constexpr std::uint32_t kZip64EndSignature = 0x06064B50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064B50;
constexpr std::uint32_t kDigitalSignatureSignature = 0x05054B50;
constexpr std::uint64_t kSearchWindow = 32768;
constexpr std::uint32_t kEndRecordSize = 22;
constexpr std::uint32_t kZip64LocatorSize = 20;
constexpr std::uint32_t kZip64EndSize = 56;  // without its extensible data
constexpr std::uint16_t kUtf8NameFlag = 0x0800;

// The records that may follow the last central header: each ends the listing.
bool endsDirectory(std::uint32_t signature) {
  return signature == kEndSignature || signature == kZip64EndSignature || signature == kZip64LocatorSignature ||
         signature == kDigitalSignatureSignature;
}

// The four bytes at offset, or 0 when they lie beyond the end.
std::uint32_t signatureAt(const ByteCursor& cursor, std::uint64_t offset) {
  unsigned char b[4];
  if (cursor.ReadSomeAt(offset, b, 4) != 4) return 0;
  return LE32(b);
}

}  // namespace

TZIPFile::TZIPFile(const std::string& path, bool strict) : TZIPFile(OpenArchiveSource(path), path, strict) {}

TZIPFile::TZIPFile(std::unique_ptr<ByteSource> source, const std::string& path, bool strict)
    : TArchiveFile(std::move(source), path, strict) {
  Open();
}

void TZIPFile::ReadSignature() {
  try {
    readSignatureSteps();
  } catch (const eZIPError&) {
    throw;
  } catch (const std::exception&) {
    throw eZIPError("Error reading ZIP archive");
  }
}

void TZIPFile::readSignatureSteps() {
  ByteCursor& s = Stream();
  const std::uint64_t size = s.Size();
  if (size < kEndRecordSize) throw eZIPError("ZIP too small to contain EndOfCentralDirRecord");

  s.Seek(0);
  if (Strict() && s.U32() != kLocalHeaderSignature) throw eZIPError("ZIP signature not found in : \r" + Path());

  // The end record: at size - 22 unless the archive has a comment.
  std::uint64_t endPosition = size - kEndRecordSize;
  if (signatureAt(s, endPosition) != kEndSignature) {
    const std::uint64_t windowSize = std::min(size, kSearchWindow);
    const std::uint64_t windowStart = size - windowSize;
    std::vector<unsigned char> window(windowSize);
    const std::size_t got = s.ReadSomeAt(windowStart, window.data(), window.size());
    bool found = false;
    if (got >= 4) {
      for (std::size_t i = got - 4 + 1; i-- > 0;) {
        if (LE32(window.data() + i) == kEndSignature) {
          endPosition = windowStart + i;
          found = true;
          break;
        }
      }
    }
    if (!found) throw eZIPError("End_central_dir_signature not found at end of archive");
  }

  s.Seek(endPosition + 4);
  unsigned char end[18];
  s.Read(end, sizeof end);
  if (LE16(end) != LE16(end + 2)) throw eZIPError("This ZIP disk is not the one with central dir inside");
  std::uint64_t directorySize = LE32(end + 8);
  std::uint64_t directoryOffset = LE32(end + 12);

  // A ZIP64 end record (found through its locator just before the end record) sits between
  // the central directory and the end record, and holds the real values where the end
  // record's fields are saturated.
  std::uint64_t directoryEnd = endPosition;
  if (endPosition >= kZip64LocatorSize && signatureAt(s, endPosition - kZip64LocatorSize) == kZip64LocatorSignature) {
    const std::uint64_t locator = endPosition - kZip64LocatorSize;
    unsigned char loc[kZip64LocatorSize];
    if (s.ReadSomeAt(locator, loc, sizeof loc) == sizeof loc) {
      std::uint64_t record = LE64(loc + 8);
      // With a program in front the recorded offset is short by the program's length.
      if (signatureAt(s, record) != kZip64EndSignature && locator >= kZip64EndSize) record = locator - kZip64EndSize;
      unsigned char rec[kZip64EndSize];
      if (record < locator && signatureAt(s, record) == kZip64EndSignature &&
          s.ReadSomeAt(record, rec, sizeof rec) == sizeof rec) {
        directoryEnd = record;
        if (directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF || LE16(end + 6) == 0xFFFF) {
          directorySize = LE64(rec + 40);
          directoryOffset = LE64(rec + 48);
        }
      }
    }
  }

  // Where the listing may start: a central header, or for an empty directory the record
  // that follows it.
  auto startsDirectory = [&](std::uint64_t offset) {
    const std::uint32_t sig = signatureAt(s, offset);
    return sig == kCentralHeaderSignature || (directorySize == 0 && endsDirectory(sig));
  };
  std::uint64_t start = directoryOffset;
  if (!startsDirectory(directoryOffset)) {
    // Something was put in front of the archive: the directory ends where the end records begin.
    if (directorySize > directoryEnd) throw eZIPError("Can't find central file header in ZIP");
    start = directoryEnd - directorySize;
    if (!startsDirectory(start)) throw eZIPError("Can't find central file header in ZIP");
  }
  s.Seek(start);
  SetDirectoryStart(start);
}

int TZIPFile::FindNext(TArchiveItem& item) {
  if (ended_) return -1;
  try {
    while (readEntry(item)) {
      ++index_;
      if (Matches(item)) return index_;
    }
  } catch (const eZIPError&) {
    ended_ = true;
    throw;
  } catch (const std::exception&) {
    ended_ = true;
    throw eZIPError("Error reading ZIP archive");
  }
  ended_ = true;
  return -1;
}

bool TZIPFile::readEntry(TArchiveItem& item) {
  ByteCursor& s = Stream();
  unsigned char h[46];
  s.Read(h, 4);
  const std::uint32_t signature = LE32(h);
  if (endsDirectory(signature)) return false;
  if (signature != kCentralHeaderSignature)
    throw eZIPError("Error in ZIP file, Central_file_header_signature was expected");
  s.Read(h + 4, 42);
  const std::uint16_t madeBy = LE16(h + 4);
  const std::uint16_t flags = LE16(h + 8);
  const std::uint32_t size32 = LE32(h + 24);
  const std::uint16_t nameLength = LE16(h + 28);
  const std::uint16_t extraLength = LE16(h + 30);
  const std::uint16_t commentLength = LE16(h + 32);
  if (nameLength >= kMaxNameLength) throw eZIPError("File name of 2048 bytes or more in : \r" + Path());

  s.ReadString(name_, nameLength);
  s.ReadString(extra_, extraLength);
  s.Skip(commentLength);
  std::uint64_t size = size32;
  if (size32 == 0xFFFFFFFF) size = Zip64UncompressedSize(extra_).value_or(size32);

  const bool oem = madeBy < 256 && (flags & kUtf8NameFlag) == 0;
  NormaliseName(name_, oem, item.Name);
  item.Attr = h[38];
  // The DOS fields hold odd seconds rounded up by some writers (Info-ZIP); an extended or
  // NTFS time is packed the way a file on disk is, so a tree and its own archive agree.
  const std::optional<std::int64_t> modified = ZipExtraFieldModificationTime(extra_);
  item.Time = modified ? platform::dosTimeFromUnix(*modified) : LE32(h + 12);
  item.CRC = LE32(h + 16);
  item.Size = size;
  return true;
}

}  // namespace quorvane
