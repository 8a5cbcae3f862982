#include "sources/archive/rar_file.h"

#include <cstring>
#include <limits>

#include "sources/archive/rar_unicode_name.h"
#include "sources/archive/unix_attributes.h"

namespace quorvane {

namespace {

constexpr unsigned char kMarker[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr std::uint8_t kArchiveHeader = 0x73;
constexpr std::uint8_t kFileBlock = 0x74;
constexpr std::uint8_t kEndBlock = 0x7B;
constexpr std::uint16_t kArchiveEncryptedHeaders = 0x0080;
constexpr std::uint16_t kFileHighSizes = 0x0100;
constexpr std::uint16_t kFileUnicodeName = 0x0200;
constexpr std::uint16_t kAddedSize = 0x8000;
constexpr std::uint8_t kHostUnix = 3;
constexpr std::uint16_t kHeaderSize = 7;
constexpr std::uint16_t kFileFieldsSize = 25;
constexpr std::uint16_t kArchiveHeaderSize = 13;  // 7 plus 6 reserved bytes

std::uint64_t addSaturated(std::uint64_t a, std::uint64_t b) {
  return b > std::numeric_limits<std::uint64_t>::max() - a ? std::numeric_limits<std::uint64_t>::max() : a + b;
}

}  // namespace

TRARFile::TRARFile(const std::string& path, bool strict) : TRARFile(OpenArchiveSource(path), path, strict) {}

TRARFile::TRARFile(std::unique_ptr<ByteSource> source, const std::string& path, bool strict)
    : TArchiveFile(std::move(source), path, strict) {
  Open();
}

void TRARFile::ReadSignature() {
  try {
    readSignatureSteps();
  } catch (const eRARError&) {
    throw;
  } catch (const std::exception&) {
    throw eRARError("Error reading RAR archive");
  }
}

void TRARFile::readSignatureSteps() {
  ByteCursor& s = Stream();
  if (s.Size() < 4) throw eRARError("RAR too small to contain any Signature");
  s.Seek(0);
  unsigned char marker[7];
  s.Read(marker, sizeof marker);
  if (std::memcmp(marker, kMarker, sizeof marker) != 0) throw eRARError("RAR Marker block not found in : \r" + Path());

  unsigned char h[kHeaderSize];
  s.Read(h, sizeof h);
  const std::uint8_t type = h[2];
  const std::uint16_t flags = LE16(h + 3);
  const std::uint16_t size = LE16(h + 5);
  if (Strict() && type != kArchiveHeader) throw eRARError("RAR archive header not found in : \r" + Path());
  // Nothing after an archive header with this flag can be read without the password.
  if (type == kArchiveHeader && (flags & kArchiveEncryptedHeaders))
    throw eRARError("RAR archive with encrypted headers cannot be listed : \r" + Path());
  // The archive header may hold an archive comment (RAR 1.5 to 2.x): its size counts.
  const std::uint64_t first = sizeof kMarker + (size > kArchiveHeaderSize ? size : kArchiveHeaderSize);
  s.Seek(first);
  SetDirectoryStart(first);
}

int TRARFile::FindNext(TArchiveItem& item) {
  if (ended_) return -1;
  try {
    for (;;) {
      const Block block = readBlock(item);
      if (block == Block::End) break;
      if (block == Block::File) {
        ++index_;
        if (Matches(item)) return index_;
      }
    }
  } catch (const eRARError&) {
    ended_ = true;
    throw;
  } catch (const std::exception&) {
    // A damaged block, or the end of a file without an end block: the listing ends here.
  }
  ended_ = true;
  return -1;
}

TRARFile::Block TRARFile::readBlock(TArchiveItem& item) {
  ByteCursor& s = Stream();
  const std::uint64_t start = s.Position();
  unsigned char h[kHeaderSize];
  s.Read(h, sizeof h);
  const std::uint8_t type = h[2];
  const std::uint16_t flags = LE16(h + 3);
  const std::uint16_t headerSize = LE16(h + 5);
  if (headerSize < kHeaderSize) throw ShortRead();  // "RAR Block Header incorrect": ends quietly
  if (type == kEndBlock) return Block::End;

  if (type != kFileBlock) {
    const std::uint64_t added = (flags & kAddedSize) ? s.U32() : 0;
    s.Seek(addSaturated(start + headerSize, added));
    return Block::Other;
  }

  unsigned char f[kFileFieldsSize];
  s.Read(f, sizeof f);
  std::uint64_t packed = LE32(f);
  std::uint64_t unpacked = LE32(f + 4);
  const std::uint8_t host = f[8];
  const std::uint16_t nameSize = LE16(f + 19);
  const std::uint32_t attributes = LE32(f + 21);
  std::uint32_t fieldsEnd = kHeaderSize + kFileFieldsSize + nameSize;
  if (flags & kFileHighSizes) {
    packed |= static_cast<std::uint64_t>(s.U32()) << 32;
    unpacked |= static_cast<std::uint64_t>(s.U32()) << 32;
    fieldsEnd += 8;
  }
  if (fieldsEnd > headerSize) throw ShortRead();  // the fields overrun their header: damaged
  if (nameSize >= kMaxNameLength) throw eRARError("File name of 2048 bytes or more in : \r" + Path());
  s.ReadString(name_, nameSize);

  if (flags & kFileUnicodeName)
    NormaliseName(DecodeRarUnicodeName(name_), false, item.Name);
  else
    NormaliseName(name_, true, item.Name);
  item.Attr = host == kHostUnix ? DosAttributesOfUnixMode(attributes) : static_cast<std::uint8_t>(attributes);
  item.Size = unpacked;
  item.CRC = LE32(f + 9);
  item.Time = LE32(f + 13);
  // The salt, the extended time and an embedded comment all lie inside the header size.
  s.Seek(addSaturated(start + headerSize, packed));
  return Block::File;
}

}  // namespace quorvane
