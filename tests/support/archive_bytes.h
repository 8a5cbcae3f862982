#pragma once
// Builders of small archive directories in memory, for the archive reader tests and the
// fuzz seeds. Only the directory structures are written; member data is left out unless
// a test gives it.
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane::test {

void putLE16(std::string& out, std::uint32_t value);
void putLE32(std::string& out, std::uint32_t value);
void putLE64(std::string& out, std::uint64_t value);

struct ZipMember {
  std::string name;
  std::uint64_t size = 0;
  std::uint32_t crc = 0;
  std::uint32_t time = 0x586F528F;  // 2024-03-15 10:20:30
  std::uint16_t madeBy = 0x031E;    // Unix, version 3.0
  std::uint16_t flags = 0;
  std::uint32_t externalAttributes = 0;
  bool zip64 = false;  // 32-bit sizes 0xFFFFFFFF, real values in extra 0x0001
  std::string extra{};  // further extra fields of the central header, as given
};

struct ZipLayout {
  std::string prefix;        // bytes put in front (a self-extractor's program)
  bool adjustOffsets = false;  // offsets count the prefix (zip -A)
  std::string comment;
  bool zip64EndRecord = false;  // ZIP64 end record and locator before the end record
  bool saturateEndRecord = false;  // end record fields 0xFFFF / 0xFFFFFFFF

  ZipLayout& withPrefix(std::string bytes, bool adjust = false) {
    prefix = std::move(bytes);
    adjustOffsets = adjust;
    return *this;
  }
  ZipLayout& withComment(std::string text) {
    comment = std::move(text);
    return *this;
  }
  ZipLayout& withZip64End(bool saturate = false) {
    zip64EndRecord = true;
    saturateEndRecord = saturate;
    return *this;
  }
};

std::string BuildZip(const std::vector<ZipMember>& members, const ZipLayout& layout = {});

struct RarMember {
  std::string name;  // stored bytes ("\" separators), may hold NUL + encoded Unicode
  std::uint64_t size = 0;
  std::uint64_t packedSize = 0;  // that many filler bytes follow the header
  std::uint32_t crc = 0;
  std::uint32_t time = 0x586F528F;
  std::uint8_t host = 2;  // Windows
  std::uint32_t attributes = 0x20;
  std::uint16_t flags = 0x8000;  // 0x0100 high sizes, 0x0200 Unicode, 0x0400 salt, 0x1000 ext time added as given
  std::string extendedTime{};    // raw extended-time bytes when flag 0x1000
};

std::string RarMarker();
// Marker, archive header (flags), the file blocks, and an end block when endBlock.
std::string BuildRar(const std::vector<RarMember>& members, std::uint16_t archiveFlags = 0, bool endBlock = true);
// One raw block: 7-byte header with the given type, flags and body (size counted), its
// header CRC as the format defines it, then data (added size, packed data; an old
// sub-block's CRC covers it too).
std::string RarBlock(std::uint8_t type, std::uint16_t flags, const std::string& body, const std::string& data = "");

struct ArjMember {
  std::string name;
  std::uint32_t size = 0;
  std::uint32_t compressedSize = 0;  // that many filler bytes follow
  std::uint32_t crc = 0;
  std::uint32_t time = 0x586F528F;
  std::uint8_t host = 0;  // MS-DOS; 2 = Unix (time_t and Unix mode)
  std::uint16_t mode = 0x20;
  std::uint8_t fileType = 0;
  std::string extendedHeader{};  // one extended header when not empty
};

std::string ArjHeader(const std::string& basic, const std::string& extendedHeader = "");
std::string BuildArj(const std::vector<ArjMember>& members, std::uint8_t mainHost = 0);

}  // namespace quorvane::test
