#include "support/archive_bytes.h"

#include "sources/crc32.h"

namespace quorvane::test {

void putLE16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void putLE32(std::string& out, std::uint32_t value) {
  putLE16(out, value & 0xFFFF);
  putLE16(out, value >> 16);
}
void putLE64(std::string& out, std::uint64_t value) {
  putLE32(out, static_cast<std::uint32_t>(value));
  putLE32(out, static_cast<std::uint32_t>(value >> 32));
}

std::string BuildZip(const std::vector<ZipMember>& members, const ZipLayout& layout) {
  const std::uint64_t base = layout.adjustOffsets ? layout.prefix.size() : 0;
  std::string body;  // the archive without the prefix
  std::vector<std::uint64_t> localOffsets;
  for (const ZipMember& m : members) {
    localOffsets.push_back(body.size());
    putLE32(body, 0x04034B50);
    putLE16(body, 20);
    putLE16(body, m.flags);
    putLE16(body, 0);
    putLE32(body, m.time);
    putLE32(body, m.crc);
    putLE32(body, 0);
    putLE32(body, 0);
    putLE16(body, static_cast<std::uint32_t>(m.name.size()));
    putLE16(body, 0);
    body += m.name;
  }
  const std::uint64_t directoryOffset = body.size();
  for (std::size_t i = 0; i < members.size(); ++i) {
    const ZipMember& m = members[i];
    std::string extra;
    if (m.zip64) {
      putLE16(extra, 0x0001);
      putLE16(extra, 16);
      putLE64(extra, m.size);
      putLE64(extra, 0);
    }
    extra += m.extra;
    putLE32(body, 0x02014B50);
    putLE16(body, m.madeBy);
    putLE16(body, m.zip64 ? 45 : 20);
    putLE16(body, m.flags);
    putLE16(body, 0);
    putLE32(body, m.time);
    putLE32(body, m.crc);
    putLE32(body, m.zip64 ? 0xFFFFFFFF : 0);
    putLE32(body, m.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(m.size));
    putLE16(body, static_cast<std::uint32_t>(m.name.size()));
    putLE16(body, static_cast<std::uint32_t>(extra.size()));
    putLE16(body, 0);
    putLE16(body, 0);
    putLE16(body, 0);
    putLE32(body, m.externalAttributes);
    putLE32(body, static_cast<std::uint32_t>(localOffsets[i] + base));
    body += m.name;
    body += extra;
  }
  const std::uint64_t directorySize = body.size() - directoryOffset;
  if (layout.zip64EndRecord) {
    const std::uint64_t record = body.size();
    putLE32(body, 0x06064B50);
    putLE64(body, 44);
    putLE16(body, 45);
    putLE16(body, 45);
    putLE32(body, 0);
    putLE32(body, 0);
    putLE64(body, members.size());
    putLE64(body, members.size());
    putLE64(body, directorySize);
    putLE64(body, directoryOffset + base);
    putLE32(body, 0x07064B50);
    putLE32(body, 0);
    putLE64(body, record + base);
    putLE32(body, 1);
  }
  const bool sat = layout.saturateEndRecord;
  putLE32(body, 0x06054B50);
  putLE16(body, sat ? 0xFFFF : 0);
  putLE16(body, sat ? 0xFFFF : 0);
  putLE16(body, sat ? 0xFFFF : static_cast<std::uint32_t>(members.size()));
  putLE16(body, sat ? 0xFFFF : static_cast<std::uint32_t>(members.size()));
  putLE32(body, sat ? 0xFFFFFFFF : static_cast<std::uint32_t>(directorySize));
  putLE32(body, sat ? 0xFFFFFFFF : static_cast<std::uint32_t>(directoryOffset + base));
  putLE16(body, static_cast<std::uint32_t>(layout.comment.size()));
  body += layout.comment;
  return layout.prefix + body;
}

std::string RarMarker() { return std::string("Rar!\x1A\x07\x00", 7); }

std::string RarBlock(std::uint8_t type, std::uint16_t flags, const std::string& body, const std::string& data) {
  std::string out;
  putLE16(out, 0);  // header CRC, filled in below
  out.push_back(static_cast<char>(type));
  putLE16(out, flags);
  putLE16(out, static_cast<std::uint32_t>(7 + body.size()));
  out += body;
  // What the CRC covers: an archive header with a comment only its first 13 bytes, a file
  // header with a comment up to the end of its name, an old sub-block also its data.
  std::size_t covered = out.size();
  if (type == 0x73 && (flags & 0x0002)) covered = 13;
  if (type == 0x74 && (flags & 0x0008))
    covered = 32 + (static_cast<unsigned char>(out[26]) | static_cast<unsigned char>(out[27]) << 8) +
              ((flags & 0x0100) ? 8 : 0);
  std::uint32_t crc = Crc32Update(0xFFFFFFFF, out.data() + 2, covered - 2);
  if (type == 0x77) crc = Crc32Update(crc, data.data(), data.size());
  crc ^= 0xFFFFFFFF;
  out[0] = static_cast<char>(crc & 0xFF);
  out[1] = static_cast<char>((crc >> 8) & 0xFF);
  return out + data;
}

std::string BuildRar(const std::vector<RarMember>& members, std::uint16_t archiveFlags, bool endBlock) {
  std::string out = RarMarker() + RarBlock(0x73, archiveFlags, std::string(6, '\0'));
  for (const RarMember& m : members) {
    std::string body;
    putLE32(body, static_cast<std::uint32_t>(m.packedSize));
    putLE32(body, static_cast<std::uint32_t>(m.size));
    body.push_back(static_cast<char>(m.host));
    putLE32(body, m.crc);
    putLE32(body, m.time);
    body.push_back(29);
    body.push_back(0x30);
    putLE16(body, static_cast<std::uint32_t>(m.name.size()));
    putLE32(body, m.attributes);
    if (m.flags & 0x0100) {
      putLE32(body, static_cast<std::uint32_t>(m.packedSize >> 32));
      putLE32(body, static_cast<std::uint32_t>(m.size >> 32));
    }
    body += m.name;
    if (m.flags & 0x0400) body += std::string(8, 'S');
    if (m.flags & 0x1000) body += m.extendedTime;
    out += RarBlock(0x74, m.flags, body);
    out += std::string(static_cast<std::size_t>(m.packedSize), 'P');
  }
  if (endBlock) out += RarBlock(0x7B, 0x4000, "");
  return out;
}

std::string ArjHeader(const std::string& basic, const std::string& extendedHeader) {
  std::string out;
  putLE16(out, 0xEA60);
  putLE16(out, static_cast<std::uint32_t>(basic.size()));
  out += basic;
  putLE32(out, Crc32Update(0xFFFFFFFF, basic.data(), basic.size()) ^ 0xFFFFFFFF);
  if (!extendedHeader.empty()) {
    putLE16(out, static_cast<std::uint32_t>(extendedHeader.size()));
    out += extendedHeader;
    putLE32(out, 0);
  }
  putLE16(out, 0);
  return out;
}

namespace {

std::string arjBasic(std::uint8_t host, std::uint8_t fileType, std::uint32_t time, std::uint32_t compressed,
                     std::uint32_t size, std::uint32_t crc, std::uint16_t mode, const std::string& name) {
  std::string b;
  b.push_back(30);  // first header size
  b.push_back(11);  // archiver version
  b.push_back(1);   // minimum version
  b.push_back(static_cast<char>(host));
  b.push_back(0);   // flags
  b.push_back(0);   // method: stored
  b.push_back(static_cast<char>(fileType));
  b.push_back(0);
  putLE32(b, time);
  putLE32(b, compressed);
  putLE32(b, size);
  putLE32(b, crc);
  putLE16(b, 0);  // file spec position
  putLE16(b, mode);
  putLE16(b, 0);  // host data
  b += name;
  b.push_back('\0');
  b.push_back('\0');  // comment
  return b;
}

}  // namespace

std::string BuildArj(const std::vector<ArjMember>& members, std::uint8_t mainHost) {
  std::string out = ArjHeader(arjBasic(mainHost, 2, 0x586F528F, 0, 0, 0, 0, "test.arj"));
  for (const ArjMember& m : members) {
    out += ArjHeader(arjBasic(m.host, m.fileType, m.time, m.compressedSize, m.size, m.crc, m.mode, m.name),
                     m.extendedHeader);
    out += std::string(m.compressedSize, 'C');
  }
  putLE16(out, 0xEA60);
  putLE16(out, 0);
  return out;
}

}  // namespace quorvane::test
