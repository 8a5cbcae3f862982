#include "sources/archive/zip_extra_field.h"

#include "sources/archive/byte_cursor.h"

namespace quorvane {

namespace {

constexpr std::uint16_t kZip64Field = 0x0001;
constexpr std::uint16_t kNtfsField = 0x000a;
constexpr std::uint16_t kExtendedTimestampField = 0x5455;
constexpr std::uint8_t kModificationTimePresent = 0x01;
constexpr std::uint16_t kNtfsTimesTag = 0x0001;
constexpr std::uint16_t kNtfsTimesSize = 24;  // modification, access and creation times
constexpr std::int64_t kNtfsUnitsPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

// Calls visit(id, data) for every well-formed field until it returns true; a field whose
// length runs past the end stops the walk.
template <typename Visit>
void forEachField(std::string_view extra, Visit visit) {
  const auto* p = reinterpret_cast<const unsigned char*>(extra.data());
  std::size_t at = 0;
  while (extra.size() - at >= 4) {
    const std::uint16_t id = LE16(p + at);
    const std::uint16_t length = LE16(p + at + 2);
    at += 4;
    if (length > extra.size() - at) return;
    if (visit(id, extra.substr(at, length))) return;
    at += length;
  }
}

std::optional<std::int64_t> extendedTimestamp(std::string_view data) {
  if (data.size() < 5 || (static_cast<unsigned char>(data[0]) & kModificationTimePresent) == 0) return std::nullopt;
  return static_cast<std::int32_t>(LE32(reinterpret_cast<const unsigned char*>(data.data()) + 1));
}

// After 4 reserved bytes, tagged attributes; tag 1 holds the three times.
std::optional<std::int64_t> ntfsTime(std::string_view data) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.data());
  std::size_t at = 4;
  while (data.size() >= at + 4) {
    const std::uint16_t tag = LE16(p + at);
    const std::uint16_t size = LE16(p + at + 2);
    at += 4;
    if (size > data.size() - at) return std::nullopt;
    if (tag == kNtfsTimesTag && size >= kNtfsTimesSize) {
      const std::uint64_t units = LE64(p + at);
      if (units > static_cast<std::uint64_t>(INT64_MAX)) return std::nullopt;
      return static_cast<std::int64_t>(units) / kNtfsUnitsPerSecond - kSecondsFrom1601To1970;
    }
    at += size;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> Zip64UncompressedSize(std::string_view extra) {
  std::optional<std::uint64_t> size;
  forEachField(extra, [&](std::uint16_t id, std::string_view data) {
    if (id != kZip64Field || data.size() < 8) return false;
    size = LE64(reinterpret_cast<const unsigned char*>(data.data()));
    return true;
  });
  return size;
}

std::optional<std::int64_t> ZipExtraFieldModificationTime(std::string_view extra) {
  std::optional<std::int64_t> time;
  forEachField(extra, [&](std::uint16_t id, std::string_view data) {
    if (id == kExtendedTimestampField) time = extendedTimestamp(data);
    else if (id == kNtfsField) time = ntfsTime(data);
    return time.has_value();
  });
  return time;
}

}  // namespace quorvane
