#include "config/ini_values.h"

#include <algorithm>
#include <cstdio>

#include "engine/value_text.h"
#include "platform/profile.h"

namespace quorvane {

namespace {

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

bool allHex(std::string_view s) { return std::all_of(s.begin(), s.end(), isHexDigit); }

}  // namespace

void ReadFlag(const platform::LoadedProfile& profile, std::string_view section, std::string_view key, bool& setting) {
  setting = profile.readInt(section, key, setting ? 1 : 0) != 0;
}

void ReadNumber(const platform::LoadedProfile& profile, std::string_view section, std::string_view key, int& setting) {
  const int value = profile.readInt(section, key, kMissingNumber);
  if (value != kMissingNumber) setting = value;
}

void ReadText(const platform::LoadedProfile& profile, std::string_view section, std::string_view key,
              std::string& setting) {
  std::string value = profile.readString(section, key, kMissingText);
  if (value != kMissingText) setting = std::move(value);
}

void ReadFlag(std::string_view section, std::string_view key, bool& setting) {
  ReadFlag(platform::LoadedProfile::read(), section, key, setting);
}

void ReadNumber(std::string_view section, std::string_view key, int& setting) {
  ReadNumber(platform::LoadedProfile::read(), section, key, setting);
}

void ReadText(std::string_view section, std::string_view key, std::string& setting) {
  ReadText(platform::LoadedProfile::read(), section, key, setting);
}

std::uint32_t ColourFromText(std::string_view text, std::uint32_t defaultValue) {
  if (text == kMissingText) return defaultValue;
  text = text.substr(0, 8);
  if (!allHex(text)) return defaultValue;
  switch (text.size()) {
    case 2:
    case 4:
      return ParseHexWord(text.size() == 2 ? "00" + std::string(text) : std::string(text));
    case 8:
      return ParseHexLong(text);
    default:
      return defaultValue;
  }
}

std::uint32_t ReadColour(const platform::LoadedProfile& profile, std::string_view section, std::string_view key,
                         std::uint32_t defaultValue) {
  return ColourFromText(profile.readString(section, key, kMissingText), defaultValue);
}

std::uint32_t ReadColour(std::string_view section, std::string_view key, std::uint32_t defaultValue) {
  return ReadColour(platform::LoadedProfile::read(), section, key, defaultValue);
}

std::string StyleLetters(std::uint8_t style) {
  std::string letters;
  if (style & tsBold) letters += 'B';
  if (style & tsItalic) letters += 'I';
  if (style & tsUnderline) letters += 'U';
  if (style & tsStrikeOut) letters += 'S';
  return letters;
}

std::uint8_t StyleFromLetters(std::string_view letters) {
  std::uint8_t style = 0;
  for (char c : letters) {
    switch (c) {
      case 'B': style |= tsBold; break;
      case 'I': style |= tsItalic; break;
      case 'U': style |= tsUnderline; break;
      case 'S': style |= tsStrikeOut; break;
      default: break;
    }
  }
  return style;
}

std::string ColumnWidthsText(const ColumnWidths& widths) {
  std::string text;
  for (int w : widths) text += HexWord(static_cast<std::uint16_t>(std::clamp(w, 0, 0xFFFF)));
  return text;
}

bool ColumnWidthsFromText(std::string_view text, ColumnWidths& widths) {
  if (text.size() != 4 * kColumnWidthCount) return false;
  for (std::size_t i = 0; i < kColumnWidthCount; ++i) {
    const std::string_view piece = text.substr(4 * i, 4);
    widths[i] = allHex(piece) ? ParseHexWord(piece) : 0;
  }
  return true;
}

std::string PositionText(const WindowPlacement& p) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "T%dL%dH%dW%d", p.Top, p.Left, p.Height, p.Width);
  return buffer;
}

void ApplyPositionText(std::string_view raw, WindowPlacement& p) {
  const std::string text = TrimBlanks(raw);
  const std::string_view t = text;
  const auto between = [&](std::size_t from, std::size_t to) -> std::string_view {
    if (from == std::string_view::npos || to == std::string_view::npos || to < from) return {};
    return t.substr(from, to - from);
  };
  const std::size_t l = t.find('L');
  const std::size_t h = t.find('H');
  const std::size_t w = t.find('W');
  const auto apply = [](std::string_view piece, int& dimension) {
    std::int32_t value = 0;
    if (ParseInteger(piece, value) && value >= -9) dimension = value;
  };
  apply(t.size() > 1 ? between(1, l) : std::string_view{}, p.Top);
  apply(l == std::string_view::npos ? std::string_view{} : between(l + 1, h), p.Left);
  apply(h == std::string_view::npos ? std::string_view{} : between(h + 1, w), p.Height);
  apply(w == std::string_view::npos ? std::string_view{} : t.substr(w + 1, 4), p.Width);
}

bool WriteFlag(std::string_view section, std::string_view key, bool value) {
  return platform::writeProfileString(section, key, value ? "1" : "0");
}

bool WriteNumber(std::string_view section, std::string_view key, int value) {
  return platform::writeProfileInt(section, key, value);
}

bool WriteText(std::string_view section, std::string_view key, std::string_view value) {
  return platform::writeProfileString(section, key, value);
}

}  // namespace quorvane
