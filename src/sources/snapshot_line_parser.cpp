#include "sources/snapshot_line_parser.h"

#include "engine/value_text.h"
#include "platform/code_page.h"

namespace quorvane {

namespace {

constexpr std::size_t kSizeWidth = 10;

// The field of `width` characters at 1-based `column` (shorter at the end of the line).
std::string_view field(std::string_view line, std::size_t column, std::size_t width) {
  if (column - 1 >= line.size()) return {};
  return line.substr(column - 1, width);
}

// Leading blanks, then one or more digits up to the end of the text.
template <typename T>
bool parseNumber(std::string_view text, T& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == text.size()) return false;
  T result = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    const T digit = static_cast<T>(c - '0');
    if (result > (static_cast<T>(-1) - digit) / 10) return false;
    result = static_cast<T>(result * 10 + digit);
  }
  value = result;
  return true;
}

bool parseSmall(std::string_view text, int& value) {
  std::uint32_t v = 0;
  if (!parseNumber(text, v) || v > 99999) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

std::optional<int> SnapshotVersion(std::string_view line3) {
  constexpr std::string_view prefix = ".Version ";
  if (line3.substr(0, prefix.size()) != prefix) return kNoVersion;
  const std::string_view text = line3.substr(prefix.size());
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::int32_t major = 0;
  std::int32_t minor = 0;
  if (!ParseInteger(text.substr(0, dot), major) || !ParseInteger(text.substr(dot + 1), minor)) return std::nullopt;
  if (minor < 10) minor *= 10;
  const std::int64_t version = std::int64_t{major} * 100 + minor;
  if (version < INT32_MIN || version > INT32_MAX) return std::nullopt;
  return static_cast<int>(version);
}

const SnapshotLayout& LayoutOfVersion(int version) {
  return version >= 130 ? kFourDigitYearLayout : kTwoDigitYearLayout;
}

bool IsSnapshotNonFileLine(std::string_view line) {
  if (line.size() < 40) return true;
  const char first = line[0];
  return first == '.' || first == '-' || first == '[' || first == 'S';
}

SnapshotLineVerdict ReadSnapshotLine(std::string_view line, const SnapshotLayout& layout, SnapshotNames names,
                                     SnapshotLineFacts& facts) {
  // The size: ten columns, or more when a longer number runs on to the right.
  std::size_t sizeEnd = kSizeWidth;
  while (sizeEnd < line.size() && line[sizeEnd] >= '0' && line[sizeEnd] <= '9') ++sizeEnd;
  const std::size_t shift = sizeEnd - kSizeWidth;
  std::uint64_t size = 0;
  if (!parseNumber(line.substr(0, sizeEnd), size)) return SnapshotLineVerdict::NotANumber;
  line = line.substr(shift);  // the later columns as if the size had ten digits
  const auto at = [&](int column, int width) {
    return field(line, static_cast<std::size_t>(column), static_cast<std::size_t>(width));
  };

  platform::DosDateTime t;
  if (!parseSmall(at(layout.year, layout.yearWidth), t.year) || !parseSmall(at(layout.month, 2), t.month) ||
      !parseSmall(at(layout.day, 2), t.day) || !parseSmall(at(layout.hour, 2), t.hour) ||
      !parseSmall(at(layout.minute, 2), t.minute) || !parseSmall(at(layout.second, 2), t.second))
    return SnapshotLineVerdict::NotANumber;
  if (layout.yearWidth == 2) t.year += 1900;

  std::string_view path = at(layout.path, static_cast<int>(line.size()));
  if (names == SnapshotNames::Oem)
    while (!path.empty() && (path.back() == ' ' || path.back() == '.')) path.remove_suffix(1);
  if (path.empty()) return SnapshotLineVerdict::NoName;

  if (names == SnapshotNames::Oem)
    facts.path = platform::oemToUtf8(path);
  else
    facts.path.assign(path);
  for (char& c : facts.path)
    if (c == '/') c = '\\';
  facts.size = size;
  facts.time = PackTime(t);
  facts.cr16 = ParseHexWord(at(layout.cr16, 4));
  facts.crc32 = ParseHexLong(at(layout.crc32, 8));
  return SnapshotLineVerdict::Accepted;
}

bool ParseSnapshotLine(std::string_view line, const SnapshotLayout& layout, SnapshotLineFacts& facts) {
  return ReadSnapshotLine(line, layout, SnapshotNames::Oem, facts) == SnapshotLineVerdict::Accepted;
}

bool SnapshotSourceIsLinuxPath(std::string_view sourceLine) {
  const std::size_t at = sourceLine.find(" : ");
  return at != std::string_view::npos && sourceLine.substr(at + 3, 1) == "/";
}

std::optional<std::uint64_t> SnapshotListedCount(std::string_view line) {
  constexpr std::string_view suffix = " files listed.";
  if (line.size() <= suffix.size() + 1 || line[0] != '.' || line.substr(line.size() - suffix.size()) != suffix)
    return std::nullopt;
  const std::string_view digits = line.substr(1, line.size() - suffix.size() - 1);
  std::uint64_t count = 0;
  if (digits[0] == ' ' || !parseNumber(digits, count)) return std::nullopt;
  return count;
}

}  // namespace quorvane
