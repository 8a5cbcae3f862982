#include "program/search_command.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/tick_count.h"

namespace quorvane {

namespace {

constexpr std::uint64_t kDrawIntervalMs = 200;
constexpr std::int32_t kClockEvery = 1024;  // entries between two looks at the clock

constexpr std::array<char, 128> AsciiUpper() {
  std::array<char, 128> table{};
  for (int c = 0; c < 128; ++c) table[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return table;
}
constexpr std::array<char, 128> kAsciiUpper = AsciiUpper();

// The upper case of a code point of two UTF-8 bytes, or the code point itself.
char32_t UpperOf(char32_t c) {
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x178 || c == 0x17F) return c;
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool lower = oddUpper ? (c % 2 == 0) : (c % 2 == 1);
    return lower ? c - 1 : c;
  }
  if ((c >= 0x3B1 && c <= 0x3C1) || (c >= 0x3C3 && c <= 0x3CB)) return c - 0x20;
  if (c == 0x3C2) return 0x3A3;
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

void FoldInto(std::string_view text, std::string& out) {
  out.resize(text.size());
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) break;
    out[i] = kAsciiUpper[c];
  }
  if (i == text.size()) return;
  // Beyond ASCII: two-byte sequences are mapped, anything else copied.
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out[i] = kAsciiUpper[c];
      continue;
    }
    const bool twoBytes = (c & 0xE0) == 0xC0 && i + 1 < text.size() &&
                          (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
    if (!twoBytes) {
      out[i] = text[i];
      continue;
    }
    const char32_t code = static_cast<char32_t>((c & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
    const char32_t upper = code >= 0x80 ? UpperOf(code) : code;  // an overlong form stays as it is
    out[i] = static_cast<char>(0xC0 | (upper >> 6));
    out[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
    ++i;
  }
}

// The bytes a path must hold for the folded text to occur in it: both letter cases of an
// ASCII first character. A first byte beyond ASCII may fold from another lead byte, so it
// lets every path through.
struct FirstBytes {
  bool any = true;
  char lower = 0;
  char upper = 0;
};

FirstBytes FirstBytesOf(std::string_view folded) {
  FirstBytes f;
  const auto c = static_cast<unsigned char>(folded.front());
  if (c >= 0x80) return f;
  f.any = false;
  f.upper = static_cast<char>(c);
  f.lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return f;
}

// A quick test before the path is built and folded: long enough and holding the first
// character where a match could start. The path is its directory part then its name.
bool MayHold(std::string_view directory, std::string_view name, std::size_t length, const FirstBytes& first) {
  const std::size_t size = directory.size() + name.size();
  if (size < length) return false;
  if (first.any) return true;
  const std::size_t span = size - length + 1;  // positions where a match may start
  const auto holdsFirst = [&first](std::string_view part, std::size_t n) {
    n = std::min(n, part.size());
    if (n == 0) return false;
    if (std::memchr(part.data(), first.upper, n)) return true;
    return first.lower != first.upper && std::memchr(part.data(), first.lower, n) != nullptr;
  };
  return holdsFirst(directory, span) || (span > directory.size() && holdsFirst(name, span - directory.size()));
}

}  // namespace

std::string SearchFold(std::string_view text) {
  std::string out;
  FoldInto(text, out);
  return out;
}

std::optional<std::int32_t> DoSearch(SearchState& state, const TDisplayIndex& display, std::string_view text,
                                     platform::UserInterface& ui, const SearchBar& bar) {
  if (text.empty()) return std::nullopt;
  const std::string wanted = SearchFold(text);
  const std::int32_t count = display.Count();
  const auto percent = [count](std::int32_t position) {
    return count > 0 ? static_cast<int>(static_cast<std::int64_t>(position) * 100 / count) : 0;
  };
  const FirstBytes first = FirstBytesOf(wanted);
  std::string folded;
  std::string path;  // reused: the paths are built without an allocation each
  std::uint64_t lastDraw = platform::tickCount();
  bool found = false;
  std::int32_t sinceClock = 0;
  if (state.position < 0) state.position = 0;
  while (state.position < count) {
    if (++sinceClock >= kClockEvery) {
      sinceClock = 0;
      const std::uint64_t now = platform::tickCount();
      if (now - lastDraw >= kDrawIntervalMs) {
        lastDraw = now;
        if (bar) bar(percent(state.position));
        ui.pumpMessages();
      }
    }
    const FileEntry& entry = *display.ItemAt(state.position);
    ++state.position;
    const PathParts parts = entry.Parts();
    if (!MayHold(parts.directory, parts.name, wanted.size(), first)) continue;
    path.clear();
    entry.AppendPath(path);
    FoldInto(path, folded);
    if (folded.find(wanted) != std::string::npos) {
      found = true;
      break;
    }
  }
  if (bar) bar(percent(state.position));
  state.nextEnabled = found;
  if (found) return state.position;
  ui.message("\"" + std::string(text) + "\" :\rNot found", platform::MessageKind::Information,
             platform::MessageButtons::Ok);
  return std::nullopt;
}

std::optional<std::int32_t> SearchNext(SearchState& state, const TDisplayIndex& display, std::string_view text,
                                       std::int32_t currentRow, platform::UserInterface& ui, const SearchBar& bar) {
  state.position = currentRow;
  if (state.position < 0 || state.position >= display.Count()) return std::nullopt;
  return DoSearch(state, display, text, ui, bar);
}

}  // namespace quorvane
