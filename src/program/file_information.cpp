#include "program/file_information.h"

#include "engine/value_text.h"

namespace quorvane {

namespace {

constexpr const char* kNotAvailable = "<n/a>";

// In status-bit order.
constexpr const char* kStatusWords[8] = {"Identical  ", "CRC-different   ", "Inserted   ", "Deleted   ",
                                         "Newer   ",    "Older   ",         "Bigger   ",   "Smaller   "};

FileInfoColumn ColumnOf(bool present, std::uint32_t time, std::uint64_t size, std::uint32_t crc, std::uint8_t attributes,
                        int dateFormat) {
  FileInfoColumn c;
  if (!present) {
    c.enabled = false;
    c.date = c.time = c.size = c.crc = c.attribute = c.timeStamp = kNotAvailable;
    return c;
  }
  c.date = DateText(time, dateFormat);
  c.time = TimeText(time);
  c.size = std::to_string(size);
  c.crc = HexLong(crc);
  c.attribute = AttributeText(attributes);
  c.timeStamp = HexLong(time);
  return c;
}

}  // namespace

FileInformation FileInformationOf(Comparison& c, const FileEntry& e, int dateFormat) {
  FileInformation info;
  info.name = std::string(e.Name());

  const bool snapshot = c.State.SnapshotMode;
  const std::uint16_t status = snapshot ? std::uint16_t{stInserted} : e.Status;
  if (snapshot || e.MovedPartner < 0 || e.MovedPartner >= c.Files.Count()) {
    info.movedTo = kNotAvailable;
  } else {
    const std::string_view partner = c.Files.ItemAt(e.MovedPartner).Directory();
    info.movedTo = partner.empty() ? std::string("(root)") : std::string(partner);
  }

  info.newSide = ColumnOf(!(status & stDeleted), e.NewTime, e.NewSize, e.NewCRC, e.NewAttr, dateFormat);
  info.oldSide = ColumnOf(!(status & stInserted), e.OldTime, e.OldSize, e.OldCRC, e.OldAttr, dateFormat);

  if (snapshot) {
    info.status = "(n/a)";
  } else {
    for (int bit = 0; bit < 8; ++bit)
      if (status & (1u << bit)) info.status += kStatusWords[bit];
  }

  info.crcBold = status & stCrcDiffers;
  if (status & (stNewer | stOlder)) {
    info.dateBold = info.newSide.date != info.oldSide.date;
    info.timeBold = info.newSide.time != info.oldSide.time;
  }
  info.sizeBold = status & (stBigger | stSmaller);
  info.attributeBold = info.newSide.enabled && info.oldSide.enabled && e.NewAttr != e.OldAttr;
  return info;
}

}  // namespace quorvane
