#include "sources/archive/arj_file.h"

#include "platform/dos_time.h"
#include "sources/archive/unix_attributes.h"
#include "sources/crc32.h"

namespace quorvane {

namespace {

constexpr std::uint16_t kHeaderId = 0xEA60;
constexpr std::uint16_t kMaxBasicHeaderSize = 2600;
constexpr std::size_t kFixedFieldsSize = 28;  // up to and including the access mode
constexpr std::uint8_t kHostUnix = 2;

}  // namespace

TARJFile::TARJFile(const std::string& path, bool strict) : TARJFile(OpenArchiveSource(path), path, strict) {}

TARJFile::TARJFile(std::unique_ptr<ByteSource> source, const std::string& path, bool strict)
    : TArchiveFile(std::move(source), path, strict) {
  Open();
}

void TARJFile::ReadSignature() {
  try {
    readSignatureSteps();
  } catch (const eARJError&) {
    throw;
  } catch (const std::exception&) {
    throw eARJError("Error reading ARJ archive header");
  }
}

void TARJFile::readSignatureSteps() {
  ByteCursor& s = Stream();
  if (s.Size() < 4) throw eARJError("ARJ too small to contain any Signature");
  s.Seek(0);
  if (s.U16() != kHeaderId) throw eARJError("ARJ header not found in: \r" + Path());
  const std::uint16_t size = s.U16();
  if (size > kMaxBasicHeaderSize) throw eARJError("ARJ basic header size should be < 2600 bytes in:\r" + Path());
  s.ReadString(header_, size);
  const std::uint32_t crc = s.U32();
  if ((Crc32Update(0xFFFFFFFF, header_.data(), header_.size()) ^ 0xFFFFFFFF) != crc)
    throw eARJError("ARJ header incorrect CRC in:\r" + Path());
  skipExtendedHeaders();
  SetDirectoryStart(s.Position());
}

// Extended headers follow a basic header until one of size 0; each is followed by its CRC.
void TARJFile::skipExtendedHeaders() {
  ByteCursor& s = Stream();
  for (std::uint16_t size = s.U16(); size != 0; size = s.U16()) s.Skip(std::uint64_t{size} + 4);
}

int TARJFile::FindNext(TArchiveItem& item) {
  if (ended_) return -1;
  try {
    while (readLocalHeader(item)) {
      ++index_;
      if (Matches(item)) return index_;
    }
  } catch (const eARJError&) {
    ended_ = true;
    throw;
  } catch (const std::exception&) {
    ended_ = true;
    throw eARJError("Error reading ARJ archive");
  }
  ended_ = true;
  return -1;
}

bool TARJFile::readLocalHeader(TArchiveItem& item) {
  ByteCursor& s = Stream();
  if (s.U16() != kHeaderId) throw eARJError("ARJ file header incorrect in: \r" + Path());
  const std::uint16_t size = s.U16();
  if (size > kMaxBasicHeaderSize) throw eARJError("ARJ basic header size should be < 2600 bytes in:\r" + Path());
  if (size == 0) return false;
  s.ReadString(header_, size);
  if ((Crc32Update(0xFFFFFFFF, header_.data(), header_.size()) ^ 0xFFFFFFFF) != s.U32())
    throw eARJError("ARJ header incorrect CRC in:\r" + Path());
  const auto* h = reinterpret_cast<const unsigned char*>(header_.data());
  const std::size_t nameStart = h[0];
  if (size < kFixedFieldsSize || nameStart > size) throw eARJError("ARJ file header incorrect in: \r" + Path());

  std::size_t nameEnd = header_.find('\0', nameStart);
  if (nameEnd == std::string::npos) nameEnd = header_.size();
  if (nameEnd - nameStart >= kMaxNameLength) throw eARJError("File name of 2048 bytes or more in : \r" + Path());
  NormaliseName(std::string_view(header_).substr(nameStart, nameEnd - nameStart), true, item.Name);

  const std::uint32_t stamp = LE32(h + 8);
  const std::uint32_t mode = LE16(h + 26);
  if (h[3] == kHostUnix) {
    item.Time = platform::dosTimeFromUnix(stamp);
    item.Attr = DosAttributesOfUnixMode(mode);
  } else {
    item.Time = stamp;
    item.Attr = static_cast<std::uint8_t>(mode);
  }
  const std::uint32_t compressed = LE32(h + 12);
  item.Size = LE32(h + 16);
  item.CRC = LE32(h + 20);

  skipExtendedHeaders();
  // Compressed data running past the end of the file: the archive was cut short.
  if (s.Position() > s.Size() || s.Size() - s.Position() < compressed) throw eARJError("Error reading ARJ archive");
  s.Skip(compressed);
  return true;
}

}  // namespace quorvane
