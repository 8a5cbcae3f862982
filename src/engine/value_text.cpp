#include "engine/value_text.h"

#include <charconv>
#include <cstdio>

#include "platform/volume_info.h"

namespace quorvane {

namespace {

// Zero-padded decimal of at least `width` digits.
std::string padded(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

std::string dateOf(const platform::DosDateTime& t, int dateFormat) {
  const std::string year = padded(t.year, 4);
  const std::string month = TwoDigits(t.month);
  const std::string day = TwoDigits(t.day);
  switch (dateFormat) {
    case dfUsa:
      return month + "/" + day + "/" + year;
    case dfEurope:
      return day + "/" + month + "/" + year;
    default:
      return year + "/" + month + "/" + day;
  }
}

std::string timeOf(const platform::DosDateTime& t) {
  return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" + TwoDigits(t.second);
}

std::string hexDigits(std::uint32_t value, int digits) {
  char buffer[12];
  std::snprintf(buffer, sizeof buffer, "%0*X", digits, static_cast<unsigned>(value));
  return buffer;
}

std::uint32_t parseHex(std::string_view text, std::size_t digits) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < digits && i < text.size(); ++i) {
    const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
    std::uint32_t digit = 0;
    if (c >= '1' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
    else if (c >= 'A' && c <= 'F') digit = static_cast<std::uint32_t>(c - 'A' + 10);
    value = value << 4 | digit;
  }
  return value;
}

}  // namespace

platform::DosDateTime UnpackTime(std::uint32_t packed) { return platform::unpackDosTime(packed); }

std::uint32_t PackTime(const platform::DosDateTime& t) { return t.year < 1980 ? 0 : platform::packDosTime(t); }

std::string DateTimeText(std::uint32_t packed, int dateFormat) {
  const platform::DosDateTime t = UnpackTime(packed);
  return dateOf(t, dateFormat) + " " + timeOf(t);
}

std::string DateText(std::uint32_t packed, int dateFormat) { return dateOf(UnpackTime(packed), dateFormat); }

std::string TimeText(std::uint32_t packed) { return timeOf(UnpackTime(packed)); }

std::string FixedDateTimeText(std::uint32_t packed) { return DateTimeText(packed, dfJapan); }

std::string HexByte(std::uint8_t value) { return hexDigits(value, 2); }
std::string HexWord(std::uint16_t value) { return hexDigits(value, 4); }
std::string HexLong(std::uint32_t value) { return hexDigits(value, 8); }

std::uint16_t ParseHexWord(std::string_view text) { return static_cast<std::uint16_t>(parseHex(text, 4)); }
std::uint32_t ParseHexLong(std::string_view text) { return parseHex(text, 8); }

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%2d", value);
  std::string text(buffer, 2);
  if (text[0] == ' ') text[0] = '0';
  return text;
}

std::string AttributeText(std::uint8_t attributes) {
  if (attributes & 0x08) return "Volume label";
  std::string text = "- - - -";
  if (attributes & 0x01) text[0] = 'R';
  if (attributes & 0x02) text[2] = 'H';
  if (attributes & 0x04) text[4] = 'S';
  if (attributes & 0x20) text[6] = 'A';
  return text;
}

std::size_t LastPosition(char c, std::string_view text) {
  const std::size_t at = text.rfind(c);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool ParseInteger(std::string_view text, std::int32_t& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return false;
  }
  std::int32_t parsed = 0;
  const auto [end, ec] = std::from_chars(first, last, parsed);
  if (first == last || ec != std::errc() || end != last) return false;
  value = parsed;
  return true;
}

std::int32_t TextToInteger(std::string_view text) {
  std::int32_t value = 0;
  return ParseInteger(text, value) ? value : 0;
}

int CompareUnsigned(std::uint16_t a, std::uint16_t b) { return a < b ? -1 : a > b ? 1 : 0; }
int CompareUnsigned(std::uint32_t a, std::uint32_t b) { return a < b ? -1 : a > b ? 1 : 0; }

std::string NetworkForm(std::string_view path) { return platform::networkFormOf(path); }

std::string VolumeLabelOf(const std::string& path) { return platform::volumeLabelOf(path); }

}  // namespace quorvane
