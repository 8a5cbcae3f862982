#include "sources/archive/rar_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "sources/archive/rar_unicode_name.h"
#include "sources/archive/unix_attributes.h"
#include "sources/crc32.h"

namespace quorvane {

namespace {

constexpr unsigned char kMarker[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr std::uint8_t kArchiveHeader = 0x73;
constexpr std::uint8_t kFileBlock = 0x74;
constexpr std::uint8_t kAuthenticityBlock = 0x76;
constexpr std::uint8_t kOldSubBlock = 0x77;
constexpr std::uint8_t kSignatureBlock = 0x79;
constexpr std::uint8_t kEndBlock = 0x7B;
constexpr std::uint16_t kArchiveComment = 0x0002;
constexpr std::uint16_t kArchiveEncryptedHeaders = 0x0080;
constexpr std::uint16_t kFileComment = 0x0008;
constexpr std::uint16_t kFileHighSizes = 0x0100;
constexpr std::uint16_t kFileUnicodeName = 0x0200;
constexpr std::uint16_t kAddedSize = 0x8000;
constexpr std::uint8_t kHostUnix = 3;
constexpr std::uint16_t kHeaderSize = 7;
constexpr std::uint16_t kFileFieldsSize = 25;
constexpr std::uint16_t kArchiveHeaderSize = 13;  // 7 plus 6 reserved bytes
constexpr const char* kDamaged = "Error in RAR file, archive damaged or truncated";

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
  } catch (const ShortRead&) {
    throw eRARError(kDamaged);
  } catch (const std::exception&) {
    throw eRARError("Error reading RAR archive");
  }
}

void TRARFile::readSignatureSteps() {
  ByteCursor& s = Stream();
  if (s.Size() < 4) throw eRARError("RAR too small to contain any Signature");
  s.Seek(0);
  unsigned char marker[7];
  if (s.ReadSomeAt(0, marker, sizeof marker) != sizeof marker || std::memcmp(marker, kMarker, sizeof marker) != 0)
    throw eRARError("RAR Marker block not found in : \r" + Path());
  s.Seek(sizeof marker);

  if (!readHeader()) throw eRARError(kDamaged);  // nothing after the marker
  const auto* h = reinterpret_cast<const unsigned char*>(header_.data());
  const std::uint8_t type = h[2];
  const std::uint16_t flags = LE16(h + 3);
  if (Strict() && type != kArchiveHeader) throw eRARError("RAR archive header not found in : \r" + Path());
  // Nothing after an archive header with this flag can be read without the password.
  if (type == kArchiveHeader && (flags & kArchiveEncryptedHeaders))
    throw eRARError("RAR archive with encrypted headers cannot be listed : \r" + Path());
  // The archive header may hold an archive comment (RAR 1.5 to 2.x): its size counts.
  const std::uint64_t first = sizeof kMarker + std::max<std::size_t>(header_.size(), kArchiveHeaderSize);
  s.Seek(first);
  SetDirectoryStart(first);
}

bool TRARFile::readHeader() {
  ByteCursor& s = Stream();
  const std::uint64_t start = s.Position();
  if (start == s.Size()) return false;
  unsigned char h[kHeaderSize];
  s.Read(h, sizeof h);
  const std::uint16_t headerSize = LE16(h + 5);
  if (headerSize < kHeaderSize) throw eRARError(kDamaged);
  header_.assign(reinterpret_cast<const char*>(h), sizeof h);
  header_.resize(headerSize);
  s.Read(header_.data() + kHeaderSize, headerSize - kHeaderSize);

  const std::uint8_t type = h[2];
  const std::uint16_t flags = LE16(h + 3);
  // The part of the header its CRC covers, as each writer of the format computes it.
  std::size_t covered = headerSize;
  if (type == kArchiveHeader && (flags & kArchiveComment)) {
    covered = std::min<std::size_t>(headerSize, kArchiveHeaderSize);  // the comment block has its own CRC
  } else if (type == kFileBlock && (flags & kFileComment) && headerSize >= kHeaderSize + kFileFieldsSize) {
    const auto* f = reinterpret_cast<const unsigned char*>(header_.data()) + kHeaderSize;
    covered = kHeaderSize + kFileFieldsSize + LE16(f + 19) + ((flags & kFileHighSizes) ? 8 : 0);
    if (covered > headerSize) throw eRARError(kDamaged);
  }
  // Authenticity and signature blocks of old versions carry no usable header CRC.
  if (type == kAuthenticityBlock || type == kSignatureBlock) return true;
  std::uint32_t crc = Crc32Update(0xFFFFFFFF, header_.data() + 2, covered - 2);
  if (type == kOldSubBlock) crc = crcOfData(crc, start + headerSize, addedSize());
  if (static_cast<std::uint16_t>(crc ^ 0xFFFFFFFF) != LE16(h)) throw eRARError(kDamaged);
  return true;
}

std::uint64_t TRARFile::addedSize() const {
  const auto* h = reinterpret_cast<const unsigned char*>(header_.data());
  if ((LE16(h + 3) & kAddedSize) == 0) return 0;
  if (header_.size() < kHeaderSize + 4) throw eRARError(kDamaged);
  return LE32(h + kHeaderSize);
}

std::uint32_t TRARFile::crcOfData(std::uint32_t crc, std::uint64_t offset, std::uint64_t length) {
  const ByteCursor& s = Stream();
  if (offset > s.Size() || s.Size() - offset < length) throw eRARError(kDamaged);
  unsigned char buffer[4096];
  while (length > 0) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(length, sizeof buffer));
    if (s.ReadSomeAt(offset, buffer, want) != want) throw eRARError(kDamaged);
    crc = Crc32Update(crc, buffer, want);
    offset += want;
    length -= want;
  }
  return crc;
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
  } catch (const ShortRead&) {
    ended_ = true;
    throw eRARError(kDamaged);
  } catch (const std::exception&) {
    ended_ = true;
    throw eRARError("Error reading RAR archive");
  }
  ended_ = true;
  return -1;
}

// Moves to the next block, which must begin within the file (or exactly at its end).
void TRARFile::seekNextBlock(std::uint64_t next) {
  ByteCursor& s = Stream();
  if (next > s.Size()) throw eRARError(kDamaged);
  s.Seek(next);
}

TRARFile::Block TRARFile::readBlock(TArchiveItem& item) {
  ByteCursor& s = Stream();
  const std::uint64_t start = s.Position();
  // A clean end of the file between two blocks ends an archive without an end block.
  if (!readHeader()) return Block::End;
  const auto* h = reinterpret_cast<const unsigned char*>(header_.data());
  const std::uint8_t type = h[2];
  const std::uint16_t flags = LE16(h + 3);
  const std::uint64_t headerEnd = start + header_.size();
  if (type == kEndBlock) return Block::End;

  if (type != kFileBlock) {
    seekNextBlock(addSaturated(headerEnd, addedSize()));
    return Block::Other;
  }

  if (header_.size() < kHeaderSize + kFileFieldsSize) throw eRARError(kDamaged);
  const unsigned char* f = h + kHeaderSize;
  std::uint64_t packed = LE32(f);
  std::uint64_t unpacked = LE32(f + 4);
  const std::uint8_t host = f[8];
  const std::uint16_t nameSize = LE16(f + 19);
  const std::uint32_t attributes = LE32(f + 21);
  std::size_t nameStart = kHeaderSize + kFileFieldsSize;
  if (flags & kFileHighSizes) {
    if (header_.size() < nameStart + 8) throw eRARError(kDamaged);
    packed |= static_cast<std::uint64_t>(LE32(h + nameStart)) << 32;
    unpacked |= static_cast<std::uint64_t>(LE32(h + nameStart + 4)) << 32;
    nameStart += 8;
  }
  if (nameStart + nameSize > header_.size()) throw eRARError(kDamaged);  // the name overruns its header
  if (nameSize >= kMaxNameLength) throw eRARError("File name of 2048 bytes or more in : \r" + Path());
  name_.assign(header_, nameStart, nameSize);

  if (flags & kFileUnicodeName)
    NormaliseName(DecodeRarUnicodeName(name_), false, item.Name);
  else
    NormaliseName(name_, true, item.Name);
  item.Attr = host == kHostUnix ? DosAttributesOfUnixMode(attributes) : static_cast<std::uint8_t>(attributes);
  item.Size = unpacked;
  item.CRC = LE32(f + 9);
  item.Time = LE32(f + 13);
  // The salt, the extended time and an embedded comment all lie inside the header size.
  seekNextBlock(addSaturated(headerEnd, packed));
  return Block::File;
}

}  // namespace quorvane
