#include "reports/report_entry_facts.h"

#include <cstdio>

#include "engine/value_text.h"

namespace quorvane {

std::string_view StatusWord(std::uint16_t shown, bool quick) {
  if (shown & stCrcDiffers) return "CRC differs";
  if (shown & stInserted) return "Inserted";
  if (shown & stDeleted) return "Deleted";
  if (quick && (shown & (stNewer | stOlder | stBigger | stSmaller))) return "Differs";
  return "Same";
}

std::string_view DateStatusWord(std::uint16_t shown) {
  if (shown & stOlder) return "Older";
  if (shown & stNewer) return "Newer";
  return "";
}

std::string_view SizeStatusWord(std::uint16_t shown) {
  if (shown & stBigger) return "Bigger";
  if (shown & stSmaller) return "Smaller";
  return "";
}

std::string StatusBitsText(std::uint16_t shown) { return "0x" + HexWord(shown); }

std::string SlashPath(std::string_view held) {
  std::string path(held);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string SlashPath(const FileEntry& entry) {
  std::string path;
  entry.AppendPath(path);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string IsoLocalTime(std::uint32_t packed) {
  const platform::DosDateTime t = UnpackTime(packed);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

std::string ChecksumText(std::uint32_t crc, ChecksumKind kind) {
  switch (kind) {
    case ChecksumKind::Crc32: return HexLong(crc);
    case ChecksumKind::Crc16: return HexWord(static_cast<std::uint16_t>(crc));
    case ChecksumKind::None: break;
  }
  return {};
}

}  // namespace quorvane
